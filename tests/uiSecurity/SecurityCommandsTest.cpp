#include "uiFrame/FrameFixture.h"

#include "frame/CommandIds.h"
#include "model/StrongKeys.h"
#include "security/SecurityCommands.h"
#include "security/SecurityDlg.h"
#include "security/SecurityHint.h"
#include "security/SecurityTexts.h"

#include <QRadioButton>
#include <QToolButton>

#include <sodium.h>

#include <deque>
#include <fstream>
#include <iterator>

namespace {

// Answers the Security dialog from a queue; an empty queue is Cancel.
class ScriptedSecurityDialogs : public ISecurityDialogs {
public:
    std::deque<WalletFormat> answers;
    std::vector<WalletFormat> shownWith;

    std::optional<WalletFormat> chooseFormat(WalletFormat current) override
    {
        shownWith.push_back(current);
        if (answers.empty())
            return std::nullopt;
        const WalletFormat answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class SecurityTest : public FrameTest {
protected:
    SecurityTest()
    {
        const KdfParameters cheap{static_cast<std::uint32_t>(crypto_pwhash_ALG_ARGON2ID13), 1, crypto_pwhash_MEMLIMIT_MIN};
        setKdfParametersForNewFiles(&cheap);
        options.setLockoutEnabled(false);
    }
    ~SecurityTest() override { setKdfParametersForNewFiles(nullptr); }

    void openSecurity()
    {
        openFrame();
        commands = std::make_unique<CSecurityCommands>(services, *frame, &securityDialogs);
    }
    std::string fileBytes() const
    {
        std::ifstream in(base.file("wallet.wal"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The file version at offset 60.
    int fileVersion() const { return static_cast<unsigned char>(fileBytes().at(60)); }

    ScriptedSecurityDialogs securityDialogs;
    std::unique_ptr<CSecurityCommands> commands;
};

TEST_F(SecurityTest, SecurityMovesTheWalletBetweenTheFormatsAndAsksBeforeTheClassicOne)
{
    openSecurity();
    addCard(addCategory(doc->getRoot(), "Bank"), 19, "Mail login");
    EXPECT_TRUE(enabled(CommandId::Security));

    // Into the strong format the wallet gets its first password.
    securityDialogs.answers = {WalletFormat::Strong};
    ui.passwordAnswers.push_back({true, "secret", "secret", ""});
    EXPECT_TRUE(commands->runCommand(CommandId::Security));
    EXPECT_EQ(doc->getFileFormat(), WalletFormat::Strong);
    EXPECT_EQ(fileVersion(), 4);
    EXPECT_EQ(fileBytes().find("Mail login"), std::string::npos);

    // Back to classic only on Yes to the question.
    securityDialogs.answers = {WalletFormat::Classic, WalletFormat::Classic};
    ui.messageAnswers.push_back(IDNO);
    commands->runCommand(CommandId::Security);
    EXPECT_EQ(doc->getFileFormat(), WalletFormat::Strong);
    ui.messageAnswers.push_back(IDYES);
    ui.passwordAnswers.push_back({true, "secret", "", ""});
    commands->runCommand(CommandId::Security);
    EXPECT_EQ(doc->getFileFormat(), WalletFormat::Classic);
    EXPECT_EQ(fileVersion(), 3);
    EXPECT_EQ(doc->getRoot().getSubcategories().front()->getCards().front()->getName(), "Mail login");
    EXPECT_EQ(securityDialogs.shownWith,
              (std::vector<WalletFormat>{WalletFormat::Classic, WalletFormat::Strong, WalletFormat::Strong}));
    EXPECT_EQ(std::count(ui.messages.begin(), ui.messages.end(), std::string(SecurityTexts::kToClassicQuestion)), 2);

    // Cancel, or the format the wallet has, changes nothing.
    const std::string before = fileBytes();
    securityDialogs.answers = {WalletFormat::Classic};
    commands->runCommand(CommandId::Security);
    commands->runCommand(CommandId::Security);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(SecurityTest, SecurityNeedsAnOpenWallet)
{
    makeFrame();
    commands = std::make_unique<CSecurityCommands>(services, *frame, &securityDialogs);
    EXPECT_EQ(commands->commandEnabled(CommandId::Security), std::optional<bool>(false));
    EXPECT_EQ(commands->commandEnabled(CommandId::Lock), std::nullopt);
}

TEST_F(SecurityTest, TheHintShowsWhileAClassicWalletHoldsSealedCategoriesUntilPutAway)
{
    openSecurity();
    CSecurityHint& hint = frame->securityHint();
    EXPECT_FALSE(hint.isWanted());
    ui.passwordAnswers.push_back({true, "secret", "secret", ""});
    ASSERT_TRUE(doc->ensureKeyForEncryption());
    CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
    EXPECT_TRUE(hint.isWanted());

    // A strong wallet needs no hint.
    securityDialogs.answers = {WalletFormat::Strong};
    ui.passwordAnswers.push_back({true, "secret", "", ""});
    commands->runCommand(CommandId::Security);
    ASSERT_EQ(doc->getFileFormat(), WalletFormat::Strong);
    EXPECT_FALSE(hint.isWanted());
    securityDialogs.answers = {WalletFormat::Classic};
    ui.messageAnswers.push_back(IDYES);
    ui.passwordAnswers.push_back({true, "secret", "", ""});
    commands->runCommand(CommandId::Security);
    EXPECT_TRUE(hint.isWanted());

    // Put away, it stays away, also for the next window.
    hint.dismissButton().click();
    EXPECT_FALSE(hint.isWanted());
    EXPECT_TRUE(CSecurityHint::isDismissed());
    (void)vault;
    frame.reset();
    makeFrame();
    EXPECT_FALSE(frame->securityHint().isWanted());
}

TEST_F(SecurityTest, TheDialogStartsAtTheWalletsFormatAndGivesTheChosenOne)
{
    CSecurityDlg classic(WalletFormat::Classic);
    EXPECT_TRUE(classic.classicButton().isChecked());
    classic.strongButton().click();
    EXPECT_EQ(classic.chosenFormat(), WalletFormat::Strong);
    CSecurityDlg strong(WalletFormat::Strong);
    EXPECT_EQ(strong.chosenFormat(), WalletFormat::Strong);
}

} // namespace
