// The wallet's password: entering it (with the lock-out after too many wrong
// entries), setting it the first time, changing it, and locking.
#include "model/WalletDoc.h"

#include "model/Category.h"
#include "model/CheckBlock.h"
#include "model/CryptUtil.h"
#include "model/DocumentCardSealer.h"
#include "model/DocumentKey.h"
#include "model/DocumentTexts.h"
#include "model/FileOutputStream.h"
#include "model/NodeTreeState.h"
#include "model/StreamValues.h"
#include "model/WalletFile.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/SmartPtr.h"
#include "zenthoLib/Base/UserInterface.h"

namespace {

void commitPositions(CCategory& category)
{
    category.commitPendingPosition();
    for (const auto& card : category.getCards())
        card->commitPendingPosition();
    for (const auto& subcategory : category.getSubcategories())
        commitPositions(*subcategory);
}

} // namespace

bool CWalletDoc::hasPassword() const { return documentCheckBlock().getSize() != 0; }

bool CWalletDoc::isUnlocked() const { return documentKey() != nullptr; }

int CWalletDoc::obtainDocumentKey()
{
    if (!hasPassword()) {
        wrongPasswordCount = 0;
        return kKeyHeld;
    }
    if (CCryptUtil* held = documentKey()) {
        const CheckBlockResult result = testStoredCheckBlock(*held, documentCheckBlock());
        if (result == CheckBlockResult::DecryptFailed) {
            showMessage(DocumentTexts::kPasswordInitError);
            return kKeyRefused;
        }
        if (result == CheckBlockResult::Accepted)
            return kKeyHeld;
        setDocumentKey(nullptr);
    }
    return enterPassword();
}

int CWalletDoc::enterPassword()
{
    CSmartPtr<CCryptUtil> key;
    {
        PasswordEntry entry;
        if (!ui.askPassword(PasswordMode::Enter, entry))
            return kKeyRefused;
        key = makePasswordKey(entry.first);
    }
    if (!key) {
        showMessage(DocumentTexts::kPasswordInitError);
        return kKeyRefused;
    }
    const CheckBlockResult result = testStoredCheckBlock(*key, documentCheckBlock());
    if (result == CheckBlockResult::DecryptFailed) {
        showMessage(DocumentTexts::kPasswordInitError);
        return kKeyRefused;
    }
    if (result == CheckBlockResult::Rejected) {
        countWrongPassword();
        return kKeyRefused;
    }
    setDocumentKey(key);
    wrongPasswordCount = 0;
    return kKeyHeld;
}

void CWalletDoc::countWrongPassword()
{
    showMessage(DocumentTexts::kPasswordIncorrect);
    if (options.lockoutEnabled() && ++wrongPasswordCount >= options.attempts() && options.attempts() != 0)
        lockOut();
}

void CWalletDoc::lockOut()
{
    options.startLockout(CKeldraOptions::currentTime());
    registry.saveSettings(options, ui);
    showMessage(DocumentTexts::kWalletBlocked);
    quit();
}

bool CWalletDoc::ensureKeyForEncryption()
{
    if (isUnlocked())
        return true;
    return hasPassword() ? obtainDocumentKey() == kKeyHeld : setPassword();
}

bool CWalletDoc::setPassword()
{
    CSmartPtr<CCryptUtil> key;
    {
        PasswordEntry entry;
        if (!ui.askPassword(PasswordMode::Set, entry))
            return false;
        if (entry.first != entry.second) {
            showMessage(DocumentTexts::kPasswordsDoNotMatch);
            return false;
        }
        key = makePasswordKey(entry.first);
        if (key && storage && !storage->stagePassword(entry.first))
            key = CSmartPtr<CCryptUtil>();
    }
    if (!key) {
        showMessage(DocumentTexts::kSetPasswordError);
        return false;
    }
    if (reKey(*key))
        return true;
    if (storage)
        storage->dropStagedPassword();
    return false;
}

