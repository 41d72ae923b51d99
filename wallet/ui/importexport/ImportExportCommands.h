// File > Import... and File > Export...: another manager's export read into
// a new encrypted category, and the wallet written out for another manager,
// both through the engine the command-line tool uses.
#pragma once

#include "frame/ICommandTarget.h"

#include <memory>

class IImportExportDialogs;
class IWalletFrame;
struct UiServices;

class CImportExportCommands : public ICommandTarget {
public:
    // Without `dialogs` the commands run the real dialogs, over the frame's window.
    CImportExportCommands(UiServices& services, IWalletFrame& frame, IImportExportDialogs* dialogs = nullptr);
    ~CImportExportCommands() override;

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

private:
    void importFile();
    void exportFile();
    void tell(const std::string& message, unsigned int icon);

    UiServices& m_services;
    IWalletFrame& m_frame;
    std::unique_ptr<IImportExportDialogs> m_ownDialogs;
    IImportExportDialogs& m_dialogs;
};
