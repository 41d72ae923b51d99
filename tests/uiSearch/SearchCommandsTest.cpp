#include "SearchFixture.h"

#include "frame/CommandIds.h"
#include "views/CardListModel.h"
#include "views/WalletListView.h"

namespace {

using namespace CommandId;
using Names = std::vector<std::string>;
using Messages = std::vector<std::string>;

constexpr int kPasswordKind = 19;

TEST_F(SearchTest, FindIsEnabledWhileACategoryIsSelectedAlsoThroughTheFramesChain)
{
    openSearch();
    frame->select(nullptr, &doc->getRoot(), nullptr, nullptr);
    EXPECT_TRUE(searchEnabled(Find));
    EXPECT_TRUE(enabled(Find));
    frame->select(nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(searchEnabled(Find));
    EXPECT_FALSE(enabled(Find));
    EXPECT_FALSE(enabled(FindNext));
    EXPECT_FALSE(enabled(FindPrev));
}

TEST_F(SearchTest, TheChosenHitIsShownAndNextAndPrevStepWithoutWrappingAround)
{
    openSearch();
    CCategory& root = doc->getRoot();
    CCategory& sub = addCategory(root, "Sub");
    addCard(sub, kPasswordKind, "Key three");
    addCard(root, kPasswordKind, "Key one");
    addCard(root, kPasswordKind, "Key two");
    addCard(root, kPasswordKind, "Other");
    frame->select(nullptr, &sub, nullptr, nullptr);

    find("KEY", 1);
    ASSERT_EQ(searchDialogs.offered, (std::vector<Names>{{"Key one", "Key two", "Key three"}})) << "a category's cards before its sub-categories'";
    EXPECT_EQ(shownName(), "Key two");
    EXPECT_EQ(frame->selectedCard(), frame->shownCard());

    const struct {
        int command;
        const char* shown;
        bool next, prev;
    } steps[] = {
        {FindNext, "Key three", false, true},
        {FindNext, "Key three", false, true}, // no wrap-around at the end
        {FindPrev, "Key two", true, true},
        {FindPrev, "Key one", true, false},
        {FindPrev, "Key one", true, false},
    };
    for (const auto& step : steps) {
        run(step.command);
        EXPECT_EQ(shownName(), step.shown);
        EXPECT_EQ(searchEnabled(FindNext), step.next) << step.shown;
        EXPECT_EQ(searchEnabled(FindPrev), step.prev) << step.shown;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchTest, OneHitDisablesBothStepsAndNoHitSaysSo)
{
    openSearch();
    addCard(doc->getRoot(), kPasswordKind, "Alone");
    find("alone", 0);
    EXPECT_EQ(shownName(), "Alone");
    EXPECT_FALSE(searchEnabled(FindNext));
    EXPECT_FALSE(searchEnabled(FindPrev));

    find("nowhere", 0);
    EXPECT_EQ(ui.messages, Messages{"No matches found!"});
    EXPECT_EQ(searchDialogs.offered.size(), 1u) << "no results dialog without a hit";
    EXPECT_FALSE(searchEnabled(FindNext));
    EXPECT_FALSE(searchEnabled(FindPrev));
}

TEST_F(SearchTest, ANewFindForgetsTheShownHitsUntilOneOfItsOwnIsShown)
{
    openSearch();
    for (const char* name : {"Hit 1", "Hit 2", "Hit 3"})
        addCard(doc->getRoot(), kPasswordKind, name);
    find("hit", 1);
    ASSERT_TRUE(searchEnabled(FindNext));

    // Cancel in the Search dialog: nothing is searched, the old hits are gone all the same.
    run(Find);
    EXPECT_FALSE(searchEnabled(FindNext));
    EXPECT_FALSE(searchEnabled(FindPrev));

    // Cancel in the results dialog: nothing is shown.
    find("hit", std::nullopt);
    EXPECT_EQ(searchDialogs.offered.size(), 2u);
    EXPECT_EQ(shownName(), "Hit 2");
    EXPECT_FALSE(searchEnabled(FindNext));
    EXPECT_FALSE(searchEnabled(FindPrev));
    run(FindNext);
    EXPECT_EQ(shownName(), "Hit 2");

    find("hit", 0);
    EXPECT_EQ(shownName(), "Hit 1");
    EXPECT_TRUE(searchEnabled(FindNext));
    run(FindNext);
    EXPECT_EQ(shownName(), "Hit 2");
}

TEST_F(SearchTest, DeletingACardEndsTheStepsThroughTheHits)
{
    openSearch();
    CCard& first = addCard(doc->getRoot(), kPasswordKind, "Hit 1");
    addCard(doc->getRoot(), kPasswordKind, "Hit 2");
    find("hit", 0);
    ASSERT_TRUE(searchEnabled(FindNext));
    ASSERT_TRUE(doc->deleteCard(&first));
    EXPECT_FALSE(searchEnabled(FindNext));
    run(FindNext);
    EXPECT_EQ(frame->shownCard(), nullptr);
}

// A wallet with the password "pw" and a locked encrypted category holding "Sealed key".
class SealedSearchTest : public SearchTest {
protected:
    void lockedVault()
    {
        openSearch();
        ui.passwordAnswers.push_back({true, "pw", "pw", ""});
        ASSERT_TRUE(doc->setPassword());
        CCategory& vault = addCategory(doc->getRoot(), "Vault", true);
        addCard(vault, kPasswordKind, "Sealed key");
        addCard(doc->getRoot(), kPasswordKind, "Plain key");
        doc->lock();
    }
};

TEST_F(SealedSearchTest, DecryptingFindsTheSealedCardsAndLeavesTheViewsOnTheSelection)
{
    lockedVault();
    QApplication::processEvents();
    ASSERT_EQ(frame->selectedCategory(), &doc->getRoot());

    find("key", std::nullopt);
    EXPECT_EQ(searchDialogs.offered.back(), Names{"Plain key"}) << "sealed cards are not searched";

    ui.passwordAnswers.push_back({true, "pw", "", ""});
    find("key", std::nullopt, true);
    EXPECT_EQ(searchDialogs.offered.back(), (Names{"Plain key", "Sealed key"}));
    EXPECT_EQ(frame->selectedCategory(), &doc->getRoot());
    EXPECT_EQ(frame->listView().shownCategory(), &doc->getRoot()) << "the list stays on the selected category";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SealedSearchTest, ARefusedPasswordSearchesNothing)
{
    lockedVault();
    find("key", 0, true);
    EXPECT_TRUE(searchDialogs.offered.empty());
    EXPECT_EQ(frame->shownCard(), nullptr);
    EXPECT_FALSE(searchEnabled(FindNext));
}

} // namespace
