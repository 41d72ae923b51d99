// Wallet files under stress: a disk that stops writing in the middle of every
// edit and of the rewrite on open, damaged and hostile files, and wallets of
// the first two file versions built byte by byte.
#include "DocumentFixture.h"
#include "support/OldWalletFile.h"

#include "model/CheckBlock.h"
#include "model/CryptRecord.h"
#include "model/CryptUtil.h"
#include "model/DocumentTexts.h"
#include "zenthoLib/Base/SizedArray.h"

#include <functional>
#include <set>

namespace {

using Messages = std::vector<std::string>;

class Robustness : public DocumentTest {
public:
    Robustness() { options.setLockoutEnabled(false); }

    // Home{A, C}, Vault* {Bank login, Mail, Diary}, the root's card "Note"; password "pw".
    void baseWallet()
    {
        walletWithVault();
        CCategory& home = addCategory(doc->getRoot(), "Home");
        addCard(home, freeForm("A", "a"));
        addCard(home, freeForm("C", "c"));
        addCard(doc->getRoot(), freeForm("Note", "n"));
        doc->deleteContents();
    }

    // The wallet as a fresh open shows it, every sealed card opened.
    std::string stateOnDisk()
    {
        doc.reset();
        const std::string state = readState();
        doc = std::make_unique<CWalletDoc>(ui, options, registry);
        return state;
    }
    std::string readState()
    {
        ScriptedUserInterface quiet;
        CWalletDoc reader(quiet, options, registry);
        if (!reader.openWalletFile(walletPath()))
            return "unreadable: " + (quiet.messages.empty() ? std::string() : quiet.messages.front());
        std::string password;
        for (const char* candidate : {"pw", "new"}) {
            quiet.passwordAnswers = {{true, candidate, "", ""}};
            if (reader.hasPassword() && password.empty() && reader.obtainDocumentKey() == CWalletDoc::kKeyHeld)
                password = candidate;
        }
        if (reader.hasPassword() && !reader.decryptAllCategories())
            return "undecryptable";
        return password + ":" + describe(reader.getRoot());
    }

