#include "ViewsFixture.h"

#include "views/CardListModel.h"
#include "views/CategoryTreeModel.h"
#include "views/WalletListView.h"
#include "views/WalletTreeView.h"

#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace {

class DecryptFailureTest : public ViewsTest {
protected:
    void SetUp() override
    {
        frame.views.push_back(list.get());
        showSampleIn(*tree, QSize(300, 600));
        list->show();
    }
    void TearDown() override
    {
        tree.reset();
        list.reset();
    }

    // Every sealed record of the category becomes too short to be a card.
    static void damageSealedCards(CCategory& category)
    {
        std::vector<CSizedArray> damaged(category.getSealedCards().size());
        for (CSizedArray& record : damaged) {
            ASSERT_TRUE(record.init(3));
            std::fill(record.getData(), record.getData() + 3, 0);
        }
        category.setSealedCards(std::move(damaged), category.getSealedPositions());
    }

    std::unique_ptr<CWalletTreeView> tree = std::make_unique<CWalletTreeView>(services, frame);
    std::unique_ptr<CWalletListView> list = std::make_unique<CWalletListView>(services, frame);
};

TEST_F(DecryptFailureTest, EveryWayOfOpeningTellsTheFailureAndLeavesTheCategoryClosed)
{
    CCategory& vault = *child(root(), "Vault");
    damageSealedCards(vault);
    const QModelIndex vaultItem = tree->indexOf(&vault);
    const auto openInList = [&] {
        list->setCurrentIndex(list->listModel().indexOf(&vault));
        QTest::keyClick(list.get(), Qt::Key_Return);
    };
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"expanding in the tree", [&] { tree->expand(vaultItem); }},
        {"selecting in the tree", [&] { tree->setCurrentIndex(vaultItem); }},
        {"opening in the list", openInList},
    };
    answerPassword("pw");
    for (const auto& [way, open] : ways) {
        SCOPED_TRACE(way);
        ui.messages.clear();
        open();
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Error while decrypting cards!"});
        EXPECT_TRUE(vault.hasSealedCards());
        EXPECT_FALSE(tree->isExpanded(vaultItem));
        EXPECT_EQ(rowTexts(tree->treeModel(), vaultItem), std::vector<std::string>{"Dummy"});
        EXPECT_NE(tree->treeModel().node(tree->currentIndex()), &vault);
        EXPECT_EQ(list->shownCategory(), &root());
    }
}

} // namespace
