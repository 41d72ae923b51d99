#include "FrameFixture.h"

#include "app/AppDialogs.h"
#include "app/WalletApp.h"
#include "zenthoLib/Base/RegKey.h"
#include "support/EnvScope.h"
#include "frame/CommandIds.h"
#include "model/StrongKeys.h"

#include <sodium.h>

#include <fstream>

#include <filesystem>

namespace {

// Answers the application's dialogs from a script; an empty queue is Cancel.
class ScriptedAppDialogs : public IAppDialogs {
public:
    std::deque<QString> filesToOpen;
    std::deque<QString> newFiles;
    std::vector<QString> newFileFolders;
    bool opensExisting = true;
    // The New command's format box, as the person leaves it.
    bool newFileStrong = false;
    int missingLastFilePrompts = 0;
    std::vector<QString> aboutLinks;

    std::optional<QString> chooseWalletToOpen(QWidget*) override { return take(filesToOpen); }
    bool opensExistingForMissingLastFile(QWidget*) override
    {
        ++missingLastFilePrompts;
        return opensExisting;
    }
    std::optional<QString> chooseNewWalletFile(QWidget*, const QString& startFolder, bool& strong) override
    {
        newFileFolders.push_back(startFolder);
        strong = newFileStrong;
        return take(newFiles);
    }
    void printSetup(QWidget*, QPrinter&) override {}
    void showAbout(QWidget*, const QString& link) override { aboutLinks.push_back(link); }

private:
    static std::optional<QString> take(std::deque<QString>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        QString value = queue.front();
        queue.pop_front();
        return value;
    }
};

const char* const kAppKey = "SOFTWARE\\Quorvex\\Keldra";

class WalletAppTest : public CatalogueTest {
protected:
    // The application key as the installer leaves it.
    void install(const CString& lastFile = CString(), CKeldraOptions options = CKeldraOptions())
    {
        CKeldraRegistry registry;
        ASSERT_EQ(registry.Create(), 1);
        ASSERT_EQ(registry.saveOptions(&options), 0);
        ASSERT_EQ(registry.SetString("defaultWalletDir", baseDir()), 1);
        ASSERT_EQ(registry.SetString("home", fromNativePath(base.path().string())), 1);
        if (!lastFile.IsEmpty()) {
            ASSERT_EQ(registry.SetString("lastFile", lastFile), 1);
        }
    }
    void setKeyValue(const char* name, const char* text)
    {
        RegKey key;
        ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kAppKey), ERROR_SUCCESS);
        ASSERT_EQ(key.SetValue(text, name), ERROR_SUCCESS);
    }
    bool start()
    {
        app = std::make_unique<CWalletApp>(ui, appDialogs, choosers, sound, &frameDialogs);
        return app->initInstance();
    }
    std::string nativeFile(const char* name) const { return base.file(name); }
    CString walletFile(const char* name) const { return fromNativePath(base.file(name)); }
    // A wallet made beside the program, with one category.
    void makeWallet(const char* name)
    {
        CKeldraOptions options;
        CKeldraRegistry registry;
        ScriptedUserInterface quiet;
        CWalletDoc doc(quiet, options, registry);
        ASSERT_TRUE(doc.createWalletFile(walletFile(name), "Made"));
        ASSERT_TRUE(doc.addCategory(doc.getRoot(), std::make_unique<CCategory>("Bank", 1, 0, false)));
    }

    RegistryScope registryScope;
    EnvScope drive{"KELDRA_DRIVE_C", base.file("drive_c")};
    ScriptedAppDialogs appDialogs;
    ScriptedChoosers choosers;
    SilentSound sound;
    ScriptedFrameDialogs frameDialogs;
    std::unique_ptr<CWalletApp> app;
};

} // namespace

TEST_F(WalletAppTest, StartUpStopsWithItsMessage)
{
    // No application key: the program does not make one.
    EXPECT_FALSE(start());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Application is not installed properly!"});
    EXPECT_EQ(app->mainFrame(), nullptr);

    // A lock-out that is still running.
    CKeldraOptions locked;
    locked.startLockout(CKeldraOptions::currentTime());
    install(CString(), locked);
    ui.messages.clear();
    EXPECT_FALSE(start());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Wallet is locked!"});

    // No icon folders below "defaultWalletDir".
    install();
    setKeyValue("defaultWalletDir", "c:\\nowhere\\");
    ui.messages.clear();
    EXPECT_FALSE(start());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back(), "Cannot read Wallet Images");
}

TEST_F(WalletAppTest, AnEndedLockoutIsClearedAndShortOptionsAreRepaired)
{
    CKeldraOptions expired;
    expired.startLockout(CKeldraOptions::currentTime() - 3600);
    install(CString(), expired);
    ASSERT_TRUE(start());
    EXPECT_FALSE(app->options().isLockedOut());
    CKeldraRegistry registry;
    ASSERT_EQ(registry.init(), 1);
    CKeldraOptions stored;
    ASSERT_EQ(registry.readOptions(&stored), 0);
    EXPECT_FALSE(stored.isLockedOut());
    app.reset();

    // An options value that holds only the base part gets the defaults.
    RegKey key;
    ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kAppKey), ERROR_SUCCESS);
    BYTE basePart[] = {0, 0, 0, 0};
    ASSERT_EQ(key.SetValue(basePart, sizeof basePart, "options"), ERROR_SUCCESS);
    ASSERT_TRUE(start());
    EXPECT_EQ(registry.readOptions(&stored), 0);
    EXPECT_EQ(stored.attempts(), 3);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WalletAppTest, WithoutALastWalletTheWindowStartsEmpty)
{
    install();
    ASSERT_TRUE(start());
    ASSERT_NE(app->mainFrame(), nullptr);
    EXPECT_TRUE(app->mainFrame()->isVisible());
    EXPECT_FALSE(app->document()->isFileOpen());
    EXPECT_TRUE(ui.passwordModes.empty());
    EXPECT_EQ(appDialogs.missingLastFilePrompts, 0);
    EXPECT_EQ(app->mainFrame()->windowTitle(), "Keldra");
}

