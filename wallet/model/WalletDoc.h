// The open wallet: its node tree, its file and its password. Every edit goes
// through the document, which changes the tree, writes the change to the file
// at once and tells the observers with an update hint. Everything that needs
// the person (messages, the password dialog, the save-file chooser, the quit
// request) goes through the user interface given at construction.
#pragma once

#include "model/UpdateHint.h"
#include "model/WalletStorage.h"
#include "zenthoLib/Base/SmartPtr.h"
#include "platform/CString.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCard;
class CCategory;
class CCryptUtil;
class CFileInputStream;
class CFileOutputStream;
class CKeldraOptions;
class CKeldraRegistry;
class CNode;
class IUserInterface;
class SearchResult;
class CDocumentCardSealer;
class CSizedArray;
enum class FileSharing;

class CWalletDoc {
public:
    // What obtaining the document key gives.
    static constexpr int kKeyHeld = 1;    // the key is held, or the wallet has no password
    static constexpr int kKeyRefused = 3; // cancelled, wrong or failed

    // The settings are read when a wallet is opened and a password entered;
    // the registry records the last wallet and stores a lock-out. Both, and
    // the user interface, outlive the document.
    CWalletDoc(IUserInterface& ui, CKeldraOptions& options, CKeldraRegistry& registry);
    ~CWalletDoc();
    CWalletDoc(const CWalletDoc&) = delete;
    CWalletDoc& operator=(const CWalletDoc&) = delete;

    void addObserver(IDocumentObserver* observer);
    void removeObserver(IDocumentObserver* observer);

    // Whether opening or creating a wallet records it as the last one
    // ("lastFile"); on by default. Tools that work on a wallet beside the
    // program turn it off, and still store a lock-out.
    void setRemembersLastFile(bool remember) { remembersLastFile = remember; }

    // --- Tree and file --------------------------------------------------

    // The root category; a document without a file holds an empty "My Wallet".
    CCategory& getRoot() { return *root; }
    bool isFileOpen() const;
    // The path of the open wallet (Windows form); empty when none is open.
    const CString& getPathName() const { return pathName; }
    // The version the open wallet had on disk before it was rewritten.
    unsigned int getFileVersion() const { return fileVersion; }
    // Whether the storage of an edit failed since the wallet was opened.
    bool storageFailed() const { return storageFailure; }

    // Closes the file, deletes the tree and the search results, drops the
    // document key and the check block; the document then holds an empty
    // "My Wallet" and no file.
    void deleteContents();
    // A new wallet file with an empty root named `walletName`; hint 6. A
    // strong one asks for its password first (the wallet's password).
    bool createWalletFile(const CString& path, const CString& walletName, WalletFormat format = WalletFormat::Classic);
    // The format of the open wallet (classic when none is open).
    WalletFormat getFileFormat() const;
    // Writes the open wallet anew in `format` into a fresh file that
    // replaces it (temporary file, sync, rename), then reads it again; hint
    // 6. Into the strong format the wallet's password is asked for (a first
    // one is set when it has none), which becomes the strong file's password
    // too. On failure the file keeps its old format and the document closes.
    bool convertWalletFile(WalletFormat format);
    // Reads the wallet, rewrites it into a fresh file that replaces the old
    // one (upgrading versions 1 and 2), keeps it open for the edits; hint 6.
    bool openWalletFile(const CString& path);
    // Reads the wallet as openWalletFile does (the same tree, the same
    // refusals and messages, versions 1 and 2 seen as upgraded) but leaves
    // the file exactly as it is, so that read-only files, folders and media
    // serve as well. The file stays open under a lock shared with other
    // viewers until the contents are deleted: no editor opens it meanwhile,
    // and the document refuses every edit; hint 6.
    bool viewWalletFile(const CString& path);

    // --- Edits (false: the caller shows its own "Warning!..." message) ----

    // The card goes into `category`, sorted; hint 0. A category that is
    // encrypted must have its sealed cards opened first.
    bool addCard(CCategory& category, std::unique_ptr<CCard> card);
    // The category goes into `parent`, sorted; hint 3. `pasted` when it
    // comes with a subtree (paste, drag and drop).
    bool addCategory(CCategory& parent, std::unique_ptr<CCategory> category, bool pasted = false);
    // After the card was changed in place: re-sorts it and writes it and its
    // category anew; hint 2 with the category, the neighbour and the card.
    bool updateCard(CCard& card);
    // After the category was changed in place; `encryptionChanged` when the
    // encrypted flag changed, so that every card is written anew, sealed or
    // plain as the flag now says.
    bool updateCategory(CCategory& category, bool encryptionChanged = false);
    // Deletes the node (the category with its subtree); hint 1 or 4.
    bool deleteCard(CCard* card);
    bool deleteCategory(CCategory* category);
    // Adds a copy of the node (with its subtree) to `target`.
    bool pasteNode(CNode& node, CCategory& target);
    // The node of the tree with the identity `nodeId` (CNode::getNodeId);
    // null when no node of the tree has it (any more).
    CNode* findNode(std::uint32_t nodeId);
    // Opens the category's sealed cards (asking for the password when no key
    // is held); hint 7.
    bool openEncryptedCategory(CCategory& category);

