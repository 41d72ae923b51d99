#include "ViewsFixture.h"

#include "frame/CommandIds.h"
#include "views/CardListModel.h"
#include "views/WalletListView.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class ListViewTest : public ViewsTest {
protected:
    void SetUp() override
    {
        list = std::make_unique<CWalletListView>(services, frame);
        showSampleIn(*list, QSize(700, 400));
    }
    void TearDown() override { list.reset(); }

    CardListModel& model() const { return list->listModel(); }
    CCategory& home() { return *child(root(), "Home"); }
    CCategory& vault() { return *child(root(), "Vault"); }
    QModelIndex row(const CNode* node) const { return model().indexOf(node); }
    QModelIndex upRow() const { return model().index(0, 0); }
    CNode* selectedNode() const
    {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? nullptr : model().node(rows.front());
    }
    void doubleClick(const QModelIndex& at)
    {
        const QPoint point = list->visualRect(at).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    }
    void contextMenuAt(const QModelIndex& at)
    {
        const QPoint point = list->visualRect(at).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, list->viewport()->mapToGlobal(point));
        QApplication::sendEvent(list->viewport(), &event);
    }
    // Lists `category` as the frame does when another view selects it.
    void showCategory(CCategory& category) { frame.select(nullptr, &category, nullptr, nullptr); }

    std::unique_ptr<CWalletListView> list;
};

TEST_F(ListViewTest, TheRootListsSubcategoriesThenCardsWithTypeAndTimeAndNoUpRow)
{
    addCard(root(), "Note");
    CCard& note = *cardNamed(root(), "Note");
    note.setModifiedTime(QDateTime(QDate(2024, 3, 7), QTime(9, 5)).toSecsSinceEpoch());
    ASSERT_TRUE(doc->updateCard(note));

    EXPECT_EQ(list->shownCategory(), &root());
    EXPECT_EQ(rowTexts(model()), (Texts{"Home", "Vault", "Work", "Note"}));
    EXPECT_EQ(rowTexts(model(), {}, CardListModel::TypeColumn), (Texts{"Category", "Category", "Category", "Free Form"}));
    EXPECT_EQ(rowTexts(model(), {}, CardListModel::ModifiedColumn), (Texts{"", "", "", "07.03.2024 09:05"}));
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), "Type");
    EXPECT_EQ(model().headerData(2, Qt::Horizontal).toString(), "Modified");
    EXPECT_EQ(list->header()->sectionSize(0), list->viewport()->width() - 330);
    EXPECT_EQ(list->header()->sectionSize(1), 180);
    EXPECT_EQ(list->header()->sectionSize(2), 150);
    EXPECT_FALSE(model().data(row(&note), Qt::DecorationRole).value<QIcon>().isNull());
}

TEST_F(ListViewTest, DoubleClicksOpenASubcategoryAndUpReturnsWithTheLeftCategorySelected)
{
    doubleClick(row(&home()));
    EXPECT_EQ(frame.selections.back(), (Selection{nullptr, &home(), nullptr, nullptr}));
    EXPECT_EQ(list->shownCategory(), &home());
    EXPECT_EQ(rowTexts(model()), (Texts{"Up", "Garden", "Alarm", "Bike"}));
    EXPECT_TRUE(model().isUpRow(upRow()));
    EXPECT_FALSE(model().data(upRow(), Qt::DecorationRole).value<QIcon>().isNull());

    frame.selections.clear();
    doubleClick(upRow());
    ASSERT_FALSE(frame.selections.empty());
    EXPECT_EQ(frame.selections.back(), (Selection{nullptr, &root(), nullptr, &home()}));
    EXPECT_EQ(list->shownCategory(), &root());
    EXPECT_EQ(selectedNode(), &home());
    EXPECT_EQ(list->currentIndex().row(), row(&home()).row());

    // Double-clicking a card opens nothing.
    showCategory(home());
    frame.selections.clear();
    doubleClick(row(cardNamed(home(), "Bike")));
    EXPECT_EQ(list->shownCategory(), &home());
    for (const Selection& selection : frame.selections)
        EXPECT_EQ(selection.sender, list.get());
}

TEST_F(ListViewTest, SelectingRowsTellsTheFrameWhatTheRowIs)
{
    showCategory(home());
    frame.selections.clear();
    CCard& bike = *cardNamed(home(), "Bike");
    CCategory& garden = *child(home(), "Garden");
    list->setCurrentIndex(row(&bike));
    list->setCurrentIndex(row(&garden));
    list->setCurrentIndex(upRow());
    list->selectionModel()->clearSelection();
    EXPECT_EQ(frame.selections, (std::vector<Selection>{{list.get(), &home(), &bike, nullptr},
                                                        {list.get(), &home(), nullptr, &garden},
                                                        {list.get(), &home(), nullptr, nullptr},
                                                        {list.get(), &home(), nullptr, nullptr}}));
    // The frame's selected category stays the listed one.
    EXPECT_EQ(frame.selectedCategory(), &home());
}

