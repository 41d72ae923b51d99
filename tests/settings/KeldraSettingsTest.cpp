#include "settings/KeldraRegistry.h"
#include "support/RegistryScope.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> storedOptions()
{
    RegKey key;
    BYTE buffer[4096];
    DWORD size = sizeof buffer;
    if (key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvex\\Keldra", KEY_READ) || key.QueryValue(buffer, "options", &size))
        return {};
    return std::vector<BYTE>(buffer, buffer + size);
}

void storeOptions(std::vector<BYTE> bytes)
{
    RegKey key;
    ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvex\\Keldra"), ERROR_SUCCESS);
    ASSERT_EQ(key.SetValue(bytes.data(), static_cast<DWORD>(bytes.size()), "options"), ERROR_SUCCESS);
}

class KeldraSettings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(registry.Create(), 1); }

    RegistryScope scope;
    CKeldraRegistry registry;
};

TEST_F(KeldraSettings, DefaultSettingsHaveTheirStoredLayout)
{
    CKeldraOptions options;
    ASSERT_EQ(registry.saveOptions(&options), 0);
    EXPECT_EQ(storedOptions(), (std::vector<BYTE>{0x40, 0, 0, 0,   // base flags: first run
                                                  1, 0, 0, 0,      // inactivity minutes
                                                  3, 0, 0, 0,      // attempts
                                                  10, 0, 0, 0,     // lock-out minutes
                                                  0, 0, 0, 0,      // locked until
                                                  0x4C, 0, 0, 0})); // lock-out enabled, inactivity locks, first run
    options.setFirstRun(0);
    ASSERT_EQ(registry.saveOptions(&options), 0);
    EXPECT_EQ(storedOptions().front(), 0x00);
    EXPECT_EQ(storedOptions().back(), 0);
    EXPECT_EQ(storedOptions()[20], 0x0C);
}

TEST_F(KeldraSettings, EverySettingReadsBackUnchanged)
{
    CKeldraOptions options;
    options.setFirstRun(0);
    options.setPromptOnOpen(true);
    options.setInactivityEnabled(true);
    options.setInactivityCloses(true);
    options.setInactivityMinutes(999);
    options.setLockoutEnabled(false);
    options.setAttempts(7);
    options.setLockoutMinutes(45);
    options.startLockout(1000000000 - 45 * 60);
    ASSERT_EQ(options.lockedUntil(), 1000000000u);
    ASSERT_EQ(registry.saveOptions(&options), 0);
    EXPECT_EQ(storedOptions()[20], 0x01 | 0x02 | 0x10 | 0x20);

    CKeldraOptions back;
    ASSERT_EQ(registry.readOptions(&back), 0);
    EXPECT_FALSE(back.isFirstRun());
    EXPECT_TRUE(back.promptOnOpen());
    EXPECT_TRUE(back.inactivityEnabled());
    EXPECT_TRUE(back.inactivityCloses());
    EXPECT_FALSE(back.inactivityLocks());
    EXPECT_EQ(back.inactivityMinutes(), 999);
    EXPECT_FALSE(back.lockoutEnabled());
    EXPECT_EQ(back.attempts(), 7);
    EXPECT_EQ(back.lockoutMinutes(), 45);
    EXPECT_TRUE(back.isLockedOut());
    EXPECT_EQ(back.lockedUntil(), 1000000000u);
}

TEST_F(KeldraSettings, ShortValuesLeaveTheSettingsAsTheyWere)
{
    const std::vector<BYTE> blobs[] = {
        {0x00, 0, 0, 0},                          // only the base part
        {0x00, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0}, // cut inside the wallet's part
    };
    for (const auto& blob : blobs) {
        storeOptions(blob);
        CKeldraOptions options;
        EXPECT_EQ(registry.readOptions(&options), 2) << blob.size();
        EXPECT_EQ(options.inactivityMinutes(), 1);
        EXPECT_EQ(options.attempts(), 3);
        EXPECT_EQ(options.lockoutMinutes(), 10);
        EXPECT_TRUE(options.lockoutEnabled());
        EXPECT_TRUE(options.inactivityLocks());
    }
}

