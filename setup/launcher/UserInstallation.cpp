#include "UserInstallation.h"

#include "model/NodeTreeState.h"
#include "zenthoLib/Base/UserInterface.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "settings/KeldraOptions.h"
#include "settings/KeldraRegistry.h"
#include "zenthoLib/Base/RegKey.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr const char* kFirstWalletName = "My Wallet";

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The value of `key` in a user-dirs.dirs text: XDG_DOCUMENTS_DIR="$HOME/Documents".
std::string userDirsEntry(std::istream& in, const std::string& key, const std::string& home)
{
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size() + 2, key + "=\"") != 0 || line.back() != '"')
            continue;
        std::string value = line.substr(key.size() + 2, line.size() - key.size() - 3);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        return value.empty() || value[0] != '/' ? std::string() : value;
    }
    return {};
}

bool valueExists(RegKey& key, const char* name)
{
    unsigned char probe[1];
    DWORD size = 0;
    const LONG result = key.QueryValue(probe, name, &size);
    return result == ERROR_SUCCESS || result == ERROR_MORE_DATA;
}

std::string withoutTrailingSlash(const std::string& path)
{
    return path.size() > 1 && path.back() == '/' ? path.substr(0, path.size() - 1) : path;
}

bool createFirstWallet(const std::string& nativePath, CKeldraRegistry& registry, IUserInterface& ui)
{
    std::error_code ignored;
    if (std::filesystem::exists(nativePath, ignored))
        return true;
    makeNativeDirectories(std::filesystem::path(nativePath).parent_path().string());
    CKeldraOptions options;
    NodeTreeState::setUserInterface(&ui);
    bool created = false;
    {
        CWalletDoc doc(ui, options, registry);
        created = doc.createWalletFile(fromNativePath(nativePath), kFirstWalletName);
    }
    NodeTreeState::setUserInterface(nullptr);
    return created;
}

} // namespace

std::string userDocumentsFolder()
{
    const std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/')
        config = home + "/.config";
    std::ifstream dirs(config + "/user-dirs.dirs");
    if (const std::string configured = userDirsEntry(dirs, "XDG_DOCUMENTS_DIR", home); !configured.empty())
        return withoutTrailingSlash(configured);
    std::error_code ignored;
    if (std::filesystem::is_directory(home + "/Documents", ignored))
        return home + "/Documents";
    return home;
}

bool prepareUserInstallation(const InstallLayout& layout, const std::string& documentsFolder, IUserInterface& ui)
{
    CKeldraRegistry registry;
    RegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, registry.getKeyPath()) != ERROR_SUCCESS || !registry.init()) {
        ui.messageBox("Cannot create the settings of Keldra in the registry.", MB_OK | MB_ICONERROR);
        return false;
    }

    bool whole = true;
    const auto setString = [&](const char* name, const std::string& nativePath, bool folder) {
        if (valueExists(key, name))
            return false;
        CString value = fromNativePath(withoutTrailingSlash(nativePath));
        if (folder && !value.IsEmpty() && value[value.GetLength() - 1] != '\\')
            value += "\\";
        whole = key.SetValue(value.GetString(), name) == ERROR_SUCCESS && whole;
        return true;
    };
    setString(registry.getProgramDirValueName(), layout.programDir, true);
    setString("defaultWalletDir", layout.dataDir, true);
    if (!valueExists(key, registry.getOptionsValueName())) {
        CKeldraOptions defaults;
        whole = registry.saveOptions(&defaults) == 0 && whole;
    }
    const std::string firstWallet = withoutTrailingSlash(documentsFolder) + "/" + kFirstWalletName + ".wal";
    if (setString("lastFile", firstWallet, false) && whole)
        whole = createFirstWallet(firstWallet, registry, ui);
    if (!whole)
        ui.messageBox("Cannot complete the settings of Keldra in the registry.", MB_OK | MB_ICONERROR);
    return whole;
}
