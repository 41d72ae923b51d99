#include "clipboard/NodeTransfer.h"

#include "clipboard/ClipboardTexts.h"
#include "frame/UiServices.h"
#include "model/Card.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "zenthoLib/Base/UserInterface.h"

bool canReceive(const CCategory& target, const CNode& node)
{
    for (const CNode* above = &target; above; above = above->getParent())
        if (above == &node)
            return false;
    return true;
}

bool transferNode(UiServices& services, CNode& node, CCategory& target, bool move)
{
    if (!canReceive(target, node))
        return false;
    CWalletDoc& document = services.document;
    bool done = document.pasteNode(node, target);
    if (done && move)
        done = node.isCard() ? document.deleteCard(static_cast<CCard*>(&node)) : document.deleteCategory(static_cast<CCategory*>(&node));
    if (!done)
        services.ui.messageBox(ClipboardTexts::kOperationFailed, MB_OK);
    return done;
}