    // --- Password -------------------------------------------------------

    bool hasPassword() const;
    bool isUnlocked() const;
    // kKeyHeld or kKeyRefused; asks for the password when no key is held.
    // Wrong entries count towards the lock-out of the settings.
    int obtainDocumentKey();
    // Before a node is created or made encrypted: makes sure a key is held,
    // setting a first password when the wallet has none. False when refused.
    bool ensureKeyForEncryption();
    // The first password of a wallet without one.
    bool setPassword();
    // The "Password ..." command: a first password, or a change of it.
    bool changePassword();
    // "Lock Wallet": seals the open cards and drops the key. When that
    // fails, the person is told and the application asked to quit.
    void lock();

    // --- Export and search ----------------------------------------------

    // The whole wallet as a text file chosen by the person.
    void exportWallet();
    // Opens the sealed cards of every encrypted category ("Unable to decrypt
    // data" on failure); hint 7 for each category opened.
    bool decryptAllCategories();
    // A new search over the whole tree, replacing the previous result set.
    // `decryptCategories` first opens every encrypted category (the key must
    // be held). "No matches found!" when nothing matched; false then and when
    // decrypting failed.
    bool search(const CString& text, bool includeHidden, bool caseSensitive, bool decryptCategories);
    // The result set of the last search, or null.
    SearchResult* getSearchResult() { return searchResult.get(); }

private:
    void resetTree();
    void notify(const UpdateHint& hint);
    void notifyWritten(CNode& node);
    bool canEdit() const;
    // Whether cards may go into the category: a plain one, or an encrypted
    // one whose sealed cards are open under the held key.
    bool readyForCards(CCategory& category);
    // Appends the card's record (sealed in an encrypted category).
    bool appendCard(CCategory& category, CCard& card);
    // Appends the node's record when `writeChild`, then points the slot of
    // the node in `parent` (the root pointer when none) at it.
    bool updateSlot(CCategory* parent, CNode& child, bool writeChild, int childIndex = -1);
    // Appends the node anew and points its slot at it; hint 2 or 5.
    bool writeNodeAndSlot(CNode& node);
    bool failEdit();
    // Puts back the card as the file holds it when its edit cannot be sealed.
    void restoreStoredCard(CCategory& category, CCard& card);

    using StorageMaker = std::function<std::unique_ptr<CWalletStorage>(const std::string& temporary)>;
    // Picks the storage by the file's header; a strong file asks for its
    // password here.
    bool openStorage(const CString& path, FileSharing sharing);
    bool createStrongStorage(const CString& path);
    // The wallet's password for a strong file: the one it has, checked, or
    // a first one set now.
    bool strongFilePassword(CString& password);
    // Writes the tree into a copy made by `makeCopy`, which takes the
    // wallet's place; the wallet is then read again and kept open.
    bool compactInto(const CString& path, const StorageMaker& makeCopy);
    bool readWallet(const CString& path, bool askPassword, bool keepKey);
    bool readWalletFrom(CFileInputStream& in, bool askPassword, bool keepKey);
    bool writeTemporaryCopy(const std::string& target, const StorageMaker& makeCopy, std::string& temporary,
                            std::unique_ptr<CWalletStorage>& copyStorage, std::unique_ptr<CFileOutputStream>& copy);
    bool replaceWallet(const std::string& target, const std::string& temporary, CFileOutputStream& copy);
    bool prepareUpgrade();
    bool openStore(const CString& path, bool truncate);
    void walletLoaded(const CString& path);

    int enterPassword();
    void countWrongPassword();
    void lockOut();
    bool reKey(CCryptUtil& newKey);
    bool writeNewIndexBlock(CSizedArray& checkBlock, bool rewriteTree);

    bool exportCategory(CFileOutputStream& out, CCategory& category);
    bool decryptForExport();

    void showMessage(const char* text);
    void quit();

    IUserInterface& ui;
    CKeldraOptions& options;
    CKeldraRegistry& registry;
    std::unique_ptr<CDocumentCardSealer> sealer;
    std::unique_ptr<CCategory> root;
    // Declared before the streams over it, so that it outlives them.
    std::unique_ptr<CWalletStorage> storage;
    std::unique_ptr<CFileOutputStream> store;
    // The file of a viewed wallet, held open for its lock.
    std::unique_ptr<CFileInputStream> viewed;
    std::unique_ptr<SearchResult> searchResult;
    // The key of the password a strong file was opened with, taken as the
    // document key when the inner wallet's check block accepts it.
    CSmartPtr<CCryptUtil> unlockingKey;
    std::vector<IDocumentObserver*> observers;
    CString pathName;
    std::uint32_t rootPointerOffset;
    std::uint32_t indexPointerOffset = 0;
    unsigned int fileVersion = 3;
    int wrongPasswordCount = 0;
    bool storageFailure = false;
    bool remembersLastFile = true;
};
