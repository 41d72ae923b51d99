#include "settings/KeldraRegistry.h"

#include "zenthoLib/Base/UserInterface.h"

namespace {

constexpr const char* kLastFileValue = "lastFile";
constexpr const char* kDefaultWalletDirValue = "defaultWalletDir";

} // namespace

int CKeldraRegistry::InitRegistryForEmulator()
{
    CKeldraOptions defaults;
    const bool optionsSaved = saveOptions(&defaults) == 0;
    const bool lastFileSet = SetString(kLastFileValue, "\\My Documents\\My Wallet.wal") == 1;
    const bool folderSet = SetString(kDefaultWalletDirValue, "\\My Documents\\") == 1;
    return optionsSaved && lastFileSet && folderSet;
}

bool CKeldraRegistry::getLastFile(CString& path) { return GetString(kLastFileValue, path) == 1; }

bool CKeldraRegistry::setLastFile(const CString& path) { return SetString(kLastFileValue, path) == 1; }

bool CKeldraRegistry::getDefaultWalletDir(CString& folder)
{
    if (GetString(kDefaultWalletDirValue, folder) != 1)
        return false;
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '\\')
        folder += '\\';
    return true;
}

bool CKeldraRegistry::saveSettings(CKeldraOptions& options, IUserInterface& ui)
{
    if (!init()) {
        ui.messageBox("Application is not installed properly!", MB_OK | MB_ICONWARNING);
        return false;
    }
    return saveOptions(&options) == 0;
}
