#include "ViewsFixture.h"

#include "frame/CommandIds.h"
#include "views/CategoryTreeModel.h"
#include "views/WalletTreeView.h"

#include <QPainter>
#include <QStyleOptionViewItem>
#include <QContextMenuEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class TreeViewTest : public ViewsTest {
protected:
    void SetUp() override
    {
        tree = std::make_unique<CWalletTreeView>(services, frame);
        showSampleIn(*tree, QSize(300, 600));
    }
    void TearDown() override { tree.reset(); }

    QModelIndex item(CNode& node) const { return tree->indexOf(&node); }
    CategoryTreeModel& model() const { return tree->treeModel(); }
    CCategory& home() { return *child(root(), "Home"); }
    CCategory& vault() { return *child(root(), "Vault"); }
    CNode* selectedNode() const { return model().node(tree->currentIndex()); }
    // Every item below `parent` is where the lookup says it is.
    void expectLookupMatchesRows(const QModelIndex& parent)
    {
        for (int row = 0; row < model().rowCount(parent); ++row) {
            const QModelIndex at = model().index(row, 0, parent);
            if (CNode* node = model().node(at)) {
                EXPECT_EQ(model().indexOf(node), at) << node->getName().str();
                EXPECT_EQ(model().parent(at), parent);
            }
        }
    }
    void contextMenuAt(const QModelIndex& at)
    {
        const QPoint point = tree->visualRect(at).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, tree->viewport()->mapToGlobal(point));
        QApplication::sendEvent(tree->viewport(), &event);
    }

    std::unique_ptr<CWalletTreeView> tree;
};

TEST_F(TreeViewTest, ALoadedWalletShowsTheRootExpandedWithSubcategoriesBeforeCards)
{
    ASSERT_EQ(model().rowCount(), 1);
    const QModelIndex top = model().index(0, 0);
    EXPECT_EQ(top.data().toString(), "My Wallet");
    EXPECT_TRUE(tree->isExpanded(top));
    EXPECT_EQ(rowTexts(model(), top), (Texts{"Home", "Vault", "Work"}));
    const QModelIndex homeItem = item(home());
    tree->expand(homeItem);
    EXPECT_EQ(rowTexts(model(), homeItem), (Texts{"Garden", "Alarm", "Bike"}));
    EXPECT_FALSE(model().data(homeItem, Qt::DecorationRole).value<QIcon>().isNull());
    expectLookupMatchesRows(homeItem);
    EXPECT_TRUE(frame.selections.empty());
}