TEST_F(WalletAppTest, TheLastWalletOpensAndJoinsTheRecentFiles)
{
    makeWallet("Mine.wal");
    install(walletFile("Mine.wal"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(app->document()->isFileOpen());
    EXPECT_EQ(app->document()->getRoot().getSubcategories().size(), 1u);
    EXPECT_EQ(app->mainFrame()->windowTitle(), "Mine.wal - Keldra");
    ASSERT_EQ(app->recentFiles().files().size(), 1u);
    EXPECT_EQ(app->recentFiles().files()[0], walletFile("Mine.wal"));
    app.reset();

    // The list is kept for the next run, newest first, four at most.
    for (const char* name : {"a.wal", "b.wal", "c.wal", "d.wal"})
        makeWallet(name);
    install(walletFile("Mine.wal"));
    ASSERT_TRUE(start());
    for (const char* name : {"a.wal", "b.wal", "c.wal", "d.wal"})
        ASSERT_TRUE(app->openDocument(walletFile(name)));
    const std::vector<CString> expected = {walletFile("d.wal"), walletFile("c.wal"), walletFile("b.wal"), walletFile("a.wal")};
    EXPECT_EQ(app->recentFiles().files(), expected);
}

TEST_F(WalletAppTest, AMissingLastWalletAsksWhetherToOpenOrCreate)
{
    install(walletFile("Gone.wal"));
    appDialogs.opensExisting = false;
    appDialogs.newFiles.push_back(QString::fromStdString(nativeFile("Fresh")));
    ASSERT_TRUE(start());
    EXPECT_EQ(appDialogs.missingLastFilePrompts, 1);
    // "Create New": the name gets its extension and becomes the wallet's name.
    EXPECT_TRUE(std::filesystem::exists(nativeFile("Fresh.wal")));
    EXPECT_TRUE(app->document()->isFileOpen());
    EXPECT_EQ(app->document()->getRoot().getName(), "Fresh");
    app.reset();

    makeWallet("Other.wal");
    setKeyValue("lastFile", walletFile("Gone.wal"));
    appDialogs.opensExisting = true;
    appDialogs.filesToOpen.push_back(QString::fromStdString(nativeFile("Other.wal")));
    ASSERT_TRUE(start());
    EXPECT_EQ(app->document()->getRoot().getName(), "Made");
}

// The New command's box chooses the format; a strong wallet gets its
// password at once.
TEST_F(WalletAppTest, NewMakesAClassicOrAStrongWallet)
{
    const KdfParameters cheap{static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13), 1, crypto_pwhash_MEMLIMIT_MIN};
    setKdfParametersForNewFiles(&cheap);
    install();
    ASSERT_TRUE(start());
    const struct {
        const char* name;
        bool strong;
        WalletFormat format;
        int version;
    } cases[] = {{"Plain", false, WalletFormat::Classic, 3}, {"Sealed", true, WalletFormat::Strong, 4}};
    for (const auto& c : cases) {
        appDialogs.newFiles.push_back(QString::fromStdString(nativeFile(c.name)));
        appDialogs.newFileStrong = c.strong;
        ui.passwordAnswers.push_back({true, "secret", "secret", ""});
        app->runCommand(CommandId::New);
        EXPECT_EQ(app->document()->getFileFormat(), c.format) << c.name;
        std::ifstream in(nativeFile((std::string(c.name) + ".wal").c_str()), std::ios::binary);
        in.seekg(60);
        EXPECT_EQ(in.get(), c.version) << c.name;
        ui.passwordAnswers.clear();
    }
    setKdfParametersForNewFiles(nullptr);
}

TEST_F(WalletAppTest, TheAboutLinkIsTheResellerSiteOrTheMakers)
{
    install();
    ASSERT_TRUE(start());
    app->runCommand(57664);
    setKeyValue("ResellerSite", ("https://reseller.example/" + std::string(60, 'x')).c_str());
    app->runCommand(57664);
    ASSERT_EQ(appDialogs.aboutLinks.size(), 2u);
    EXPECT_EQ(appDialogs.aboutLinks[0], "www.quorvex.com");
    EXPECT_EQ(appDialogs.aboutLinks[1], QString("https://reseller.example/") + QString(38, 'x')) << "63 characters at most";
}

TEST_F(WalletAppTest, PrintSetupNeedsCardsInTheSelectedCategory)
{
    makeWallet("Mine.wal");
    install(walletFile("Mine.wal"));
    ASSERT_TRUE(start());
    CMainFrame& frame = *app->mainFrame();
    CCategory& root = app->document()->getRoot();
    frame.select(nullptr, &root, nullptr, nullptr);
    EXPECT_EQ(app->commandEnabled(57606), false);
    auto card = createCard(0);
    card->setParent(&root);
    ASSERT_TRUE(app->document()->addCard(root, std::move(card)));
    EXPECT_EQ(app->commandEnabled(57606), true);
}
