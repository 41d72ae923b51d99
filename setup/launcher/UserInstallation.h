// The per-user installation step. The Windows installer created the
// program's registry key for the machine; on Linux the registry is the
// user's own, so the launcher makes the key for each user before the first
// start: "home", "defaultWalletDir", the default settings and "lastFile",
// with a first, empty wallet. It never changes a value or a file that is
// already there.
#pragma once

#include <string>

class IUserInterface;

// Where the installed program lies (native paths).
struct InstallLayout {
    std::string programDir; // the folder of the program Wallet: "home"
    std::string dataDir;    // the folder with media/icons/Standart/: "defaultWalletDir"

    std::string program() const { return programDir + "/Wallet"; }
};

// The user's documents folder: XDG_DOCUMENTS_DIR of $XDG_CONFIG_HOME/user-dirs.dirs
// (~/.config), else ~/Documents when it exists, else the home folder.
std::string userDocumentsFolder();

// Completes the application key with whatever of it is missing and, when
// "lastFile" was missing, creates that wallet as a new empty one if no such
// file exists. Failures are told through `ui`; false when the key could not
// be made whole.
bool prepareUserInstallation(const InstallLayout& layout, const std::string& documentsFolder, IUserInterface& ui);
