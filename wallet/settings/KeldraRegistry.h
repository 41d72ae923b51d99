// The wallet's registry object: its options record and the string values of
// HKEY_LOCAL_MACHINE "SOFTWARE\Quorvex\Keldra" ("options", "home",
// "lastFile", "defaultWalletDir").
#pragma once

#include "settings/KeldraOptions.h"
#include "zenthoLib/Base/AppRegistry.h"

class IUserInterface;

class CKeldraRegistry : public CAppRegistry {
public:
    // For CAppRegistry::isInstalledProperly.
    static CAppRegistry* make() { return new CKeldraRegistry; }

    void createOptions(CSmartPtr<CAppOptions>& out) override { out = new CKeldraOptions; }
    const char* getKeyPath() override { return "SOFTWARE\\Quorvex\\Keldra"; }
    const char* getOptionsValueName() override { return "options"; }
    const char* getProgramDirValueName() override { return "home"; }
    // Stores the default settings, "lastFile" and "defaultWalletDir"; 1 when all three were written.
    int InitRegistryForEmulator() override;

    // The path of the last wallet; false when there is none.
    bool getLastFile(CString& path);
    bool setLastFile(const CString& path);
    // The folder below which the icon folders lie, ending with a backslash; false when not set.
    bool getDefaultWalletDir(CString& folder);

    // Opens the key afresh and writes the settings. When the key cannot be
    // opened, tells the person "Application is not installed properly!" and
    // the settings stay in memory only. True when they were written.
    bool saveSettings(CKeldraOptions& options, IUserInterface& ui);
};
