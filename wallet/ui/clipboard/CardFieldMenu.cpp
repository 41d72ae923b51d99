#include "clipboard/CardFieldMenu.h"

#include "clipboard/CardFieldCopies.h"
#include "model/Card.h"
#include "model/Category.h"
#include "model/WalletDoc.h"

#include <QMenu>

void CCardFieldMenu::fill(QMenu& menu, const CCard& card)
{
    const CCategory* category = card.getParent();
    if (category && category->isEncrypted() && !m_document.isUnlocked())
        return;
    for (const FieldCopy& copy : cardFieldCopies(card)) {
        QAction* action = menu.addAction(copy.caption);
        QObject::connect(action, &QAction::triggered, &m_clipboard, [this, value = copy.value] { m_clipboard.copy(value); });
    }
}
