// The commands the document answers for: export, lock, options and the
// password. They act through the document and report through the person's
// dialogs, as the document's other operations do.
#pragma once

#include "frame/ICommandTarget.h"

class IFrameDialogs;
class IWalletFrame;
struct UiServices;

class CDocumentCommands : public ICommandTarget {
public:
    CDocumentCommands(UiServices& services, IWalletFrame& frame, IFrameDialogs& dialogs)
        : m_services(services), m_frame(frame), m_dialogs(dialogs)
    {
    }

    bool runCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

private:
    void editOptions();

    UiServices& m_services;
    IWalletFrame& m_frame;
    IFrameDialogs& m_dialogs;
};