TEST_F(KeldraSettings, LockoutRunsForItsMinutesThenExpires)
{
    CKeldraOptions options;
    const DWORD now = 1700000000;
    EXPECT_EQ(options.lockoutStateAt(now), LockoutState::None);
    options.startLockout(now);
    EXPECT_EQ(options.lockedUntil(), now + 600);
    EXPECT_EQ(options.lockoutStateAt(now + 599), LockoutState::Running);
    EXPECT_EQ(options.lockoutStateAt(now + 600), LockoutState::Expired);
    options.clearLockout();
    EXPECT_EQ(options.lockoutStateAt(now), LockoutState::None);
    options.startLockout(0xFFFFFF00u);
    EXPECT_EQ(options.lockedUntil(), 0xFFFFFFFFu) << "the end does not wrap round into the past";
    EXPECT_EQ(options.lockoutStateAt(0xFFFFFF00u), LockoutState::Running);
}

TEST_F(KeldraSettings, FreshKeyGetsTheFirstValues)
{
    EXPECT_EQ(CAppRegistry::isInstalledProperly(&CKeldraRegistry::make), 0);
    EXPECT_EQ(registry.InitRegistryForEmulator(), 1);
    EXPECT_EQ(CAppRegistry::isInstalledProperly(&CKeldraRegistry::make), 1);
    CString text;
    EXPECT_TRUE(registry.getLastFile(text));
    EXPECT_EQ(text, CString("\\My Documents\\My Wallet.wal"));
    EXPECT_TRUE(registry.getDefaultWalletDir(text));
    EXPECT_EQ(text, CString("\\My Documents\\"));
    CKeldraOptions options;
    options.setFirstRun(0);
    EXPECT_EQ(registry.readOptions(&options), 0);
    EXPECT_TRUE(options.isFirstRun());
}

TEST_F(KeldraSettings, DefaultWalletFolderEndsWithABackslash)
{
    CString folder = "unchanged";
    EXPECT_FALSE(registry.getDefaultWalletDir(folder));
    EXPECT_EQ(folder, CString("unchanged"));
    const struct {
        const char* stored;
        const char* folder;
    } cases[] = {
        {"C:\\Wallet", "C:\\Wallet\\"},
        {"C:\\Wallet\\", "C:\\Wallet\\"},
        {"", "\\"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(registry.SetString("defaultWalletDir", c.stored), 1);
        EXPECT_TRUE(registry.getDefaultWalletDir(folder));
        EXPECT_EQ(folder, CString(c.folder)) << c.stored;
    }
}

TEST_F(KeldraSettings, LastFileIsKeptInTheRegistry)
{
    CString path = "unchanged";
    EXPECT_FALSE(registry.getLastFile(path));
    EXPECT_EQ(path, CString("unchanged"));
    EXPECT_TRUE(registry.setLastFile("C:\\Wallets\\Home.wal"));
    CKeldraRegistry other;
    ASSERT_EQ(other.init(), 1);
    EXPECT_TRUE(other.getLastFile(path));
    EXPECT_EQ(path, CString("C:\\Wallets\\Home.wal"));
}

TEST(KeldraSettingsSave, MissingKeyIsReportedAndNothingIsWritten)
{
    RegistryScope scope;
    CKeldraRegistry registry;
    CKeldraOptions options;
    ScriptedUserInterface ui;
    EXPECT_FALSE(registry.saveSettings(options, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Application is not installed properly!"});
    EXPECT_TRUE(std::filesystem::is_empty(scope.dir().path()));

    ASSERT_EQ(registry.Create(), 1);
    options.setAttempts(5);
    EXPECT_TRUE(registry.saveSettings(options, ui));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(storedOptions()[8], 5);
}

} // namespace
