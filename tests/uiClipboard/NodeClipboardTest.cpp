// Cut, Copy and Paste through the main window's command chain, with the
// node of the context menu as their subject.
#include "ClipboardFixture.h"

#include "cards/CardPassword.h"

namespace {

using namespace CommandId;

TEST_F(ClipboardTest, CopyPastedTwiceGivesTwoCopiesAndTheNodeStaysHeld)
{
    sampleWallet();
    runOn(bike, Copy);
    EXPECT_EQ(frame->contextNode(), nullptr);
    runOn(work, Paste);
    runOn(work, Paste);
    EXPECT_EQ(names(*work), (std::vector<std::string>{"Bike", "Bike"}));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Bike"}));
    EXPECT_NE(work->getCards().front().get(), bike);
    EXPECT_TRUE(enabledOn(work, Paste));
    EXPECT_EQ(failureMessages(), 0);
}

TEST_F(ClipboardTest, CutPastedMovesTheNodeWithItsContentsOnce)
{
    sampleWallet();
    runOn(garden, Cut);
    runOn(work, Paste);
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Bike"}));
    ASSERT_EQ(names(*work), (std::vector<std::string>{"Garden/"}));
    EXPECT_EQ(names(*work->getSubcategories().front()), (std::vector<std::string>{"Seeds"}));
    // The cut node went with the move: there is nothing left to paste.
    EXPECT_FALSE(enabledOn(&root(), Paste));
    runOn(&root(), Paste);
    EXPECT_EQ(failureMessages(), 1);
    EXPECT_EQ(names(root()), (std::vector<std::string>{"Home/", "Work/"}));
    // The move is in the file as well.
    reopen();
    EXPECT_EQ(names(*work), (std::vector<std::string>{"Garden/"}));
}

TEST_F(ClipboardTest, PasteIsEnabledForACategoryThatCanTakeTheHeldNode)
{
    sampleWallet();
    EXPECT_TRUE(enabledOn(nullptr, Copy));
    EXPECT_TRUE(enabledOn(bike, Cut));
    EXPECT_FALSE(enabledOn(work, Paste)); // nothing held yet
    runOn(home, Copy);
    const struct {
        CNode* target;
        bool enabled;
    } cases[] = {
        {work, true}, {&root(), true}, {home, false}, // the node itself
        {garden, false},                              // a category below it
        {bike, false},                                // a card
        {nullptr, false},
    };
    for (const auto& test : cases)
        EXPECT_EQ(enabledOn(test.target, Paste), test.enabled) << (test.target ? test.target->getName().str() : "none");
}

TEST_F(ClipboardTest, AHeldNodeDeletedSinceIsNotPasted)
{
    sampleWallet();
    runOn(bike, Copy);
    ASSERT_TRUE(doc->deleteCard(bike));
    // New nodes may take the memory of the deleted one.
    for (const char* name : {"One", "Two", "Three"})
        addCard(*home, kFreeForm, name);
    EXPECT_FALSE(enabledOn(work, Paste));
    runOn(work, Paste);
    EXPECT_EQ(failureMessages(), 1);
    EXPECT_TRUE(work->getCards().empty());

    // Nor one of a tree that was closed since.
    runOn(garden, Copy);
    reopen();
    EXPECT_FALSE(enabledOn(work, Paste));
    runOn(work, Paste);
    EXPECT_EQ(failureMessages(), 2);
    EXPECT_TRUE(work->getSubcategories().empty());
}

TEST_F(ClipboardTest, PastingEncryptedCategoriesAsksForThePassword)
{
    sampleWallet();
    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    ASSERT_TRUE(doc->setPassword());
    CCategory& vault = addCategory(*home, "Vault", true);
    auto card = std::make_unique<CCardPassword>("Bank login", "", "sys", "me", "s3cret", "");
    ASSERT_TRUE(doc->addCard(vault, std::move(card)));
    reopen(); // the password is not given: Vault stays sealed
    ui.messages.clear();

    runOn(home, Copy);
    ui.passwordAnswers.push_back({true, "wrong", "", ""});
    runOn(work, Paste);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Password is incorrect!", ClipboardTexts::kOperationFailed}));
    EXPECT_TRUE(work->getSubcategories().empty());

    runOn(work, Paste); // cancelled
    EXPECT_EQ(failureMessages(), 2);
    EXPECT_TRUE(work->getSubcategories().empty());

    ui.passwordAnswers.push_back({true, "pw", "", ""});
    runOn(work, Paste);
    EXPECT_EQ(failureMessages(), 2);
    ASSERT_EQ(names(*work), (std::vector<std::string>{"Home/"}));
    CCategory* vaultCopy = child(*work->getSubcategories().front(), "Vault");
    ASSERT_NE(vaultCopy, nullptr);
    EXPECT_EQ(names(*vaultCopy), (std::vector<std::string>{"Bank login"}));
}

} // namespace
