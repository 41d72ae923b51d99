// The two formats of the document's wallet file: picking the storage by the
// file's header, the strong file's password, and converting between them.
#include "model/WalletDoc.h"

#include "model/CheckBlock.h"
#include "model/CryptUtil.h"
#include "model/DocumentKey.h"
#include "model/DocumentTexts.h"
#include "model/FileOutputStream.h"
#include "model/StrongFile.h"
#include "platform/FileApi.h"
#include "platform/NativePath.h"
#include "platform/SecureWipe.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/UserInterface.h"

#include <memory>

namespace {

const char* strongOpenMessage(StrongOpenResult result)
{
    return result == StrongOpenResult::Damaged ? DocumentTexts::kDamaged : DocumentTexts::kCannotOpen;
}

} // namespace

WalletFormat CWalletDoc::getFileFormat() const { return storage ? storage->format() : WalletFormat::Classic; }

bool CWalletDoc::openStorage(const CString& path, FileSharing sharing)
{
    const std::string native = toNativePath(path);
    if (!CStrongFile::isStrongFile(native)) {
        storage = classicWalletStorage();
        return true;
    }
    bool readOnly = false;
    if (sharing == FileSharing::Exclusive && fileApi().isReadOnly(native, readOnly) && readOnly) {
        showMessage(DocumentTexts::kReadOnly);
        return false;
    }
    StrongOpenResult result = StrongOpenResult::CannotOpen;
    std::unique_ptr<CStrongFile> file = CStrongFile::openExisting(native, sharing, result);
    if (!file) {
        showMessage(strongOpenMessage(result));
        return false;
    }
    CSmartPtr<CCryptUtil> key;
    {
        PasswordEntry entry;
        if (!ui.askPassword(PasswordMode::Enter, entry))
            return false;
        result = file->unlock(entry.first);
        if (result == StrongOpenResult::Opened)
            key = makePasswordKey(entry.first);
    }
    if (result == StrongOpenResult::WrongPassword) {
        countWrongPassword();
        return false;
    }
    if (result != StrongOpenResult::Opened) {
        showMessage(strongOpenMessage(result));
        return false;
    }
    wrongPasswordCount = 0;
    unlockingKey = key;
    storage = strongWalletStorage(std::move(file));
    return true;
}

// A new strong file's password is the wallet's: the inner wallet gets its
// check block, and the key is held.
bool CWalletDoc::createStrongStorage(const CString& path)
{
    PasswordEntry entry;
    if (!ui.askPassword(PasswordMode::Set, entry))
        return false;
    if (entry.first != entry.second) {
        showMessage(DocumentTexts::kPasswordsDoNotMatch);
        return false;
    }
    CSmartPtr<CCryptUtil> key = makePasswordKey(entry.first);
    CSizedArray checkBlock;
    if (!key || !makeStoredCheckBlock(*key, checkBlock)) {
        showMessage(DocumentTexts::kSetPasswordError);
        return false;
    }
    std::unique_ptr<CStrongFile> file = CStrongFile::create(toNativePath(path), entry.first);
    if (!file) {
        showMessage(DocumentTexts::kCannotCreate);
        return false;
    }
    storage = strongWalletStorage(std::move(file));
    setDocumentKey(key);
    documentCheckBlock() = checkBlock;
    return true;
}

bool CWalletDoc::strongFilePassword(CString& password)
{
    if (!hasPassword()) {
        PasswordEntry entry;
        if (!ui.askPassword(PasswordMode::Set, entry))
            return false;
        if (entry.first != entry.second) {
            showMessage(DocumentTexts::kPasswordsDoNotMatch);
            return false;
        }
        CSmartPtr<CCryptUtil> key = makePasswordKey(entry.first);
        if (!key) {
            showMessage(DocumentTexts::kSetPasswordError);
            return false;
        }
        if (!reKey(*key))
            return false;
        password = entry.first;
        return true;
    }
    PasswordEntry entry;
    if (!ui.askPassword(PasswordMode::Enter, entry))
        return false;
    CSmartPtr<CCryptUtil> key = makePasswordKey(entry.first);
    const CheckBlockResult result = key ? testStoredCheckBlock(*key, documentCheckBlock()) : CheckBlockResult::DecryptFailed;
    if (result == CheckBlockResult::DecryptFailed) {
        showMessage(DocumentTexts::kPasswordInitError);
        return false;
    }
    if (result == CheckBlockResult::Rejected) {
        countWrongPassword();
        return false;
    }
    wrongPasswordCount = 0;
    setDocumentKey(key);
    password = entry.first;
    return true;
}

bool CWalletDoc::convertWalletFile(WalletFormat format)
{
    if (!canEdit())
        return false;
    if (getFileFormat() == format)
        return true;
    StorageMaker makeCopy = [](const std::string&) { return classicWalletStorage(); };
    if (format == WalletFormat::Strong) {
        CString password;
        if (!strongFilePassword(password))
            return false;
        // The copy the maker keeps is wiped with it.
        const std::shared_ptr<CString> kept(new CString(password), [](CString* text) {
            secureWipe(*text);
            delete text;
        });
        makeCopy = [kept](const std::string& temporary) -> std::unique_ptr<CWalletStorage> {
            std::unique_ptr<CStrongFile> file = CStrongFile::create(temporary, *kept);
            return file ? strongWalletStorage(std::move(file)) : nullptr;
        };
        secureWipe(password);
    }
    // The edits so far are all in the file; the copy is written from the tree.
    store.reset();
    const CString path = pathName;
    const bool converted = compactInto(path, makeCopy);
    makeCopy = nullptr;
    return converted;
}
