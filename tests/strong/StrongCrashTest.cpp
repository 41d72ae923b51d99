// A disk that stops writing at any write of a conversion, of an edit of a
// strong wallet and of its open's compaction: the wallet reopens as it was
// before or as it is after, whole.
#include "StrongFixture.h"

#include <functional>

namespace {

class StrongCrash : public StrongTest {
public:
    using DocumentTest::answerPassword;
    using DocumentTest::ui;

protected:
    // Home{A}, Vault*{Secret}; password "pw"; in `format`.
    void baseWallet(WalletFormat format)
    {
        if (format == WalletFormat::Strong) {
            createStrong();
        } else {
            createWallet();
            answerPassword("pw", "pw");
            ASSERT_TRUE(doc->setPassword());
        }
        CCategory& home = addCategory(doc->getRoot(), "Home");
        addCard(home, freeForm("A", "a"));
        CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
        addCard(vault, password("Secret", "s3"));
        doc->deleteContents();
    }
    // The wallet as it lies on disk, under whichever password opens it.
    std::string state()
    {
        const std::string withOld = contentOf();
        return withOld == std::string("refused: ") + DocumentTexts::kPasswordIncorrect ? "new:" + contentOf("wallet.wal", "new") : withOld;
    }
};

struct CrashCase {
    const char* name;
    WalletFormat format;
    std::function<bool(StrongCrash&, CWalletDoc&)> run;
};

TEST_F(StrongCrash, EveryStopLeavesTheOldOrTheNewWallet)
{
    const auto home = [](CWalletDoc& d) { return StrongCrash::child(d.getRoot(), "Home"); };
    const CrashCase cases[] = {
        {"convert to strong", WalletFormat::Classic,
         [](StrongCrash& t, CWalletDoc& d) {
             t.answerPassword("pw");
             return d.convertWalletFile(WalletFormat::Strong);
         }},
        {"convert to classic", WalletFormat::Strong, [](StrongCrash&, CWalletDoc& d) { return d.convertWalletFile(WalletFormat::Classic); }},
        {"add a card", WalletFormat::Strong,
         [&](StrongCrash&, CWalletDoc& d) { return d.addCard(*home(d), StrongCrash::freeForm("B", "b")); }},
        {"rename a card", WalletFormat::Strong,
         [&](StrongCrash&, CWalletDoc& d) {
             CCard& card = *home(d)->getCards().front();
             card.setName("Z");
             return d.updateCard(card);
         }},
        {"delete a category", WalletFormat::Strong, [&](StrongCrash&, CWalletDoc& d) { return d.deleteCategory(home(d)); }},
        {"change the password", WalletFormat::Strong,
         [](StrongCrash& t, CWalletDoc& d) {
             t.ui.passwordAnswers.push_back({true, "pw", "new", "new"});
             return d.changePassword();
         }},
    };
    for (const CrashCase& c : cases) {
        baseWallet(c.format);
        const Bytes base = fileBytes();
        const std::string before = state();
        ASSERT_TRUE(openWith("pw")) << c.name;
        ASSERT_TRUE(c.run(*this, *doc)) << c.name;
        doc->deleteContents();
        const std::string after = state();
        ASSERT_NE(after, before) << c.name;

        bool completed = false;
        for (int k = 0; !completed; ++k) {
            writeFileBytes(nativePath(), base);
            {
                FaultyFileApi disk;
                ASSERT_TRUE(openWith("pw")) << c.name;
                disk.failWritesAfter = static_cast<int>(std::count(disk.calls.begin(), disk.calls.end(), "write")) + k;
                completed = c.run(*this, *doc) && !doc->storageFailed();
                doc->deleteContents();
                ui = ScriptedUserInterface();
            }
            const std::string seen = state();
            if (completed)
                EXPECT_EQ(seen, after) << c.name;
            else
                EXPECT_TRUE(seen == before || seen == after) << c.name << " stopped after write " << k << ": " << seen;
        }
        std::filesystem::remove(nativePath());
    }
}

TEST_F(StrongCrash, EveryStopOfTheOpenKeepsTheOldFile)
{
    baseWallet(WalletFormat::Strong);
    const Bytes base = fileBytes();
    const std::string before = state();
    bool opened = false;
    for (int k = 0; !opened; ++k) {
        writeFileBytes(nativePath(), base);
        {
            FaultyFileApi disk;
            disk.failWritesAfter = k;
            opened = openWith("pw");
            if (!opened) {
                EXPECT_EQ(ui.messages.back(), "Cannot open file!");
            }
            doc->deleteContents();
        }
        EXPECT_EQ(state(), before) << "stopped after write " << k;
        EXPECT_EQ(std::count_if(std::filesystem::directory_iterator(dir.path()), {}, [](const auto&) { return true; }), 1);
    }
}

} // namespace
