#include "frame/DocumentCommands.h"

#include "frame/CommandIds.h"
#include "frame/FrameDialogs.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "settings/KeldraRegistry.h"

bool CDocumentCommands::runCommand(int id)
{
    switch (id) {
    case CommandId::Export:
        m_services.document.exportWallet();
        return true;
    case CommandId::Lock:
        m_services.document.lock();
        // Every view starts again from the root, as the tree does.
        m_frame.select(nullptr, &m_services.document.getRoot(), nullptr, nullptr);
        m_frame.restartInactivityTimer();
        return true;
    case CommandId::Options:
        editOptions();
        return true;
    case CommandId::Password:
        m_services.document.changePassword();
        return true;
    default:
        return false;
    }
}

std::optional<bool> CDocumentCommands::commandEnabled(int id)
{
    switch (id) {
    case CommandId::Export:
    case CommandId::Options:
    case CommandId::Password:
        return true;
    case CommandId::Lock:
        return m_services.document.isUnlocked();
    default:
        return std::nullopt;
    }
}

void CDocumentCommands::editOptions()
{
    if (m_dialogs.editOptions(m_services.options))
        m_services.registry.saveSettings(m_services.options, m_services.ui);
    m_frame.restartInactivityTimer();
}