TEST_F(TreeViewTest, ASealedCategoryShowsOnlyThePlaceholderAndAnEmptyOneNoExpandButton)
{
    const QModelIndex vaultItem = item(vault());
    EXPECT_TRUE(model().hasChildren(vaultItem));
    model().fetchMore(vaultItem);
    ASSERT_EQ(rowTexts(model(), vaultItem), Texts{"Dummy"});
    const QModelIndex placeholder = model().index(0, 0, vaultItem);
    EXPECT_TRUE(model().isPlaceholder(placeholder));
    EXPECT_EQ(model().node(placeholder), nullptr);
    EXPECT_FALSE(model().flags(placeholder) & Qt::ItemIsSelectable);

    CCategory& empty = addCategory(root(), "Empty vault", true);
    EXPECT_FALSE(model().hasChildren(item(empty)));

    // The placeholder is never drawn, not even while the password is asked for.
    QImage drawn(100, 20, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    QStyleOptionViewItem option;
    option.rect = drawn.rect();
    tree->itemDelegate()->paint(&painter, option, placeholder);
    painter.end();
    QImage blank(drawn.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(drawn, blank);
}

TEST_F(TreeViewTest, ExpandingASealedCategoryAsksOnceAndARefusedPasswordKeepsItClosed)
{
    const QModelIndex vaultItem = item(vault());
    tree->expand(vaultItem);
    EXPECT_FALSE(tree->isExpanded(vaultItem));
    EXPECT_EQ(rowTexts(model(), vaultItem), Texts{"Dummy"});
    EXPECT_EQ(ui.passwordModes.size(), 1u);

    ui.passwordAnswers.push_back({true, "wrong", "", ""});
    tree->expand(vaultItem);
    EXPECT_FALSE(tree->isExpanded(vaultItem));
    EXPECT_EQ(ui.messages, Texts{"Password is incorrect!"});

    answerPassword("pw");
    tree->expand(vaultItem);
    EXPECT_TRUE(tree->isExpanded(vaultItem));
    EXPECT_EQ(rowTexts(model(), vaultItem), (Texts{"Bank login", "Mail"}));
    expectLookupMatchesRows(vaultItem);
    // The opened category became the selection everywhere.
    ASSERT_FALSE(frame.selections.empty());
    EXPECT_EQ(frame.selections.back(), (Selection{tree.get(), &vault(), nullptr, nullptr}));

    tree->collapse(vaultItem);
    tree->expand(vaultItem);
    EXPECT_TRUE(tree->isExpanded(vaultItem));
    EXPECT_EQ(ui.passwordModes.size(), 3u);
}

TEST_F(TreeViewTest, SelectingASealedCategoryWithoutThePasswordGoesBack)
{
    tree->setCurrentIndex(item(home()));
    frame.selections.clear();
    tree->setCurrentIndex(item(vault()));
    EXPECT_EQ(selectedNode(), &home());
    EXPECT_TRUE(frame.selections.empty());

    answerPassword("pw");
    tree->setCurrentIndex(item(vault()));
    EXPECT_EQ(selectedNode(), &vault());
    EXPECT_EQ(frame.selections, (std::vector<Selection>{{tree.get(), &vault(), nullptr, nullptr}}));
    EXPECT_EQ(rowTexts(model(), item(vault())), (Texts{"Bank login", "Mail"}));
}

TEST_F(TreeViewTest, SelectionsAreReportedAndOnesMadeElsewhereDoNotBounceBack)
{
    tree->expand(item(home()));
    CCard& bike = *cardNamed(home(), "Bike");
    tree->setCurrentIndex(item(bike));
    tree->setCurrentIndex(item(home()));
    EXPECT_EQ(frame.selections, (std::vector<Selection>{{tree.get(), &home(), &bike, nullptr}, {tree.get(), &home(), nullptr, nullptr}}));

    // A selection made by another view (the list), with a card in a category not filled yet.
    frame.selections.clear();
    CCategory& garden = *child(home(), "Garden");
    addCard(garden, "Rake");
    CCard& rake = *cardNamed(garden, "Rake");
    frame.select(nullptr, &garden, &rake, nullptr);
    EXPECT_EQ(selectedNode(), &rake);
    EXPECT_EQ(frame.selections.size(), 1u);
    frame.select(nullptr, &root(), nullptr, nullptr);
    EXPECT_EQ(selectedNode(), &root());
    EXPECT_EQ(frame.selections.size(), 2u);
}

TEST_F(TreeViewTest, ClickAndEnterShowACardAndEnterTogglesACategory)
{
    const QModelIndex homeItem = item(home());
    tree->expand(homeItem);
    CCard& alarm = *cardNamed(home(), "Alarm");
    const QModelIndex alarmItem = item(alarm);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(alarmItem).center());
    EXPECT_EQ(frame.shownCards, std::vector<CCard*>{&alarm});
    EXPECT_EQ(selectedNode(), &alarm);

    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_EQ(frame.shownCards, (std::vector<CCard*>{&alarm, &alarm}));

    tree->setCurrentIndex(homeItem);
    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_FALSE(tree->isExpanded(homeItem));
    QTest::keyClick(tree.get(), Qt::Key_Enter);
    EXPECT_TRUE(tree->isExpanded(homeItem));
    EXPECT_EQ(frame.shownCards.size(), 2u);
}

TEST_F(TreeViewTest, ContextMenusCarryTheirItemsAndAnEncryptedCategoryNeedsThePassword)
{
    using Menu = std::vector<std::pair<int, std::string>>;
    const Menu categoryMenu = {{CommandId::NewCard, "New Card"}, {CommandId::NewCategory, "New Category"}, {0, ""},
                               {CommandId::EditCategory, "Edit"},  {CommandId::DeleteCategory, "Delete"},  {0, ""},
                               {CommandId::Cut, "Cut"},            {CommandId::Copy, "Copy"},              {CommandId::Paste, "Paste"}};
    const Menu cardMenu = {{CommandId::EditCard, "Edit"}, {CommandId::DeleteCard, "Delete"}, {0, ""}, {CommandId::Cut, "Cut"}, {CommandId::Copy, "Copy"}};

    contextMenuAt(item(home()));
    EXPECT_EQ(frame.contextNodes, std::vector<CNode*>{&home()});
    EXPECT_EQ(frame.menus, std::vector<Menu>{categoryMenu});
    EXPECT_EQ(selectedNode(), &home());

    tree->expand(item(home()));
    CCard& bike = *cardNamed(home(), "Bike");
    contextMenuAt(item(bike));
    EXPECT_EQ(frame.menus.back(), cardMenu);
    EXPECT_EQ(selectedNode(), &bike);

    contextMenuAt(item(vault()));
    EXPECT_EQ(frame.menus.size(), 2u);
    EXPECT_EQ(selectedNode(), &bike);
    answerPassword("pw");
    contextMenuAt(item(vault()));
    EXPECT_EQ(frame.menus.size(), 3u);
    EXPECT_EQ(selectedNode(), &vault());
}

TEST_F(TreeViewTest, TheDocumentsEditsShowWhereTheyBelongAndTheLookupFollows)
{
    const QModelIndex homeItem = item(home());
    tree->expand(homeItem);
    addCategory(home(), "Zoo");
    addCategory(home(), "Attic");
    addCard(home(), "Boat");
    addCard(home(), "Anchor");
    EXPECT_EQ(rowTexts(model(), homeItem), (Texts{"Attic", "Garden", "Zoo", "Alarm", "Anchor", "Bike", "Boat"}));
    expectLookupMatchesRows(homeItem);

    // A renamed card moves to its new place.
    CCard& alarm = *cardNamed(home(), "Alarm");
    const QPersistentModelIndex followed = item(alarm);
    alarm.setName("Zebra");
    ASSERT_TRUE(doc->updateCard(alarm));
    EXPECT_EQ(rowTexts(model(), homeItem), (Texts{"Attic", "Garden", "Zoo", "Anchor", "Bike", "Boat", "Zebra"}));
    EXPECT_EQ(QModelIndex(followed), item(alarm));
    expectLookupMatchesRows(homeItem);

    CCategory& garden = *child(home(), "Garden");
    garden.setName("Orchard");
    ASSERT_TRUE(doc->updateCategory(garden));
    EXPECT_EQ(item(garden).data().toString(), "Orchard");

    // A pasted category comes with its subtree.
    CCategory& work = *child(root(), "Work");
    ASSERT_TRUE(doc->pasteNode(home(), work));
    const QModelIndex copy = item(*child(work, "Home"));
    EXPECT_TRUE(tree->isExpanded(item(work)));
    EXPECT_TRUE(model().hasChildren(copy));
    tree->expand(copy);
    EXPECT_EQ(rowTexts(model(), copy), (Texts{"Attic", "Orchard", "Zoo", "Anchor", "Bike", "Boat", "Zebra"}));
    expectLookupMatchesRows(copy);
}

TEST_F(TreeViewTest, DeletingSelectsTheParentAndDropsTheWholeSubtree)
{
    const QModelIndex homeItem = item(home());
    tree->expand(homeItem);
    CCategory& garden = *child(home(), "Garden");
    addCard(garden, "Rake");
    CCard& rake = *cardNamed(garden, "Rake");
    tree->setCurrentIndex(item(rake));
    const QPersistentModelIndex rakeItem = item(rake);
    frame.selections.clear();

    ASSERT_TRUE(doc->deleteCategory(&garden));
    EXPECT_FALSE(rakeItem.isValid());
    EXPECT_EQ(selectedNode(), &home());
    EXPECT_EQ(frame.selections, (std::vector<Selection>{{tree.get(), &home(), nullptr, nullptr}}));
    EXPECT_EQ(rowTexts(model(), homeItem), (Texts{"Alarm", "Bike"}));
    expectLookupMatchesRows(homeItem);

    CCard& bike = *cardNamed(home(), "Bike");
    tree->setCurrentIndex(item(bike));
    ASSERT_TRUE(doc->deleteCard(&bike));
    EXPECT_EQ(rowTexts(model(), homeItem), Texts{"Alarm"});
    EXPECT_EQ(selectedNode(), &home());
    expectLookupMatchesRows(homeItem);
}

TEST_F(TreeViewTest, LockingClosesOpenedEncryptedCategoriesAndSelectsTheRoot)
{
    answerPassword("pw");
    const QModelIndex vaultItem = item(vault());
    tree->expand(vaultItem);
    ASSERT_EQ(model().rowCount(vaultItem), 2);
    CCategory& inner = addCategory(vault(), "Inner");
    ASSERT_TRUE(item(inner).isValid());

    doc->lock();
    EXPECT_FALSE(tree->isExpanded(vaultItem));
    EXPECT_EQ(rowTexts(model(), vaultItem), Texts{"Dummy"});
    EXPECT_EQ(selectedNode(), &root());
    EXPECT_EQ(frame.selections.back(), (Selection{tree.get(), &root(), nullptr, nullptr}));

    // Opened for a search, the category has its children again.
    answerPassword("pw");
    ASSERT_EQ(doc->obtainDocumentKey(), CWalletDoc::kKeyHeld);
    ASSERT_TRUE(doc->decryptAllCategories());
    EXPECT_TRUE(tree->refreshAfterDecrypting());
    EXPECT_EQ(rowTexts(model(), vaultItem), (Texts{"Inner", "Bank login", "Mail"}));
    expectLookupMatchesRows(vaultItem);
}

} // namespace
