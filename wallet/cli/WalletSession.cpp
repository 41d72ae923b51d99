#include "WalletSession.h"

#include "NodePath.h"
#include "images/ImageLoader.h"
#include "model/Category.h"
#include "model/LibraryMessages.h"
#include "model/NodeTreeState.h"
#include "platform/NativePath.h"

#include <filesystem>
#include <iostream>
#include <memory>

WalletSession::WalletSession(const CommandLine& line) : terminal(line.passwords)
{
    if (line.has(kOptYes) || line.has(kOptNo))
        terminal.answerAll(line.has(kOptYes));
    NodeTreeState::setUserInterface(&terminal);
    routeLibraryMessages(&terminal);
}

WalletSession::~WalletSession()
{
    doc.reset();
    NodeTreeState::setIconIndex(nullptr);
    NodeTreeState::setUserInterface(nullptr);
    routeLibraryMessages(nullptr);
}

bool WalletSession::start()
{
    // Without the application key (or a readable options value) the
    // defaults hold and nothing is written.
    if (settingsRegistry.init() && settingsRegistry.readOptions(&options) == 1)
        options = CKeldraOptions();
    switch (options.lockoutStateAt(CKeldraOptions::currentTime())) {
    case LockoutState::Running:
        terminal.messageBox("Wallet is locked!", MB_OK | MB_ICONERROR);
        return false;
    case LockoutState::Expired:
        options.clearLockout();
        settingsRegistry.saveSettings(options, terminal);
        break;
    case LockoutState::None:
        break;
    }
    // Custom icon names must be known, or opening the wallet (which rewrites
    // it) would turn them into the missing icon.
    CString iconFolder;
    iconNames = std::make_unique<CIconNames>(settingsRegistry.isOpened() && settingsRegistry.getDefaultWalletDir(iconFolder)
                                                 ? customIconFiles(iconFolder)
                                                 : std::vector<CString>());
    NodeTreeState::setIconIndex(iconNames.get());
    // The document stores a lock-out in the settings, but the program's last
    // wallet stays as it is.
    doc = std::make_unique<CWalletDoc>(terminal, options, settingsRegistry);
    doc->setRemembersLastFile(false);
    return true;
}

bool WalletSession::create(const std::string& file, const CString& walletName, WalletFormat format)
{
    return doc->createWalletFile(walletPath(file), walletName, format);
}

bool WalletSession::open(const std::string& file) { return doc->openWalletFile(walletPath(file)); }

bool WalletSession::view(const std::string& file) { return doc->viewWalletFile(walletPath(file)); }

bool WalletSession::openCards(CCategory& category)
{
    return !category.hasSealedCards() || doc->openEncryptedCategory(category);
}

CNode* WalletSession::find(const std::string& path)
{
    std::string error;
    const auto steps = parseNodePath(path, error);
    if (!steps) {
        std::cerr << error << std::endl;
        return nullptr;
    }
    return find(*steps);
}

CNode* WalletSession::find(const std::vector<PathStep>& steps)
{
    if (!steps.empty()) {
        // The last step may name a card of a sealed category.
        const PathLookup parent = findNode(doc->getRoot(), std::vector<PathStep>(steps.begin(), steps.end() - 1));
        if (parent.node && parent.node->isCategory() && !openCards(static_cast<CCategory&>(*parent.node)))
            return nullptr;
    }
    const PathLookup found = findNode(doc->getRoot(), steps);
    if (!found.node)
        std::cerr << found.error << std::endl;
    return found.node;
}

CCategory* WalletSession::findCategory(const std::string& path)
{
    CNode* node = find(path);
    if (node && !node->isCategory()) {
        std::cerr << "\"" << nodePath(*node) << "\" is a card, not a category." << std::endl;
        return nullptr;
    }
    return static_cast<CCategory*>(node);
}

bool WalletSession::prepareTarget(CCategory& target, bool newNodesEncrypted)
{
    if ((target.isEncrypted() || newNodesEncrypted) && !doc->ensureKeyForEncryption())
        return false;
    return openCards(target);
}

CString walletPath(const std::string& file)
{
    std::error_code ignored;
    return fromNativePath(std::filesystem::absolute(file, ignored).lexically_normal().string());
}

bool holdsEncryption(const CNode& node)
{
    if (node.isCard())
        return false;
    const auto& category = static_cast<const CCategory&>(node);
    if (category.isEncrypted())
        return true;
    for (const auto& sub : category.getSubcategories()) {
        if (holdsEncryption(*sub))
            return true;
    }
    return false;
}

namespace {

bool fail(const char* message)
{
    std::cerr << message << std::endl;
    return false;
}

} // namespace

bool addNode(CWalletDoc& doc, CCategory& target, std::unique_ptr<CNode> node)
{
    node->setParent(&target);
    if (node->isCard())
        return doc.addCard(target, std::unique_ptr<CCard>(static_cast<CCard*>(node.release()))) || fail("Cant save the card");
    auto* category = static_cast<CCategory*>(node.get());
    // The new category brings its subtree: every record below it is written with it.
    category->setWriteSubtree(true);
    if (!doc.addCategory(target, std::unique_ptr<CCategory>(static_cast<CCategory*>(node.release())), true))
        return fail("Cant save the category");
    category->setWriteSubtree(false);
    return true;
}
