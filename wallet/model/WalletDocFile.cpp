// The document's wallet file: creating it, reading it, and the rewrite into
// a fresh file that every open makes (which also upgrades older versions).
#include "model/WalletDoc.h"

#include "model/CardListReader.h"
#include "model/CheckBlock.h"
#include "model/CryptUtil.h"
#include "model/Category.h"
#include "model/DocumentCardSealer.h"
#include "model/DocumentKey.h"
#include "model/DocumentTexts.h"
#include "model/FileInputStream.h"
#include "model/FileOutputStream.h"
#include "model/NodeFactory.h"
#include "model/NodeTreeState.h"
#include "model/TreeDisposal.h"
#include "model/WalletFile.h"
#include "images/IconNames.h"
#include "platform/FileApi.h"
#include "platform/FileReplace.h"
#include "platform/NativePath.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/SizedArray.h"
#include "zenthoLib/Base/UserInterface.h"

#include <utility>

namespace {

constexpr const char* kTemporaryPrefix = "wall";

bool isReadOnlyPath(const CString& path)
{
    bool readOnly = false;
    return fileApi().isReadOnly(toNativePath(path), readOnly) && readOnly;
}

const char* headerMessage(WalletHeaderResult result)
{
    switch (result) {
    case WalletHeaderResult::InvalidFormat:
        return DocumentTexts::kInvalidFormat;
    case WalletHeaderResult::NewerVersion:
        return DocumentTexts::kNewerVersion;
    default:
        return DocumentTexts::kCannotOpen;
    }
}

} // namespace

bool CWalletDoc::openStore(const CString& path, bool truncate)
{
    store = std::make_unique<CFileOutputStream>(storage->files());
    if (store->open(path, truncate))
        return true;
    store.reset();
    return false;
}

void CWalletDoc::walletLoaded(const CString& path)
{
    pathName = path;
    root->setIconIndex(IconNames::kWalletIndex);
    if (remembersLastFile)
        registry.setLastFile(path);
    notify({UpdateHint::TreeLoaded});
}

bool CWalletDoc::createWalletFile(const CString& path, const CString& walletName, WalletFormat format)
{
    deleteContents();
    if (isReadOnlyPath(path)) {
        showMessage(DocumentTexts::kReadOnly);
        return false;
    }
    if (format == WalletFormat::Classic)
        storage = classicWalletStorage();
    else if (!createStrongStorage(path)) {
        deleteContents();
        return false;
    }
    WalletPointers pointers;
    root = std::make_unique<CCategory>(walletName, kNewWalletRootIcon, 0, false);
    if (!openStore(path, true) || !writeWalletHeader(*store, documentCheckBlock(), pointers) || !store->seekToEnd() ||
        !root->save(*store) || !patchSlot(*store, pointers.rootPointerOffset, root->getPosition())) {
        deleteContents();
        showMessage(DocumentTexts::kCannotCreate);
        return false;
    }
    rootPointerOffset = pointers.rootPointerOffset;
    indexPointerOffset = pointers.indexPointerOffset;
    fileVersion = kWalletFileVersion;
    walletLoaded(path);
    return true;
}

bool CWalletDoc::readWallet(const CString& path, bool askPassword, bool keepKey)
{
    CFileInputStream in(storage->files());
    if (!in.open(path)) {
        showMessage(DocumentTexts::kCannotOpen);
        return false;
    }
    bool readOnly = false;
    if (!in.isReadOnly(readOnly) || readOnly) {
        showMessage(readOnly ? DocumentTexts::kReadOnly : DocumentTexts::kCannotOpen);
        return false;
    }
    return readWalletFrom(in, askPassword, keepKey) && in.close();
}

bool CWalletDoc::readWalletFrom(CFileInputStream& in, bool askPassword, bool keepKey)
{
    documentCheckBlock().done();
    if (!keepKey)
        setDocumentKey(nullptr);
    WalletHeader header;
    if (const WalletHeaderResult result = readWalletHeader(in, header, documentCheckBlock()); result != WalletHeaderResult::Read) {
        showMessage(headerMessage(result));
        return false;
    }
    if (unlockingKey) {
        if (testStoredCheckBlock(*unlockingKey, documentCheckBlock()) == CheckBlockResult::Accepted)
            setDocumentKey(unlockingKey);
        unlockingKey = CSmartPtr<CCryptUtil>();
    }
    fileVersion = header.fileVersion;
    rootPointerOffset = header.pointers.rootPointerOffset;
    indexPointerOffset = header.pointers.indexPointerOffset;
    if (askPassword && documentCheckBlock().getSize() != 0 && obtainDocumentKey() != kKeyHeld)
        return false;
    std::unique_ptr<CNode> node;
    CCardListReader cardLists;
    bool read = false;
    {
        const CCardListReader::Scope deferring(cardLists);
        read = in.setCurrentPosition(header.rootOffset) && readNode(in, node, fileVersion) && node->isCategory();
    }
    read = read && cardLists.readAll(in);
    if (!read) {
        resetTree();
        showMessage(DocumentTexts::kCannotOpen);
        return false;
    }
    root.reset(static_cast<CCategory*>(node.release()));
    return true;
}