TEST_F(ListViewTest, ASelectionMadeElsewhereIsFollowedWithoutBouncingBack)
{
    CCard& alarm = *cardNamed(home(), "Alarm");
    frame.select(nullptr, &home(), &alarm, nullptr);
    EXPECT_EQ(list->shownCategory(), &home());
    EXPECT_EQ(selectedNode(), &alarm);
    frame.select(nullptr, &home(), nullptr, child(home(), "Garden"));
    EXPECT_EQ(selectedNode(), child(home(), "Garden"));
    frame.select(nullptr, &home(), nullptr, nullptr);
    EXPECT_EQ(selectedNode(), nullptr);
    EXPECT_EQ(frame.selections.size(), 3u);
}

TEST_F(ListViewTest, ClickAndEnterOpenWhatTheRowHolds)
{
    showCategory(home());
    CCard& alarm = *cardNamed(home(), "Alarm");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row(&alarm)).center());
    EXPECT_EQ(frame.shownCards, std::vector<CCard*>{&alarm});
    QTest::keyClick(list.get(), Qt::Key_Return);
    EXPECT_EQ(frame.shownCards.size(), 2u);

    list->setCurrentIndex(row(child(home(), "Garden")));
    QTest::keyClick(list.get(), Qt::Key_Enter);
    EXPECT_EQ(list->shownCategory(), child(home(), "Garden"));
    list->setCurrentIndex(upRow());
    QTest::keyClick(list.get(), Qt::Key_Return);
    EXPECT_EQ(list->shownCategory(), &home());
    EXPECT_EQ(selectedNode(), child(home(), "Garden"));
}

TEST_F(ListViewTest, OpeningASealedCategoryNeedsThePassword)
{
    doubleClick(row(&vault()));
    EXPECT_EQ(list->shownCategory(), &root());
    EXPECT_EQ(ui.passwordModes.size(), 1u);

    answerPassword("pw");
    doubleClick(row(&vault()));
    EXPECT_EQ(list->shownCategory(), &vault());
    EXPECT_EQ(rowTexts(model()), (Texts{"Up", "Bank login", "Mail"}));
    EXPECT_EQ(rowTexts(model(), {}, CardListModel::TypeColumn), (Texts{"", "Password", "Password"}));

    // Locking lists the root again: the cards listed are about to go.
    doc->lock();
    EXPECT_EQ(list->shownCategory(), &root());
}

TEST_F(ListViewTest, TheDocumentsChangesUpdateTheRows)
{
    showCategory(home());
    CCard& alarm = *cardNamed(home(), "Alarm");
    alarm.setName("Zebra");
    ASSERT_TRUE(doc->updateCard(alarm));
    EXPECT_EQ(rowTexts(model()), (Texts{"Up", "Garden", "Bike", "Zebra"}));
    EXPECT_EQ(model().node(row(&alarm)), &alarm);

    CCategory& garden = *child(home(), "Garden");
    garden.setName("Orchard");
    ASSERT_TRUE(doc->updateCategory(garden));
    EXPECT_EQ(row(&garden).data().toString(), "Orchard");

    // The selected card deleted: the frame no longer holds it.
    CCard* bike = cardNamed(home(), "Bike");
    list->setCurrentIndex(row(bike));
    ASSERT_EQ(frame.selectedCard(), bike);
    ASSERT_TRUE(doc->deleteCard(bike));
    EXPECT_EQ(rowTexts(model()), (Texts{"Up", "Orchard", "Zebra"}));
    EXPECT_EQ(model().node(row(&alarm)), &alarm);
    EXPECT_EQ(frame.selectedCard(), nullptr);
    EXPECT_EQ(frame.selectedCategory(), &home());

    // A card added anywhere lists the frame's category anew.
    addCard(home(), "Anchor");
    EXPECT_EQ(rowTexts(model()), (Texts{"Up", "Orchard", "Anchor", "Zebra"}));

    // The listed category deleted: the root is listed.
    ASSERT_TRUE(doc->deleteCategory(&garden));
    EXPECT_EQ(rowTexts(model()), (Texts{"Up", "Anchor", "Zebra"}));
    ASSERT_TRUE(doc->deleteCategory(&home()));
    EXPECT_EQ(list->shownCategory(), &root());
    EXPECT_EQ(rowTexts(model()), (Texts{"Vault", "Work"}));
}

TEST_F(ListViewTest, ContextMenusForCategoriesAndCardsButNotUp)
{
    using Menu = std::vector<std::pair<int, std::string>>;
    showCategory(home());
    contextMenuAt(upRow());
    EXPECT_TRUE(frame.menus.empty());

    contextMenuAt(row(child(home(), "Garden")));
    ASSERT_EQ(frame.menus.size(), 1u);
    EXPECT_EQ(frame.menus[0].front(), (std::pair<int, std::string>{CommandId::NewCard, "New Card"}));
    EXPECT_EQ(frame.menus[0].back(), (std::pair<int, std::string>{CommandId::Paste, "Paste"}));
    EXPECT_EQ(frame.contextNodes, std::vector<CNode*>{child(home(), "Garden")});

    contextMenuAt(row(cardNamed(home(), "Bike")));
    EXPECT_EQ(frame.menus.back(), (Menu{{CommandId::EditCard, "Edit"}, {CommandId::DeleteCard, "Delete"}, {0, ""}, {CommandId::Cut, "Cut"}, {CommandId::Copy, "Copy"}}));

    // No password before the menu of an encrypted category.
    showCategory(root());
    contextMenuAt(row(&vault()));
    EXPECT_EQ(frame.menus.size(), 3u);
    EXPECT_TRUE(ui.passwordModes.empty());
}

} // namespace
