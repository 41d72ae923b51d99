// The wallet password end to end: encrypted categories sealed on lock and
// opened with the password, the prompt on open, the lock-out, the change of
// the password, and the export of sealed cards.
#include "DocumentFixture.h"

#include "model/SearchResult.h"

namespace {

using Messages = std::vector<std::string>;

class Password : public DocumentTest {};

TEST_F(Password, LockedVaultOpensOnlyWithThePasswordAfterReopening)
{
    for (const bool promptOnOpen : {false, true}) {
        SCOPED_TRACE(promptOnOpen);
        walletWithVault();
        doc->lock();
        CCategory* vault = child(doc->getRoot(), "Vault");
        ASSERT_TRUE(vault->hasSealedCards());
        EXPECT_TRUE(vault->getCards().empty());
        EXPECT_FALSE(doc->isUnlocked());

        options.setPromptOnOpen(promptOnOpen);
        ui = ScriptedUserInterface();
        doc->deleteContents();
        if (promptOnOpen) {
            answerPassword("wrong");
            EXPECT_FALSE(doc->openWalletFile(walletPath()));
            EXPECT_EQ(ui.messages, Messages{"Password is incorrect!"});
            answerPassword("pw");
        }
        ASSERT_TRUE(doc->openWalletFile(walletPath()));
        vault = child(doc->getRoot(), "Vault");
        ASSERT_NE(vault, nullptr);
        EXPECT_TRUE(vault->isEncrypted());
        EXPECT_EQ(doc->isUnlocked(), promptOnOpen) << "the key entered on open is kept";
        if (!promptOnOpen)
            answerPassword("pw");
        ASSERT_TRUE(doc->openEncryptedCategory(*vault));
        EXPECT_EQ(recorder.hints.back().kind, UpdateHint::CategoryOpened);
        ASSERT_EQ(vault->getCards().size(), 3u);
        const auto& login = dynamic_cast<const CCardPassword&>(*vault->getCards()[0]);
        EXPECT_EQ(login.getName(), "Bank login");
        EXPECT_EQ(login.getPassword(), "s3cret");
        const auto& mail = dynamic_cast<const CCardWebSite&>(*vault->getCards()[2]);
        EXPECT_EQ(mail.getName(), "Mail");
        EXPECT_EQ(vault->getCards()[1]->getNotes(), "private");
        doc->deleteContents();
    }
}

TEST_F(Password, ThirdWrongPasswordBlocksTheWalletAndQuits)
{
    walletWithVault();
    doc->lock();
    options.setLockoutEnabled(true);
    options.setAttempts(3);
    options.setLockoutMinutes(5);
    ui = ScriptedUserInterface();
    CCategory* vault = child(doc->getRoot(), "Vault");
    const DWORD before = CKeldraOptions::currentTime();
    for (int attempt = 0; attempt < 3; ++attempt) {
        answerPassword("nope");
        EXPECT_FALSE(doc->openEncryptedCategory(*vault));
    }
    const DWORD after = CKeldraOptions::currentTime();
    EXPECT_EQ(ui.messages, (Messages{"Password is incorrect!", "Password is incorrect!", "Password is incorrect!", "Wallet is blocked!"}));
    EXPECT_EQ(ui.quitRequests, std::vector<int>{-1});
    EXPECT_TRUE(options.isLockedOut());
    EXPECT_GE(options.lockedUntil(), before + 300);
    EXPECT_LE(options.lockedUntil(), after + 300);

    CKeldraRegistry stored;
    ASSERT_EQ(stored.init(), 1);
    CKeldraOptions loaded;
    ASSERT_EQ(stored.readOptions(&loaded), 0);
    EXPECT_TRUE(loaded.isLockedOut()) << "the block is saved";
    EXPECT_EQ(loaded.lockedUntil(), options.lockedUntil());
}

TEST_F(Password, WrongEntriesDoNotCountWithTheLockOutOff)
{
    walletWithVault();
    doc->lock();
    options.setLockoutEnabled(false);
    ui = ScriptedUserInterface();
    for (int attempt = 0; attempt < 4; ++attempt) {
        answerPassword("nope");
        EXPECT_EQ(doc->obtainDocumentKey(), CWalletDoc::kKeyRefused);
    }
    EXPECT_TRUE(ui.quitRequests.empty());
    EXPECT_FALSE(options.isLockedOut());
    EXPECT_EQ(doc->obtainDocumentKey(), CWalletDoc::kKeyRefused) << "cancelled";
}

TEST_F(Password, SetAndChangeRefuseMismatchedEntries)
{
    createWallet();
    const struct {
        PasswordMode mode;
        ScriptedUserInterface::PasswordAnswer answer;
        const char* message;
    } cases[] = {
        {PasswordMode::Set, {true, "a", "b", ""}, "Passwords entered do not match!"},
        {PasswordMode::Change, {true, "pw", "x", "y"}, "New password and retyped password are not the same!"},
        {PasswordMode::Change, {true, "bad", "x", "x"}, "Unable to change password\nOld password is wrong!"},
    };
    for (const auto& c : cases) {
        if (c.mode == PasswordMode::Change && !doc->hasPassword()) {
            answerPassword("pw", "pw");
            ASSERT_TRUE(doc->setPassword());
        }
        ui.messages.clear();
        ui.passwordAnswers.push_back(c.answer);
        EXPECT_FALSE(doc->changePassword());
        EXPECT_EQ(ui.messages, Messages{c.message});
        EXPECT_EQ(ui.passwordModes.back(), c.mode);
    }
    ASSERT_TRUE(reopen());
    answerPassword("pw");
    EXPECT_EQ(doc->obtainDocumentKey(), CWalletDoc::kKeyHeld) << "the password is unchanged";
}

TEST_F(Password, KeyIsNeededForEncryptionAndLockReseals)
{
    createWallet();
    answerPassword("pw", "pw");
    ASSERT_TRUE(doc->ensureKeyForEncryption()) << "sets a first password";
    EXPECT_EQ(ui.passwordModes, std::vector<PasswordMode>{PasswordMode::Set});
    CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
    addCard(vault, password("Pin", "1234"));
    const Bytes before = fileBytes();
    doc->lock();
    EXPECT_EQ(fileBytes(), before) << "locking writes nothing";
    EXPECT_EQ(vault.getSealedCards().size(), 1u);
    EXPECT_FALSE(doc->addCard(vault, freeForm("No key")));
    answerPassword("pw");
    ASSERT_TRUE(doc->ensureKeyForEncryption());
    EXPECT_TRUE(doc->addCard(vault, freeForm("With key")));
    EXPECT_EQ(vault.getCards().size(), 2u);

    // The re-sealed cards kept their offsets in the file.
    ASSERT_TRUE(reopen());
    answerPassword("pw");
    CCategory* reread = child(doc->getRoot(), "Vault");
    ASSERT_TRUE(doc->openEncryptedCategory(*reread));
    ASSERT_EQ(reread->getCards().size(), 2u);
    EXPECT_EQ(reread->getCards()[0]->getName(), "Pin");
    EXPECT_EQ(reread->getCards()[1]->getName(), "With key");
}

// A card of an encrypted category whose record is too long to seal cannot be
// stored, and the category never keeps it: locking still works.
TEST_F(Password, UnsealableCardNeverStaysInAnEncryptedCategory)
{
    CCategory& vault = walletWithVault();
    const CString huge(std::string(5000, 'x'));
    EXPECT_FALSE(doc->addCard(vault, freeForm("Huge", huge.GetString())));
    EXPECT_EQ(vault.getCards().size(), 3u);

    CCard& diary = *vault.getCards()[1];
    ASSERT_EQ(diary.getName(), "Diary");
    diary.getNotes() = huge;
    diary.setName("Zz diary");
    EXPECT_FALSE(doc->updateCard(diary));
    ASSERT_EQ(vault.getCards().size(), 3u);
    EXPECT_EQ(vault.getCards()[1]->getName(), "Diary") << "the stored card is back";
    EXPECT_EQ(vault.getCards()[1]->getNotes(), "private");

    CCategory& plain = addCategory(doc->getRoot(), "Plain");
    addCard(plain, freeForm("Big", huge.GetString()));
    plain.setEncrypted(true);
    EXPECT_FALSE(doc->updateCategory(plain, true));
    EXPECT_FALSE(plain.isEncrypted());

    ui.messages.clear();
    doc->lock();
    EXPECT_TRUE(ui.quitRequests.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(doc->storageFailed());
    ASSERT_TRUE(reopen());
    answerPassword("pw");
    CCategory* reread = child(doc->getRoot(), "Vault");
    ASSERT_TRUE(doc->openEncryptedCategory(*reread));
    EXPECT_EQ(reread->getCards()[1]->getNotes(), "private");
    EXPECT_EQ(child(doc->getRoot(), "Plain")->getCards().front()->getNotes().GetLength(), 5000);
}

class Export : public DocumentTest {
protected:
    std::string exportPath() const { return dir.file("out.txt"); }
    std::string exported() const
    {
        const Bytes bytes = readFileBytes(exportPath());
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(Export, SealedCardsAreExportedOnlyWhenTheyMayBeOpened)
{
    walletWithVault();
    addCard(doc->getRoot(), freeForm("V"));
    addCategory(doc->getRoot(), "");
    doc->lock();
    const std::string header = "Wallet version 1.0 Export file\r\n\r\nCategory : My Wallet\r\n\r\nCard Name : V\r\n\r\n";
    const std::string tail = "\r\n\r\n";
    const std::string vaultLine = "Category : Vault\r\n\r\n";
    const std::string vaultCards =
        "Card Name : Bank login\r\nSystem : sys\r\nUsername : me\r\nPassword : s3cret\r\n\r\n"
        "Card Name : Diary\r\nNotes : private\r\n\r\n";

    ui.messageAnswers = {IDCANCEL};
    doc->exportWallet();
    EXPECT_TRUE(ui.saveFileFilters.empty());

    ui.messageAnswers = {IDNO};
    ui.saveFileAnswers = {exportPath()};
    doc->exportWallet();
    EXPECT_EQ(ui.messages.back(), "Export is done!");
    EXPECT_EQ(exported(), header + tail + vaultLine + "\r\n");
    EXPECT_EQ(ui.saveFileFilters.back(), "Text Files (*.txt)|*.txt|");

    ui.messageAnswers = {IDYES};
    ui.saveFileAnswers = {exportPath()};
    answerPassword("pw");
    doc->exportWallet();
    const std::string text = exported();
    EXPECT_EQ(text.substr(0, header.size() + tail.size() + vaultLine.size()), header + tail + vaultLine);
    EXPECT_NE(text.find(vaultCards), std::string::npos) << text;
    EXPECT_EQ(ui.messages.front(), "Decrypt data before exporting?");
}

TEST_F(Export, LongValuesAreCutAtAWholeCharacter)
{
    createWallet();
    // 2047 bytes of ASCII and a two-byte character that would end at byte 2049.
    const std::string value = std::string(2047, 'a') + "\xC3\xA9" + "tail";
    addCard(doc->getRoot(), freeForm(value.c_str()));
    ui.saveFileAnswers = {exportPath()};
    doc->exportWallet();
    const std::string text = exported();
    const std::string line = "Card Name : " + std::string(2047, 'a') + "\r\n";
    EXPECT_NE(text.find(line), std::string::npos);
    ui.saveFileAnswers = {dir.file("missing/out.txt")};
    doc->exportWallet();
    EXPECT_EQ(ui.messages.back(), "Cannot create file!");
}

class Search : public DocumentTest {
protected:
    std::vector<std::string> hitNames()
    {
        std::vector<std::string> names;
        SearchResult* result = doc->getSearchResult();
        for (int i = 0; result && i < result->getCount(); ++i)
            names.push_back(result->getAt(i)->getName().str());
        return names;
    }
};

TEST_F(Search, HiddenFieldsCaseOrderAndEncryptedCategories)
{
    CCategory& vault = walletWithVault();
    CCategory& root = doc->getRoot();
    addCard(root, std::make_unique<CCardPassword>("Router", "", "NetGear", "admin", "hunter2", ""));
    CCategory& sub = addCategory(root, "Sub");
    addCard(sub, freeForm("Sub note", "netgear manual"));
    (void)vault;

    const struct {
        const char* text;
        bool hidden, caseSensitive;
        std::vector<std::string> hits;
    } cases[] = {
        {"NETGEAR", false, false, {"Router", "Sub note"}},
        {"NetGear", false, true, {"Router"}},
        {"hunter2", false, false, {}},
        {"hunter2", true, false, {"Router"}},
        {"", false, false, {"Router", "Sub note", "Bank login", "Diary", "Mail"}},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        EXPECT_EQ(doc->search(c.text, c.hidden, c.caseSensitive, false), !c.hits.empty()) << c.text;
        EXPECT_EQ(hitNames(), c.hits) << c.text;
        EXPECT_EQ(ui.messages, c.hits.empty() ? Messages{"No matches found!"} : Messages{}) << c.text;
    }

    doc->lock();
    EXPECT_FALSE(doc->search("s3cret", true, false, false)) << "sealed cards are not searched";
    answerPassword("pw");
    EXPECT_TRUE(doc->search("s3cret", true, false, true));
    EXPECT_EQ(hitNames(), std::vector<std::string>{"Bank login"});

    SearchResult& result = *doc->getSearchResult();
    EXPECT_TRUE(result.isFirst());
    EXPECT_TRUE(result.isLast());
    EXPECT_EQ(result.next(), nullptr);
    EXPECT_EQ(result.prev(), nullptr);
    EXPECT_EQ(result.getCurrent()->getName(), "Bank login");
}

} // namespace
