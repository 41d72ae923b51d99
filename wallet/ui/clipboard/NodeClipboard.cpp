#include "clipboard/NodeClipboard.h"

#include "clipboard/ClipboardTexts.h"
#include "clipboard/NodeTransfer.h"
#include "frame/CommandIds.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "zenthoLib/Base/UserInterface.h"

bool CNodeClipboard::runCommand(int id)
{
    switch (id) {
    case CommandId::Copy:
        hold(Operation::Copy);
        break;
    case CommandId::Cut:
        hold(Operation::Cut);
        break;
    case CommandId::Paste:
        paste();
        break;
    default:
        return false;
    }
    m_frame.restartInactivityTimer();
    return true;
}

std::optional<bool> CNodeClipboard::commandEnabled(int id)
{
    switch (id) {
    case CommandId::Copy:
    case CommandId::Cut:
        return true;
    case CommandId::Paste:
        return canPaste();
    default:
        return std::nullopt;
    }
}

CNode* CNodeClipboard::heldNode() const { return m_heldId ? m_services.document.findNode(m_heldId) : nullptr; }

void CNodeClipboard::hold(Operation operation)
{
    CNode* node = m_frame.contextNode();
    m_heldId = node ? node->getNodeId() : 0;
    m_operation = operation;
    m_frame.setContextNode(nullptr);
}

bool CNodeClipboard::canPaste() const
{
    const CNode* held = heldNode();
    const CNode* target = m_frame.contextNode();
    return held && target && target->isCategory() && canReceive(static_cast<const CCategory&>(*target), *held);
}

// The held node stays held: a copied node can be pasted again, a cut one is
// gone once it was moved.
void CNodeClipboard::paste()
{
    if (!canPaste()) {
        m_services.ui.messageBox(ClipboardTexts::kOperationFailed, MB_OK);
        return;
    }
    transferNode(m_services, *heldNode(), static_cast<CCategory&>(*m_frame.contextNode()), m_operation == Operation::Cut);
}