    using DocumentTest::answerPassword;
    using DocumentTest::ui;
    CCategory& home() { return *child(doc->getRoot(), "Home"); }
    CCategory& vault() { return *child(doc->getRoot(), "Vault"); }
};

struct EditCase {
    const char* name;
    std::function<bool(Robustness&, CWalletDoc&)> edit;
};

TEST_F(Robustness, EveryEditLeavesTheStateBeforeOrAfterWhereverTheDiskStops)
{
    const EditCase cases[] = {
        {"add card", [](Robustness& t, CWalletDoc& d) { return d.addCard(t.home(), std::make_unique<CCardFreeForm>("B", "b", false)); }},
        {"rename card",
         [](Robustness& t, CWalletDoc& d) {
             CCard& card = *t.home().getCards().front();
             card.setName("Z");
             return d.updateCard(card);
         }},
        {"delete card", [](Robustness& t, CWalletDoc& d) { return d.deleteCard(t.home().getCards().back().get()); }},
        {"add category", [](Robustness&, CWalletDoc& d) { return d.addCategory(d.getRoot(), std::make_unique<CCategory>("New", 1, 0, false)); }},
        {"rename category",
         [](Robustness& t, CWalletDoc& d) {
             CCategory& home = t.home();
             home.setName("House");
             return d.updateCategory(home);
         }},
        {"delete category", [](Robustness& t, CWalletDoc& d) { return d.deleteCategory(&t.home()); }},
        {"encrypt category",
         [](Robustness& t, CWalletDoc& d) {
             t.answerPassword("pw");
             if (d.obtainDocumentKey() != CWalletDoc::kKeyHeld)
                 return false;
             CCategory& home = t.home();
             home.setEncrypted(true);
             return d.updateCategory(home, true);
         }},
        {"add sealed card",
         [](Robustness& t, CWalletDoc& d) {
             t.answerPassword("pw");
             return d.openEncryptedCategory(t.vault()) && d.addCard(t.vault(), std::make_unique<CCardFreeForm>("Key", "k", false));
         }},
        {"paste category",
         [](Robustness& t, CWalletDoc& d) {
             t.answerPassword("pw");
             return d.pasteNode(t.home(), t.vault());
         }},
        {"change password",
         [](Robustness& t, CWalletDoc& d) {
             t.ui.passwordAnswers.push_back({true, "pw", "new", "new"});
             return d.changePassword();
         }},
    };
    baseWallet();
    const Bytes base = fileBytes();
    for (const EditCase& c : cases) {
        // The state after the edit, on a disk that never fails.
        writeFileBytes(nativePath(), base);
        const std::string before = stateOnDisk();
        ASSERT_TRUE(doc->openWalletFile(walletPath())) << c.name;
        ASSERT_TRUE(c.edit(*this, *doc)) << c.name;
        doc->deleteContents();
        const std::string after = stateOnDisk();
        ASSERT_NE(after, before) << c.name;

        bool completed = false;
        for (int k = 0; !completed; ++k) {
            writeFileBytes(nativePath(), base);
            {
                FaultyFileApi disk;
                ASSERT_TRUE(doc->openWalletFile(walletPath())) << c.name;
                disk.failWritesAfter = static_cast<int>(std::count(disk.calls.begin(), disk.calls.end(), "write")) + k;
                completed = c.edit(*this, *doc) && !doc->storageFailed();
                doc->deleteContents();
                ui = ScriptedUserInterface();
            }
            const std::string state = stateOnDisk();
            if (completed)
                EXPECT_EQ(state, after) << c.name;
            else
                EXPECT_TRUE(state == before || state == after) << c.name << " stopped after write " << k << ": " << state;
        }
    }
}

TEST_F(Robustness, OpeningKeepsTheOldFileWhereverTheDiskStops)
{
    baseWallet();
    const Bytes base = fileBytes();
    const std::string before = stateOnDisk();
    bool opened = false;
    for (int k = 0; !opened; ++k) {
        writeFileBytes(nativePath(), base);
        {
            FaultyFileApi disk;
            disk.failWritesAfter = k;
            opened = doc->openWalletFile(walletPath());
            if (!opened) {
                EXPECT_EQ(ui.messages.back(), "Cannot open file!");
            }
            doc->deleteContents();
        }
        EXPECT_EQ(stateOnDisk(), before) << "stopped after write " << k;
        EXPECT_EQ(std::count_if(std::filesystem::directory_iterator(dir.path()), {}, [](const auto&) { return true; }), 1);
    }
}

TEST_F(Robustness, TruncatedWalletsAreRefusedWithAMessage)
{
    baseWallet();
    const Bytes whole = fileBytes();
    const std::set<std::string> allowed = {"Cannot open file!", "Invalid file format!"};
    for (std::size_t length = 0; length < whole.size(); ++length) {
        writeFileBytes(nativePath(), Bytes(whole.begin(), whole.begin() + static_cast<long>(length)));
        ui = ScriptedUserInterface();
        EXPECT_FALSE(doc->openWalletFile(walletPath())) << length;
        ASSERT_EQ(ui.messages.size(), 1u) << length;
        EXPECT_TRUE(allowed.count(ui.messages[0])) << length << ": " << ui.messages[0];
        EXPECT_FALSE(doc->isFileOpen());
    }
}

TEST_F(Robustness, HostileOffsetsAndCountsAreRefused)
{
    baseWallet();
    ASSERT_TRUE(reopen()) << "compacted: one index block at 68";
    doc->deleteContents();
    const Bytes whole = fileBytes();
    const std::uint32_t rootOffset = u32At(whole, 68);
    const auto size = static_cast<std::uint32_t>(whole.size());
    const std::uint32_t firstSubcategorySlot = rootOffset + 8;
    const struct {
        const char* name;
        std::uint32_t at, value;
        const char* message;
    } cases[] = {
        {"index pointer outside", 64, size + 100, "Cannot open file!"},
        {"index pointer at itself", 64, 64, "Cannot open file!"},
        {"root offset outside", 68, 0xFFFFFFF0u, "Cannot open file!"},
        {"root offset zero", 68, 0, "Cannot open file!"},
        {"root at the index block", 68, 68, "Cannot open file!"},
        {"subcategory at its parent", firstSubcategorySlot, rootOffset, "Cannot open file!"},
        {"subcategory outside", firstSubcategorySlot, size * 2, "Cannot open file!"},
        {"huge subcategory count", rootOffset + 4, 0xFFFFFFFFu, "Cannot open file!"},
        {"huge check block", 72, 0x7FFFFFFFu, "Cannot open file!"},
        {"newer version", 60, 5, DocumentTexts::kNewerVersion},
        {"text too long", 4, 0xFFFFFFFFu, "Invalid file format!"},
    };
    for (const auto& c : cases) {
        Bytes bytes = whole;
        for (int i = 0; i < 4; ++i)
            bytes.at(c.at + i) = static_cast<unsigned char>(c.value >> (8 * i));
        writeFileBytes(nativePath(), bytes);
        ui = ScriptedUserInterface();
        EXPECT_FALSE(doc->openWalletFile(walletPath())) << c.name;
        EXPECT_EQ(ui.messages, Messages{c.message}) << c.name;
        EXPECT_EQ(readFileBytes(nativePath()), bytes) << c.name << ": a refused file stays as it was";
    }
}

// Two categories that list the same card: each record is read once at most,
// so lists shared many times over cannot make reading grow without bound.
TEST_F(Robustness, SharedRecordsFailTheRead)
{
    createWallet();
    CCategory& a = addCategory(doc->getRoot(), "A");
    CCategory& b = addCategory(doc->getRoot(), "B");
    addCard(a, freeForm("Card"));
    addCard(b, freeForm("Other"));
    const std::uint32_t shared = a.getCards().front()->getPosition();
    const std::uint32_t bSlot = b.getPosition() + 12;
    doc->deleteContents();
    Bytes bytes = fileBytes();
    for (int i = 0; i < 4; ++i)
        bytes.at(bSlot + i) = static_cast<unsigned char>(shared >> (8 * i));
    writeFileBytes(nativePath(), bytes);
    EXPECT_FALSE(doc->openWalletFile(walletPath()));
    EXPECT_EQ(ui.messages.back(), "Cannot open file!");
}

TEST_F(Robustness, DamagedCheckBlockRefusesEveryPassword)
{
    walletWithVault();
    ASSERT_TRUE(reopen());
    doc->deleteContents();
    Bytes bytes = fileBytes();
    bytes.at(76) ^= 0x5A;
    writeFileBytes(nativePath(), bytes);
    options.setPromptOnOpen(true);
    ui = ScriptedUserInterface();
    answerPassword("pw");
    EXPECT_FALSE(doc->openWalletFile(walletPath()));
    EXPECT_EQ(ui.messages, Messages{"Password is incorrect!"});
}

class OldVersions : public DocumentTest {
protected:
    static Bytes build(unsigned int version, const CCryptUtil* key) { return buildOldWallet(version, key); }