// Sealed records of versions 1 and 2 hold the card layout of their version;
// they are opened here so that the rewrite seals them in today's layout.
bool CWalletDoc::prepareUpgrade()
{
    if (fileVersion >= kWalletFileVersion || !hasEncryptedCategory(*root))
        return true;
    showMessage(DocumentTexts::kUpgradeNeedsPassword);
    if (obtainDocumentKey() != kKeyHeld)
        return false;
    if (!sealer->openAll(*root)) {
        showMessage(DocumentTexts::kReadError);
        return false;
    }
    return true;
}

// The whole tree goes into a temporary file beside the wallet (left open and
// not yet synced), which then takes the wallet's place in one step
// (replaceWallet): at every moment the wallet's name holds either the old
// file or the new one, whole.
bool CWalletDoc::writeTemporaryCopy(const std::string& target, const StorageMaker& makeCopy, std::string& temporary,
                                    std::unique_ptr<CWalletStorage>& copyStorage, std::unique_ptr<CFileOutputStream>& copy)
{
    if (!createTemporaryFileBeside(target, kTemporaryPrefix, temporary)) {
        showMessage(DocumentTexts::kCannotOpen);
        return false;
    }
    copyStorage = makeCopy(temporary);
    bool written = false;
    if (copyStorage) {
        copy = std::make_unique<CFileOutputStream>(copyStorage->files());
        written = copy->open(fromNativePath(temporary), false);
    }
    if (written) {
        copy->writeBehind();
        WalletPointers pointers;
        NodeTreeState::setRewriteMode(true);
        written = writeWholeWallet(*copy, *root, documentCheckBlock(), pointers);
        NodeTreeState::setRewriteMode(false);
    }
    if (!written) {
        copy.reset();
        copyStorage.reset();
        fileApi().remove(temporary);
        showMessage(DocumentTexts::kCannotOpen);
    }
    return written;
}

// Closing the copy syncs it; only then does it take the wallet's name.
bool CWalletDoc::replaceWallet(const std::string& target, const std::string& temporary, CFileOutputStream& copy)
{
    if (copy.close() && replaceFileWith(target, temporary))
        return true;
    fileApi().remove(temporary);
    showMessage(DocumentTexts::kCannotOpen);
    return false;
}

bool CWalletDoc::openWalletFile(const CString& path)
{
    deleteContents();
    if (!openStorage(path, FileSharing::Exclusive) || !readWallet(path, options.promptOnOpen(), false) || !prepareUpgrade()) {
        deleteContents();
        return false;
    }
    return compactInto(path, [this](const std::string& temporary) { return storage->copyInto(temporary); });
}

bool CWalletDoc::compactInto(const CString& path, const StorageMaker& makeCopy)
{
    const std::string target = toNativePath(path);
    std::string temporary;
    std::unique_ptr<CWalletStorage> copyStorage;
    std::unique_ptr<CFileOutputStream> copy;
    if (!writeTemporaryCopy(target, makeCopy, temporary, copyStorage, copy)) {
        deleteContents();
        return false;
    }
    const unsigned int versionOnDisk = fileVersion;
    bool replaced = false;
    {
        // The tree just written is freed on a second thread while the copy
        // is synced and put in place (the read after that has both cores).
        const std::jthread freeing = disposeOf(std::exchange(root, nullptr));
        resetTree();
        replaced = replaceWallet(target, temporary, *copy);
    }
    copy.reset();
    storage = std::move(copyStorage);
    if (!replaced || !readWallet(path, false, true)) {
        deleteContents();
        return false;
    }
    if (!openStore(path, false)) {
        showMessage(DocumentTexts::kCannotOpen);
        deleteContents();
        return false;
    }
    fileVersion = versionOnDisk;
    walletLoaded(path);
    return true;
}

// Sealed records of versions 1 and 2 stay in their version's layout here:
// their category reads them in that layout when they are opened, so the
// view needs no password to upgrade them.
bool CWalletDoc::viewWalletFile(const CString& path)
{
    deleteContents();
    if (!openStorage(path, FileSharing::Readers)) {
        deleteContents();
        return false;
    }
    viewed = std::make_unique<CFileInputStream>(storage->files());
    if (!viewed->open(path, FileSharing::Readers)) {
        showMessage(DocumentTexts::kCannotOpen);
        deleteContents();
        return false;
    }
    if (!readWalletFrom(*viewed, options.promptOnOpen(), false)) {
        deleteContents();
        return false;
    }
    walletLoaded(path);
    return true;
}