bool CWalletDoc::changePassword()
{
    if (!hasPassword())
        return setPassword();
    CSmartPtr<CCryptUtil> oldKey, newKey;
    {
        PasswordEntry entry;
        if (!ui.askPassword(PasswordMode::Change, entry))
            return false;
        if (entry.second != entry.third) {
            showMessage(DocumentTexts::kRetypedDiffers);
            return false;
        }
        oldKey = makePasswordKey(entry.first);
        newKey = makePasswordKey(entry.second);
        if (oldKey && newKey && storage && !storage->stagePassword(entry.second))
            newKey = CSmartPtr<CCryptUtil>();
    }
    if (!oldKey || !newKey) {
        showMessage(DocumentTexts::kChangePasswordError);
        return false;
    }
    CSmartPtr<CCryptUtil> previous(documentKey());
    setDocumentKey(oldKey);
    if (reKey(*newKey))
        return true;
    setDocumentKey(previous);
    if (storage)
        storage->dropStagedPassword();
    return false;
}

bool CWalletDoc::reKey(CCryptUtil& newKey)
{
    if (!canEdit()) {
        showMessage(DocumentTexts::kRekeyInternalError);
        return false;
    }
    const bool hasEncrypted = hasEncryptedCategory(*root);
    if (hasPassword()) {
        const CCryptUtil* current = documentKey();
        const CheckBlockResult result =
            current ? testStoredCheckBlock(*current, documentCheckBlock()) : CheckBlockResult::DecryptFailed;
        if (result != CheckBlockResult::Accepted) {
            showMessage(result == CheckBlockResult::Rejected ? DocumentTexts::kRekeyOldPasswordWrong : DocumentTexts::kRekeyInternalError);
            return false;
        }
        if (!sealer->openAll(*root)) {
            showMessage(DocumentTexts::kReadError);
            return false;
        }
    } else if (hasEncrypted) {
        showMessage(DocumentTexts::kRekeyInternalError);
        quit();
        return false;
    }
    CSizedArray checkBlock;
    if (!makeStoredCheckBlock(newKey, checkBlock)) {
        showMessage(DocumentTexts::kRekeyInternalError);
        return false;
    }
    CSmartPtr<CCryptUtil> previous(documentKey());
    setDocumentKey(&newKey);
    if (!writeNewIndexBlock(checkBlock, hasEncrypted)) {
        setDocumentKey(previous);
        failEdit();
        showMessage(DocumentTexts::kRekeyInternalError);
        return false;
    }
    documentCheckBlock() = checkBlock;
    return true;
}

// A new index block (a placeholder root offset and the new check block) at
// the end of the file; with encrypted categories the whole tree follows, its
// cards sealed under the new key. The root offset is set in the new block,
// then the index pointer moved to it: until that last write the file is the
// old wallet, whole.
bool CWalletDoc::writeNewIndexBlock(CSizedArray& checkBlock, bool rewriteTree)
{
    std::uint32_t indexBlock = 0;
    if (!store->seekToEnd() || !store->getCurrentStreamPosition(indexBlock) || !write(*store, Serializable::kNoPosition) ||
        !(*store << checkBlock) || store->getError() != 0)
        return false;
    if (rewriteTree) {
        NodeTreeState::setRewriteMode(true);
        root->setWriteSubtree(true);
        bool written = root->save(*store) && patchSlot(*store, indexBlock, root->getPosition());
        root->setWriteSubtree(false);
        written = written && patchSlot(*store, indexPointerOffset, indexBlock);
        NodeTreeState::setRewriteMode(false);
        if (!written)
            return false;
        commitPositions(*root);
    } else if (!patchSlot(*store, indexBlock, root->getPosition()) || !patchSlot(*store, indexPointerOffset, indexBlock)) {
        return false;
    }
    rootPointerOffset = indexBlock;
    return true;
}

void CWalletDoc::lock()
{
    for (IDocumentObserver* observer : observers)
        observer->onLocking();
    if (!sealer->resealAll(*root)) {
        showMessage(DocumentTexts::kLockFailed);
        quit();
    }
    setDocumentKey(nullptr);
}