    static void expectCard(const CCard& card, const char* name, const char* secret)
    {
        const auto& password = dynamic_cast<const CCardPassword&>(card);
        EXPECT_EQ(password.getName(), name);
        EXPECT_EQ(password.getNotes(), "card notes");
        EXPECT_EQ(password.getSystem(), "sys");
        EXPECT_EQ(password.getUsername(), "me");
        EXPECT_EQ(password.getPassword(), secret);
        EXPECT_EQ(password.getAccessInfo(), "info");
        EXPECT_EQ(password.getModifiedTime(), 1234);
    }
};

TEST_F(OldVersions, OpenUpgradeAndKeepEveryValue)
{
    for (const unsigned int version : {1u, 2u}) {
        for (const bool withPassword : {false, true}) {
            SCOPED_TRACE(testing::Message() << "version " << version << (withPassword ? " with password" : ""));
            CSmartPtr<CCryptUtil> key(new CCryptUtil);
            ASSERT_TRUE(key->init("pw"));
            writeFileBytes(nativePath(), build(version, withPassword ? key.get() : nullptr));
            ui = ScriptedUserInterface();
            if (withPassword)
                answerPassword("pw");
            ASSERT_TRUE(doc->openWalletFile(walletPath())) << (ui.messages.empty() ? "" : ui.messages.back());
            EXPECT_EQ(doc->getFileVersion(), version);
            EXPECT_EQ(ui.messages, withPassword ? Messages{DocumentTexts::kUpgradeNeedsPassword} : Messages{});
            EXPECT_EQ(u32At(fileBytes(), 60), 3u) << "upgraded on disk";

            for (int pass = 0; pass < 2; ++pass) {
                CCategory& root = doc->getRoot();
                EXPECT_EQ(root.getName(), "Old wallet");
                ASSERT_EQ(root.getCards().size(), 1u);
                expectCard(*root.getCards()[0], "Plain", "p1");
                CCategory* folder = child(root, "Folder");
                ASSERT_NE(folder, nullptr);
                expectCard(*folder->getCards().at(0), "Inner", "p2");
                if (withPassword) {
                    CCategory* vault = child(root, "Vault");
                    ASSERT_NE(vault, nullptr);
                    answerPassword("pw");
                    ASSERT_TRUE(doc->openEncryptedCategory(*vault));
                    expectCard(*vault->getCards().at(0), "Hidden", "p3");
                }
                // Once more from the upgraded file.
                ASSERT_TRUE(reopen());
                EXPECT_EQ(doc->getFileVersion(), 3u);
            }
            doc->deleteContents();
        }
    }
}

TEST_F(OldVersions, UpgradeWithoutThePasswordIsRefused)
{
    CSmartPtr<CCryptUtil> key(new CCryptUtil);
    ASSERT_TRUE(key->init("pw"));
    const Bytes old = build(2, key.get());
    writeFileBytes(nativePath(), old);
    EXPECT_FALSE(doc->openWalletFile(walletPath()));
    EXPECT_EQ(ui.messages, Messages{DocumentTexts::kUpgradeNeedsPassword});
    EXPECT_EQ(fileBytes(), old);
}

} // namespace
