// One run of the tool over one wallet: the terminal user interface, the
// program's settings as the registry holds them, the icon names and the
// document.
//
// The tool records no last wallet ("lastFile" is the program's); the
// document stores a lock-out in the settings like the program does.
#pragma once

#include "CommandLine.h"
#include "NodePath.h"
#include "TerminalUserInterface.h"
#include "images/IconNames.h"
#include "model/WalletDoc.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"

#include <memory>
#include <optional>
#include <string>

class CCategory;
class CNode;

class WalletSession {
public:
    explicit WalletSession(const CommandLine& line);
    ~WalletSession();
    WalletSession(const WalletSession&) = delete;
    WalletSession& operator=(const WalletSession&) = delete;

    // Reads the settings; false after "Wallet is locked!" while a lock-out runs.
    bool start();
    bool create(const std::string& file, const CString& walletName, WalletFormat format);
    // Opens the wallet as the program does: it is compacted, and edits go to it.
    bool open(const std::string& file);
    // Reads the wallet for a command that only looks: the file is left as it is.
    bool view(const std::string& file);

    CWalletDoc& document() { return *doc; }
    TerminalUserInterface& ui() { return terminal; }
    const CKeldraOptions& settings() const { return options; }

    // The node a path names, opening the sealed cards of the category in
    // which it is looked for; null after telling why.
    CNode* find(const std::string& path);
    CNode* find(const std::vector<PathStep>& steps);
    CCategory* findCategory(const std::string& path);
    // Makes an encrypted category's cards available (asking for the password).
    bool openCards(CCategory& category);
    // Before nodes are put into `target`: a key when the target or the new
    // nodes are encrypted, and the target's sealed cards opened.
    bool prepareTarget(CCategory& target, bool newNodesEncrypted);

private:
    TerminalUserInterface terminal;
    CKeldraRegistry settingsRegistry;
    CKeldraOptions options;
    std::unique_ptr<CIconNames> iconNames;
    std::unique_ptr<CWalletDoc> doc;
};

// A path given on the command line in the Windows form the document takes.
CString walletPath(const std::string& file);
// Whether the node or anything below it is an encrypted category.
bool holdsEncryption(const CNode& node);
// Adds the node (a category with its whole subtree) to `target` through the
// document; false after "Cant save the card" or "Cant save the category".
bool addNode(CWalletDoc& doc, CCategory& target, std::unique_ptr<CNode> node);
