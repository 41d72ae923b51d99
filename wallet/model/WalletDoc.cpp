#include "model/WalletDoc.h"

#include "model/Category.h"
#include "model/CryptRecord.h"
#include "model/DocumentCardSealer.h"
#include "model/DocumentKey.h"
#include "model/DocumentTexts.h"
#include "model/FileInputStream.h"
#include "model/FileOutputStream.h"
#include "model/NodeFactory.h"
#include "model/NodeTreeState.h"
#include "model/SearchResult.h"
#include "model/WalletFile.h"
#include "model/CryptUtil.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/UserInterface.h"

#include <algorithm>

namespace {

constexpr const char* kDefaultWalletName = "My Wallet";

template <class List, class Child>
int indexIn(const List& list, const Child* child)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry.get() == child; });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

int indexInParent(const CCategory& parent, const CNode& child)
{
    return child.isCard() ? indexIn(parent.getCards(), &child) : indexIn(parent.getSubcategories(), &child);
}

CNode* findIn(CCategory& category, std::uint32_t nodeId)
{
    if (category.getNodeId() == nodeId)
        return &category;
    for (const auto& card : category.getCards())
        if (card->getNodeId() == nodeId)
            return card.get();
    for (const auto& sub : category.getSubcategories())
        if (CNode* found = findIn(*sub, nodeId))
            return found;
    return nullptr;
}

} // namespace

CWalletDoc::CWalletDoc(IUserInterface& ui, CKeldraOptions& options, CKeldraRegistry& registry)
    : ui(ui), options(options), registry(registry), sealer(std::make_unique<CDocumentCardSealer>()),
      rootPointerOffset(Serializable::kNoPosition)
{
    NodeTreeState::setCardSealer(sealer.get());
    NodeTreeState::setUserInterface(&ui);
    resetTree();
}

CWalletDoc::~CWalletDoc()
{
    deleteContents();
    // The tree's services belong to the newest document.
    if (NodeTreeState::cardSealer() == sealer.get()) {
        NodeTreeState::setCardSealer(nullptr);
        NodeTreeState::setUserInterface(nullptr);
    }
}

void CWalletDoc::addObserver(IDocumentObserver* observer) { observers.push_back(observer); }

void CWalletDoc::removeObserver(IDocumentObserver* observer) { std::erase(observers, observer); }

void CWalletDoc::notify(const UpdateHint& hint)
{
    for (IDocumentObserver* observer : observers)
        observer->onUpdate(hint);
}

void CWalletDoc::notifyWritten(CNode& node)
{
    notify({node.isCard() ? UpdateHint::CardWritten : UpdateHint::CategoryWritten, &node});
}

void CWalletDoc::showMessage(const char* text) { ui.messageBox(text, MB_OK); }

void CWalletDoc::quit() { ui.requestQuit(DocumentTexts::kQuitExitCode); }

void CWalletDoc::resetTree() { root = std::make_unique<CCategory>(kDefaultWalletName, kNewWalletRootIcon, 0, false); }

bool CWalletDoc::isFileOpen() const { return store && store->isOpen(); }

void CWalletDoc::deleteContents()
{
    for (IDocumentObserver* observer : observers)
        observer->onContentsDeleting();
    searchResult.reset();
    resetTree();
    if (store)
        store->close();
    store.reset();
    viewed.reset();
    storage.reset();
    unlockingKey = CSmartPtr<CCryptUtil>();
    setDocumentKey(nullptr);
    documentCheckBlock().done();
    rootPointerOffset = Serializable::kNoPosition;
    pathName.Empty();
    storageFailure = false;
}

bool CWalletDoc::canEdit() const { return isFileOpen() && !storageFailure; }

bool CWalletDoc::failEdit()
{
    if (store && store->getError() != 0)
        storageFailure = true;
    return false;
}

bool CWalletDoc::readyForCards(CCategory& category)
{
    return !category.isEncrypted() || (sealer->hasDocumentKey() && sealer->openSealedCards(category));
}

