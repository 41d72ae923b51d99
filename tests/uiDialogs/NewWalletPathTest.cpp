#include "dialogs/NewWalletPath.h"

#include "platform/NativePath.h"
#include "platform/Registry.h"
#include "settings/KeldraRegistry.h"
#include "support/EnvScope.h"
#include "support/RegistryScope.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

namespace {

TEST(NewWalletPath, ANameWithoutExtensionGetsWalAndAnyOtherExtensionStays)
{
    const struct {
        const char* chosen;
        const char* completed;
    } cases[] = {
        {"C:\\Wallets\\Home", "C:\\Wallets\\Home.wal"},
        {"C:\\Wallets\\Home.", "C:\\Wallets\\Home.wal"},
        {"C:\\Wallets\\Home.wal", "C:\\Wallets\\Home.wal"},
        {"C:\\Wallets\\Home.txt", "C:\\Wallets\\Home.txt"},
        {"C:\\Wallets\\Home.tar.gz", "C:\\Wallets\\Home.tar.gz"},
        {"C:\\My.Wallets\\Home", "C:\\My.Wallets\\Home.wal"},
        {"C:\\My.Wallets\\Home.", "C:\\My.Wallets\\Home.wal"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(completeWalletExtension(c.chosen), c.completed) << c.chosen;
}

// The registry of one machine and the drive the plug-in's trace file goes to.
class NewWalletStartFolder : public ::testing::Test {
protected:
    void setString(HKEY root, const char* path, const char* name, const char* value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                 static_cast<DWORD>(std::strlen(value) + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void documentsFolder(const char* folder)
    {
        setString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal", folder);
    }

    RegistryScope registryScope;
    TempDir drive;
    EnvScope driveC{"KELDRA_DRIVE_C", drive.path().string()};
    CKeldraRegistry registry;
};

TEST_F(NewWalletStartFolder, FallsBackFromThePartnershipToTheDocumentsToTheProgramFolder)
{
    ASSERT_TRUE(registry.Create());
    EXPECT_EQ(newWalletStartFolder(registry), "c:\\") << "nothing installed";

    ASSERT_TRUE(registry.SetString("home", "C:\\Program Files\\Keldra\\"));
    EXPECT_EQ(newWalletStartFolder(registry), "C:\\Program Files\\Keldra\\");

    documentsFolder("C:\\Docs");
    EXPECT_EQ(newWalletStartFolder(registry), "C:\\Docs") << "no synchronisation partnership";

    setString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows CE Services\\Partners\\P1", "DisplayName", "Pocket");
    EXPECT_EQ(newWalletStartFolder(registry), "C:\\Docs\\Pocket My Documents\\");
}

class AskNewWalletPath : public ::testing::Test {
protected:
    AskNewWalletPath() { std::ofstream(drive.file("Old.wal")) << "x"; }

    std::optional<CString> ask()
    {
        return askNewWalletPath(ui, nullptr, "C:\\", [this](const QString& start) -> std::optional<QString> {
            starts.push_back(start);
            const std::optional<std::string> answer = answers.front();
            answers.pop_front();
            if (!answer)
                return std::nullopt;
            return QString::fromStdString(drive.file(*answer));
        });
    }

    TempDir drive;
    EnvScope driveC{"KELDRA_DRIVE_C", drive.path().string()};
    ScriptedUserInterface ui;
    std::deque<std::optional<std::string>> answers;
    std::vector<QString> starts;
};

TEST_F(AskNewWalletPath, ANewNameIsTakenAsItIsCompletedAndCancelEndsTheCommand)
{
    answers = {"Home"};
    EXPECT_EQ(ask(), CString("C:\\Home.wal"));
    EXPECT_EQ(starts, std::vector<QString>{QString::fromStdString(drive.path().string() + "/")});
    EXPECT_TRUE(ui.messages.empty());

    answers = {std::nullopt};
    EXPECT_EQ(ask(), std::nullopt);
}

TEST_F(AskNewWalletPath, AnExistingFileIsReplacedOnlyOnYesAndNoAsksAgain)
{
    // "Old" becomes "Old.wal", which exists.
    answers = {"Old", "Old.wal", "Other"};
    ui.messageAnswers = {IDNO, IDNO};
    EXPECT_EQ(ask(), CString("C:\\Other.wal"));
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, "File Exist. Overwrite?"));
    EXPECT_EQ(ui.messageTypes.front() & 0xF, MB_YESNO);
    EXPECT_EQ(starts.size(), 3u);

    answers = {"Old"};
    ui.messageAnswers = {IDYES};
    EXPECT_EQ(ask(), CString("C:\\Old.wal"));

    answers = {"Old", std::nullopt};
    ui.messageAnswers = {IDNO};
    EXPECT_EQ(ask(), std::nullopt);
}

} // namespace
