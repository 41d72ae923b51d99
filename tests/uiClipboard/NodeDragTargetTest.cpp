// Drops onto the card list and the tree, driven through their drop targets
// with the data a drag of this program carries.
#include "ClipboardFixture.h"

#include "cards/CardPassword.h"
#include "clipboard/NodeDragTarget.h"
#include "clipboard/NodeMimeData.h"
#include "views/CardListModel.h"
#include "views/CategoryTreeModel.h"
#include "views/WalletListView.h"
#include "views/WalletTreeView.h"

#include <QDropEvent>

namespace {

class DragTest : public ClipboardTest {
protected:
    // The list shows Home: "Up", Garden, Bike.
    void listHome()
    {
        frame->select(nullptr, home, nullptr, nullptr);
        QApplication::processEvents();
    }
    CWalletListView& list() { return frame->listView(); }
    CWalletTreeView& tree() { return frame->treeView(); }
    QPoint listRow(const CNode* node) { return list().visualRect(list().listModel().indexOf(node)).center(); }
    QPoint upRow() { return list().visualRect(list().listModel().index(0, 0)).center(); }
    QPoint belowRows() { return {5, list().viewport()->height() - 3}; }
    QPoint treeItem(CNode* node)
    {
        tree().expandAll();
        return tree().visualRect(tree().indexOf(node)).center();
    }
    bool dropOnList(CNode& node, QPoint pos, Qt::DropAction effect = Qt::MoveAction)
    {
        return list().dropTarget().drop(CNodeMimeData(node), pos, effect);
    }
};

TEST_F(DragTest, CopyWithCtrlMoveWithoutAndNothingButThisProgramsNodes)
{
    sampleWallet();
    CNodeDragTarget& target = list().dropTarget();
    const CNodeMimeData bikeData(*bike);
    EXPECT_EQ(target.dragEffect(bikeData, Qt::ControlModifier), Qt::CopyAction);
    EXPECT_EQ(target.dragEffect(bikeData, Qt::ControlModifier | Qt::ShiftModifier), Qt::CopyAction);
    EXPECT_EQ(target.dragEffect(bikeData, Qt::NoModifier), Qt::MoveAction);
    EXPECT_EQ(target.dragEffect(bikeData, Qt::ShiftModifier), Qt::MoveAction);

    // The same bytes from elsewhere (another program's drag) are not taken.
    QMimeData foreign;
    foreign.setData(QString::fromLatin1(ClipboardTexts::kNodeFormat), bikeData.data(QString::fromLatin1(ClipboardTexts::kNodeFormat)));
    EXPECT_EQ(bikeData.data(QString::fromLatin1(ClipboardTexts::kNodeFormat)).size(), 4);
    EXPECT_EQ(target.dragEffect(foreign, Qt::NoModifier), Qt::IgnoreAction);
    EXPECT_FALSE(target.drop(foreign, QPoint(), Qt::CopyAction));
    EXPECT_EQ(tree().dropTarget().dragEffect(QMimeData(), Qt::NoModifier), Qt::IgnoreAction);

    // A node deleted during the drag is no longer offered.
    ASSERT_TRUE(doc->deleteCard(bike));
    EXPECT_EQ(target.dragEffect(bikeData, Qt::NoModifier), Qt::IgnoreAction);
}

TEST_F(DragTest, TheDropTakesTheEffectOfTheLastDragOver)
{
    sampleWallet();
    listHome();
    CNodeDragTarget& target = list().dropTarget();
    const CNodeMimeData data(*seeds);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

    // Without a drag over the view first, a drop is not taken.
    QDropEvent early(QPointF(belowRows()), offered, &data, Qt::LeftButton, Qt::NoModifier);
    target.dropped(early);
    EXPECT_FALSE(early.isAccepted());

    QDragMoveEvent over(belowRows(), offered, &data, Qt::LeftButton, Qt::ControlModifier);
    target.dragMoved(over);
    EXPECT_TRUE(over.isAccepted());
    EXPECT_EQ(over.dropAction(), Qt::CopyAction);
    // Ctrl was let go at the drop itself: still a copy.
    QDropEvent drop(QPointF(belowRows()), offered, &data, Qt::LeftButton, Qt::NoModifier);
    target.dropped(drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Bike", "Seeds"}));
    EXPECT_EQ(names(*garden), (std::vector<std::string>{"Seeds"}));

    QMimeData other;
    other.setText(QStringLiteral("Seeds"));
    QDragMoveEvent foreign(belowRows(), offered, &other, Qt::LeftButton, Qt::NoModifier);
    target.dragMoved(foreign);
    EXPECT_FALSE(foreign.isAccepted());
}

TEST_F(DragTest, TheListTakesDropsOnCategoryRowsAndOutsideTheRows)
{
    sampleWallet();
    listHome();
    // A card of Garden dropped below the rows goes into the shown category.
    ASSERT_TRUE(dropOnList(*seeds, belowRows(), Qt::CopyAction));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Bike", "Seeds"}));
    EXPECT_EQ(names(*garden), (std::vector<std::string>{"Seeds"}));

    // A move onto the Garden row: the copy arrives, then the node goes.
    ASSERT_TRUE(dropOnList(*bike, listRow(garden)));
    EXPECT_EQ(names(*garden), (std::vector<std::string>{"Bike", "Seeds"}));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Seeds"}));
    EXPECT_EQ(failureMessages(), 0);
}

TEST_F(DragTest, RefusedDropsChangeNothing)
{
    sampleWallet();
    listHome();
    enum Where { ListRow, ListOutside, TreeItem, TreeOutside };
    const struct {
        const char* what;
        CNode* dragged;
        QPoint pos;
        Where where;
    } cases[] = {
        {"onto a card row", work, listRow(bike), ListRow},
        {"onto Up", work, upRow(), ListRow},
        {"category onto its own row", garden, listRow(garden), ListRow},
        {"category outside the rows of its own list", home, belowRows(), ListOutside},
        {"category onto a category row below it", home, listRow(garden), ListRow},
        {"onto a card item", work, treeItem(bike), TreeItem},
        {"category onto its own item", home, treeItem(home), TreeItem},
        {"category onto an item below it", home, treeItem(garden), TreeItem},
        {"nowhere in the tree", work, QPoint(5, tree().viewport()->height() - 3), TreeOutside},
    };
    for (const auto& test : cases) {
        const bool onTree = test.where == TreeItem || test.where == TreeOutside;
        const QAbstractItemView& view = onTree ? static_cast<QAbstractItemView&>(tree()) : list();
        EXPECT_EQ(view.indexAt(test.pos).isValid(), test.where == ListRow || test.where == TreeItem) << test.what;
        CNodeDragTarget& target = onTree ? tree().dropTarget() : list().dropTarget();
        EXPECT_FALSE(target.drop(CNodeMimeData(*test.dragged), test.pos, Qt::MoveAction)) << test.what;
    }
    EXPECT_EQ(names(root()), (std::vector<std::string>{"Home/", "Work/"}));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Bike"}));
    EXPECT_EQ(names(*garden), (std::vector<std::string>{"Seeds"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DragTest, TheTreeTakesDropsOnCategoryItems)
{
    sampleWallet();
    ASSERT_TRUE(tree().dropTarget().drop(CNodeMimeData(*garden), treeItem(work), Qt::MoveAction));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Bike"}));
    ASSERT_EQ(names(*work), (std::vector<std::string>{"Garden/"}));
    CCategory* moved = work->getSubcategories().front().get();
    EXPECT_EQ(names(*moved), (std::vector<std::string>{"Seeds"}));
    // The tree follows: the moved category shows under Work.
    EXPECT_TRUE(tree().indexOf(moved).isValid());
    EXPECT_EQ(tree().indexOf(moved).parent(), tree().indexOf(work));

    ASSERT_TRUE(tree().dropTarget().drop(CNodeMimeData(*bike), treeItem(&root()), Qt::CopyAction));
    EXPECT_EQ(names(root()), (std::vector<std::string>{"Home/", "Work/", "Bike"}));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Bike"}));
}

TEST_F(DragTest, EncryptedCategoriesLeaveTheListOnlyAndBehindThePassword)
{
    sampleWallet();
    ui.passwordAnswers.push_back({true, "pw", "pw", ""});
    ASSERT_TRUE(doc->setPassword());
    CCategory& vault = addCategory(*home, "Vault", true);
    ASSERT_TRUE(doc->addCard(vault, std::make_unique<CCardPassword>("Bank login", "", "sys", "me", "s3cret", "")));
    reopen();
    CCategory* sealed = child(*home, "Vault");
    listHome();
    ui.messages.clear();

    // The list offers a drag of every row but "Up".
    const CardListModel& rows = list().listModel();
    EXPECT_TRUE(rows.flags(rows.indexOf(sealed)).testFlag(Qt::ItemIsDragEnabled));
    EXPECT_FALSE(rows.flags(rows.index(0, 0)).testFlag(Qt::ItemIsDragEnabled)); // "Up"

    // Refused password: the drop fails and says so.
    EXPECT_FALSE(dropOnList(*sealed, listRow(garden)));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{ClipboardTexts::kOperationFailed}));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Vault/", "Bike"}));

    ui.passwordAnswers.push_back({true, "pw", "", ""});
    ASSERT_TRUE(dropOnList(*sealed, listRow(garden)));
    EXPECT_EQ(names(*home), (std::vector<std::string>{"Garden/", "Bike"}));
    CCategory* moved = child(*garden, "Vault");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(names(*moved), (std::vector<std::string>{"Bank login"}));
    EXPECT_EQ(failureMessages(), 1);
}

} // namespace