bool CWalletDoc::appendCard(CCategory& category, CCard& card)
{
    if (!store->seekToEnd())
        return false;
    if (!category.isEncrypted())
        return card.save(*store);
    CSizedArray sealed;
    std::uint32_t offset = 0;
    if (!sealer->sealCard(card, sealed) || !store->getCurrentStreamPosition(offset) || !(*store << sealed))
        return false;
    card.setPosition(offset);
    return true;
}

bool CWalletDoc::updateSlot(CCategory* parent, CNode& child, bool writeChild, int childIndex)
{
    if (writeChild) {
        const bool written = child.isCard() && parent ? appendCard(*parent, static_cast<CCard&>(child))
                                                      : store->seekToEnd() && child.save(*store);
        if (!written)
            return false;
    }
    if (!parent)
        return patchSlot(*store, rootPointerOffset, child.getPosition());
    const int index = childIndex >= 0 ? childIndex : indexInParent(*parent, child);
    if (index < 0)
        return false;
    const auto subcategoryCount = static_cast<std::uint32_t>(parent->getSubcategories().size());
    const std::uint32_t slot = parent->getPosition() + (child.isCard() ? 12 + 4 * subcategoryCount : 8) + 4 * static_cast<std::uint32_t>(index);
    return patchSlot(*store, slot, child.getPosition());
}

bool CWalletDoc::writeNodeAndSlot(CNode& node)
{
    if (!updateSlot(node.getParent(), node, true))
        return false;
    notifyWritten(node);
    return true;
}

bool CWalletDoc::addCard(CCategory& category, std::unique_ptr<CCard> card)
{
    if (!canEdit() || !card || !readyForCards(category))
        return false;
    CCard* added = card.get();
    if (!appendCard(category, *added))
        return failEdit();
    CCard* neighbour = category.insertCard(std::move(card));
    if (!store->seekToEnd() || !category.save(*store) || !updateSlot(category.getParent(), category, false)) {
        category.removeCard(added);
        return failEdit();
    }
    notify({UpdateHint::CardAdded, &category, neighbour, added});
    return true;
}

bool CWalletDoc::addCategory(CCategory& parent, std::unique_ptr<CCategory> category, bool pasted)
{
    if (!canEdit() || !category)
        return false;
    CCategory* added = category.get();
    added->setWriteSubtree(pasted);
    const bool written = store->seekToEnd() && added->save(*store);
    added->setWriteSubtree(false);
    if (!written)
        return failEdit();
    CCategory* neighbour = parent.insertCategory(std::move(category));
    if (!store->seekToEnd() || !parent.save(*store) || !updateSlot(parent.getParent(), parent, pasted)) {
        parent.removeCategory(added);
        return failEdit();
    }
    notify({UpdateHint::CategoryAdded, &parent, neighbour, added, pasted});
    return true;
}

bool CWalletDoc::updateCard(CCard& card)
{
    CCategory* category = card.getParent();
    if (!canEdit() || !category)
        return false;
    // The slot to patch is the card's place in the category's stored record,
    // which is its place before re-sorting.
    const int storedIndex = indexInParent(*category, card);
    CCard* neighbour = category->resortCard(&card);
    if (!updateSlot(category, card, true, storedIndex)) {
        if (category->isEncrypted() && store->getError() == 0)
            restoreStoredCard(*category, card);
        return failEdit();
    }
    notifyWritten(card);
    if (!writeNodeAndSlot(*category))
        return failEdit();
    notify({UpdateHint::CardWritten, category, neighbour, &card});
    return true;
}

