// The launcher's per-user installation step: what a first start makes, and
// that nothing already there is ever changed.
#include "UserInstallation.h"

#include "model/Category.h"
#include "model/NodeTreeState.h"
#include "model/WalletDoc.h"
#include "platform/NativePath.h"
#include "settings/KeldraRegistry.h"
#include "support/RegistryScope.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

CString stringValue(const char* name)
{
    CKeldraRegistry registry;
    CString value;
    if (!registry.init() || registry.GetString(name, value) != 1)
        return "<absent>";
    return value;
}

class UserInstallationTest : public ::testing::Test {
protected:
    RegistryScope registry;
    TempDir home;
    InstallLayout layout{"/opt/keldra/libexec/keldra", "/opt/keldra/share/keldra"};
    ScriptedUserInterface ui;

    std::string documents() const { return home.file("Documents"); }
    std::string firstWallet() const { return documents() + "/My Wallet.wal"; }
};

TEST_F(UserInstallationTest, FirstStartMakesTheKeyAndAnEmptyWalletThatOpens)
{
    ASSERT_TRUE(prepareUserInstallation(layout, documents(), ui));
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(stringValue("home").str(), "\\opt\\keldra\\libexec\\keldra\\");
    EXPECT_EQ(stringValue("defaultWalletDir").str(), "\\opt\\keldra\\share\\keldra\\");
    EXPECT_EQ(stringValue("lastFile").str(), fromNativePath(firstWallet()).str());
    EXPECT_EQ(CAppRegistry::isInstalledProperly(CKeldraRegistry::make), 1);
    CKeldraRegistry settings;
    CKeldraOptions stored;
    ASSERT_TRUE(settings.init());
    ASSERT_EQ(settings.readOptions(&stored), 0);
    CKeldraOptions defaults;
    EXPECT_EQ(stored.attempts(), defaults.attempts());
    EXPECT_EQ(stored.lockoutMinutes(), defaults.lockoutMinutes());

    CKeldraOptions options;
    NodeTreeState::setUserInterface(&ui);
    CWalletDoc doc(ui, options, settings);
    ASSERT_TRUE(doc.openWalletFile(fromNativePath(firstWallet())));
    EXPECT_EQ(doc.getRoot().getName().str(), "My Wallet");
    NodeTreeState::setUserInterface(nullptr);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UserInstallationTest, AnInstalledKeyIsLeftAsItIs)
{
    ASSERT_TRUE(prepareUserInstallation(layout, documents(), ui));
    const std::string before = registry.readRoot("HKEY_LOCAL_MACHINE");
    std::filesystem::remove(firstWallet());

    InstallLayout moved{"/elsewhere/bin", "/elsewhere/share"};
    ASSERT_TRUE(prepareUserInstallation(moved, home.file("Other"), ui));
    EXPECT_EQ(registry.readRoot("HKEY_LOCAL_MACHINE"), before);
    EXPECT_FALSE(std::filesystem::exists(firstWallet()));
    EXPECT_FALSE(std::filesystem::exists(home.file("Other")));
}

TEST_F(UserInstallationTest, AHalfMadeKeyIsCompletedWithoutChangingWhatItHolds)
{
    registry.writeRoot("HKEY_LOCAL_MACHINE", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvex\\Keldra]\n"
                                             "\"home\"=\"\\\\mine\\\\\"\n");
    ASSERT_TRUE(prepareUserInstallation(layout, documents(), ui));
    EXPECT_EQ(stringValue("home").str(), "\\mine\\");
    EXPECT_EQ(stringValue("defaultWalletDir").str(), "\\opt\\keldra\\share\\keldra\\");
    EXPECT_EQ(CAppRegistry::isInstalledProperly(CKeldraRegistry::make), 1);
}

TEST_F(UserInstallationTest, AnExistingFileOfTheFirstWalletsNameIsNeverReplaced)
{
    std::filesystem::create_directories(documents());
    std::ofstream(firstWallet(), std::ios::binary) << "not a wallet, but the user's";
    ASSERT_TRUE(prepareUserInstallation(layout, documents(), ui));
    EXPECT_EQ(readFile(firstWallet()), "not a wallet, but the user's");
    EXPECT_EQ(stringValue("lastFile").str(), fromNativePath(firstWallet()).str());
}

TEST_F(UserInstallationTest, AFolderThatCannotBeWrittenIsReportedAndTheKeyStaysUsable)
{
    std::ofstream(home.file("Documents")) << "a file where the folder should be";
    EXPECT_FALSE(prepareUserInstallation(layout, documents(), ui));
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_EQ(CAppRegistry::isInstalledProperly(CKeldraRegistry::make), 1);
}

TEST(UserDocumentsFolder, FollowsTheUsersFolderSettings)
{
    TempDir home;
    EnvScope homeScope("HOME", home.path().string());
    EnvScope configScope("XDG_CONFIG_HOME", home.file("config"));
    EXPECT_EQ(userDocumentsFolder(), home.path().string()); // no settings, no ~/Documents

    std::filesystem::create_directories(home.file("Documents"));
    EXPECT_EQ(userDocumentsFolder(), home.file("Documents"));

    std::filesystem::create_directories(home.file("config"));
    const struct {
        const char* line;
        std::string expected;
    } cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Papiere\"", home.file("Papiere")},
        {"XDG_DOCUMENTS_DIR=\"/srv/docs/\"", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"relative\"", home.file("Documents")},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"", home.file("Documents")},
    };
    for (const auto& c : cases) {
        std::ofstream(home.file("config/user-dirs.dirs")) << "# written by xdg-user-dirs-update\n" << c.line << "\n";
        EXPECT_EQ(userDocumentsFolder(), c.expected) << c.line;
    }
}

} // namespace
