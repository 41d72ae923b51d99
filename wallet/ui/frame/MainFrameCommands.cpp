// The main window's card and category commands: new, edit and delete, each
// through the document, with the messages the person sees when one fails.
#include "frame/FrameDialogs.h"
#include "frame/MainFrame.h"
#include "frame/WalletSplitter.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "zenthoLib/Base/UserInterface.h"

void CMainFrame::showMessage(const char* text, unsigned type) { m_services.ui.messageBox(CString(text), type); }

bool CMainFrame::requireKeyFor(CCategory& category)
{
    if (!category.isEncrypted())
        return true;
    CWalletDoc& document = m_services.document;
    if (!document.isUnlocked() && !document.ensureKeyForEncryption())
        return false;
    // New cards go in beside the opened ones.
    return !category.hasSealedCards() || document.openEncryptedCategory(category);
}

void CMainFrame::newCard()
{
    CCategory* category = m_selectedCategory;
    if (!category || !requireKeyFor(*category))
        return;
    const auto typeId = m_dialogs.chooseCardType(category->getDefaultCardType());
    if (!typeId)
        return;
    std::unique_ptr<CCard> card = m_dialogs.createCard(*typeId);
    if (!card)
        return;
    card->setParent(category);
    if (!m_services.document.addCard(*category, std::move(card)))
        showMessage("Cant save the card", MB_OK | MB_ICONWARNING);
}

void CMainFrame::newCategory()
{
    CCategory* parent = m_selectedCategory;
    if (!parent || !requireKeyFor(*parent))
        return;
    const auto choice = m_dialogs.editCategory(nullptr);
    if (!choice)
        return;
    auto category = std::make_unique<CCategory>(choice->name, choice->iconIndex, choice->defaultCardType, choice->encrypt);
    category->setParent(parent);
    if (!m_services.document.addCategory(*parent, std::move(category)))
        showMessage("Cant save the category", MB_OK | MB_ICONWARNING);
}

void CMainFrame::editCard()
{
    CCard* card = m_selectedCard;
    if (!card || !m_dialogs.editCard(*card))
        return;
    if (!m_services.document.updateCard(*card))
        showMessage("Warning!\nCannot update card in storage!", MB_OK | MB_ICONWARNING);
    // The display is made afresh from the edited card.
    if (m_shownCard == card) {
        m_shownCard = nullptr;
        showCard(*card);
    }
}

CCategory* CMainFrame::editCategoryTarget() const
{
    if (!treeIsActive() && m_listCategory)
        return m_listCategory;
    return m_selectedCategory;
}

CCategory* CMainFrame::deleteCategoryTarget() const { return treeIsActive() ? m_selectedCategory : m_listCategory; }

bool CMainFrame::canDeleteCategory() const
{
    if (!treeIsActive())
        return m_listCategory != nullptr;
    // The root cannot be deleted.
    return m_selectedCategory && m_selectedCategory->getParent() && !m_selectedCard;
}

void CMainFrame::editCategory()
{
    CCategory* target = editCategoryTarget();
    if (!target)
        return;
    CWalletDoc& document = m_services.document;
    if (target->isEncrypted() && target->hasSealedCards() && !document.openEncryptedCategory(*target))
        return;
    const auto choice = m_dialogs.editCategory(target);
    if (!choice)
        return;
    target->setIconIndex(choice->iconIndex);
    target->setDefaultCardType(choice->defaultCardType);
    target->setName(choice->name);
    const bool encryptionChanged = choice->encrypt != target->isEncrypted();
    if (encryptionChanged)
        target->setEncrypted(choice->encrypt);
    if (!document.updateCategory(*target, encryptionChanged))
        showMessage("Warning!\nCannot update category in storage!", MB_OK | MB_ICONWARNING);
}

void CMainFrame::deleteCategory()
{
    CCategory* target = deleteCategoryTarget();
    if (!target || !target->getParent())
        return;
    const CString question = CString("Delete category '") + target->getName() + CString("'. Are you sure?");
    if (m_services.ui.messageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!m_services.document.deleteCategory(target))
        showMessage("Warning!\nCannot delete category in storage", MB_OK | MB_ICONWARNING);
}

void CMainFrame::deleteSelection() { m_selectedCard ? deleteCard() : deleteCategory(); }

void CMainFrame::deleteCard()
{
    CCard* card = m_selectedCard;
    if (!card)
        return;
    const CString question = CString("Delete '") + card->getName() + CString("'.\n Are you sure?");
    if (m_services.ui.messageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!m_services.document.deleteCard(card))
        showMessage("Warning!\nCannot delete card in storage", MB_OK | MB_ICONWARNING);
    m_column->setWalletLayout(CWalletSplitter::ListLayout, m_outer->height());
}