// An edited card that cannot be sealed (its record too long) must not stay
// in an encrypted category, or locking would fail: the card goes back to the
// record the file holds for it, or, when that cannot be read, out of the
// category. The category keeps the stored order in either case.
void CWalletDoc::restoreStoredCard(CCategory& category, CCard& card)
{
    std::unique_ptr<CCard> edited = category.takeCard(&card);
    CSizedArray sealed;
    std::unique_ptr<CNode> stored;
    const auto readCard = [&](ZenthoIO::CInputStream& in) { return readNode(in, stored, category.getFormatVersion()); };
    if (card.getPosition() != Serializable::kNoPosition && documentKey() && store->readArrayAt(card.getPosition(), sealed) &&
        openSealedRecord(*documentKey(), sealed, readCard) && stored && stored->isCard()) {
        stored->setRecordPosition(card.getPosition());
        CCard* restored = static_cast<CCard*>(stored.release());
        category.insertCard(std::unique_ptr<CCard>(restored));
        notify({UpdateHint::CardDeleted, &card});
        notify({UpdateHint::CardAdded, &category, nullptr, restored});
    } else {
        notify({UpdateHint::CardDeleted, &card});
    }
}

bool CWalletDoc::updateCategory(CCategory& category, bool encryptionChanged)
{
    if (!canEdit())
        return false;
    if (!encryptionChanged)
        return writeNodeAndSlot(category) || failEdit();
    // Every card is written anew under the new flag; on failure the category
    // keeps the flag the file still holds, so that no card that cannot be
    // sealed stays in an encrypted category.
    const bool opened = sealer->hasDocumentKey() && sealer->openSealedCards(category);
    std::vector<std::uint32_t> storedPositions;
    for (const auto& card : category.getCards())
        storedPositions.push_back(card->getPosition());
    category.setWriteSubtree(true);
    const bool written = opened && writeNodeAndSlot(category);
    category.setWriteSubtree(false);
    if (!written) {
        category.setEncrypted(!category.isEncrypted());
        for (std::size_t i = 0; i < storedPositions.size(); ++i)
            category.getCards()[i]->setRecordPosition(storedPositions[i]);
    }
    return written || failEdit();
}

bool CWalletDoc::deleteCard(CCard* card)
{
    CCategory* category = card ? card->getParent() : nullptr;
    if (!canEdit() || !category || !category->removeCard(card))
        return false;
    if (!writeNodeAndSlot(*category))
        return failEdit();
    notify({UpdateHint::CardDeleted, card});
    return true;
}

bool CWalletDoc::deleteCategory(CCategory* category)
{
    CCategory* parent = category ? category->getParent() : nullptr;
    if (!canEdit() || !parent || !parent->removeCategory(category))
        return false;
    if (!writeNodeAndSlot(*parent))
        return failEdit();
    notify({UpdateHint::CategoryDeleted, category});
    return true;
}

bool CWalletDoc::pasteNode(CNode& node, CCategory& target)
{
    if (!canEdit())
        return false;
    if (node.isCategory() && hasEncryptedCategory(static_cast<CCategory&>(node))) {
        if (obtainDocumentKey() != kKeyHeld)
            return false;
        if (!sealer->openAll(static_cast<CCategory&>(node))) {
            showMessage(DocumentTexts::kReadError);
            return false;
        }
    }
    if (target.isEncrypted() && !openEncryptedCategory(target))
        return false;
    std::unique_ptr<CNode> copy(static_cast<CNode*>(node.clone()));
    if (!copy)
        return false;
    if (copy->isCard())
        return addCard(target, std::unique_ptr<CCard>(static_cast<CCard*>(copy.release())));
    return addCategory(target, std::unique_ptr<CCategory>(static_cast<CCategory*>(copy.release())), true);
}

CNode* CWalletDoc::findNode(std::uint32_t nodeId) { return findIn(*root, nodeId); }

bool CWalletDoc::openEncryptedCategory(CCategory& category)
{
    if (category.hasSealedCards()) {
        if (obtainDocumentKey() != kKeyHeld || !sealer->openSealedCards(category))
            return false;
    }
    notify({UpdateHint::CategoryOpened, &category});
    return true;
}
