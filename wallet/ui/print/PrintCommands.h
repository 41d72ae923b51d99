// Print: the cards of the selected category on the printer the person
// chooses in the print dialog (the one printer Print Setup sets up).
#pragma once

#include "frame/ICommandTarget.h"

#include <memory>

class IPrintDialogs;
class IWalletFrame;
struct UiServices;

class CPrintCommands : public ICommandTarget {
public:
    // Without `dialogs` the command runs the system's print dialog, over the frame's window.
    CPrintCommands(UiServices& services, IWalletFrame& frame, IPrintDialogs* dialogs = nullptr);
    ~CPrintCommands() override;

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

private:
    void print();

    UiServices& m_services;
    IWalletFrame& m_frame;
    std::unique_ptr<IPrintDialogs> m_ownDialogs;
    IPrintDialogs& m_dialogs;
};
