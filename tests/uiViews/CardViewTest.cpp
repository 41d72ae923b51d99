#include "ViewsFixture.h"

#include "cards/edit/CardSheet.h"
#include "cards/edit/KindPageTable.h"
#include "cards/show/CardDisplayFactory.h"
#include "cards/show/ShowCardDialog.h"
#include "views/CardView.h"
#include "views/NotesView.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CardViewTest : public ViewsTest {
protected:
    void SetUp() override
    {
        createWallet();
        home = &addCategory(root(), "Home");
        card = &addPassword(*home, "Bank login");
        card->getNotes() = "first notes";
        ASSERT_TRUE(doc->updateCard(*card));
        notes = new CNotesView(&pane);
        view = new CCardView(services, frame, &pane);
        view->setNotesView(notes);
        view->setSheetRunner([this](CCardSheet& sheet) { return runSheet(sheet); });
        view->resize(400, 500);
        pane.show();
    }

    // The person renames the card in the editor and confirms, or cancels.
    int runSheet(CCardSheet& sheet)
    {
        ++sheetsOpened;
        if (!renameTo)
            return QDialog::Rejected;
        sheet.show();
        control<QLineEdit>(sheet, kNameControlId)->setText(renameTo);
        sheet.accept();
        return sheet.result();
    }

    CShowCardDialog* showCard(CCard& shown)
    {
        CShowCardDialog* display = createCardDisplay(shown, sound, services.programDir.toStdString().c_str(), nullptr);
        view->showDisplay(display, &shown);
        return display;
    }
    void clickDisplay() { QTest::mouseClick(view->display(), Qt::LeftButton, {}, QPoint(3, 3)); }
    static void destroyDroppedDisplays() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget pane;
    CNotesView* notes = nullptr;
    CCardView* view = nullptr;
    CCategory* home = nullptr;
    CCard* card = nullptr;
    const char* renameTo = nullptr;
    int sheetsOpened = 0;
};

TEST_F(CardViewTest, TheDisplayIsCentredOnGreyAndFollowsTheSize)
{
    EXPECT_EQ(view->grab().toImage().pixel(5, 5), CCardView::kBackground);
    CShowCardDialog* display = showCard(*card);
    EXPECT_EQ(display->parent(), view);
    EXPECT_TRUE(display->isVisible());
    ASSERT_EQ(display->size(), QSize(275, 310));
    EXPECT_EQ(display->pos(), QPoint((400 - 275) / 2, (500 - 310) / 2));
    EXPECT_EQ(notes->toPlainText(), "first notes");
    EXPECT_TRUE(notes->isReadOnly());

    view->resize(200, 101);
    EXPECT_EQ(display->pos(), QPoint(-37, -104));
    EXPECT_EQ(view->origin(), display->pos());
}

TEST_F(CardViewTest, ANewDisplayReplacesTheOldOneAndNullLeavesTheGreyOnly)
{
    const QPointer<CShowCardDialog> first = showCard(*card);
    CCard& other = addPassword(*home, "Mail");
    showCard(other);
    destroyDroppedDisplays();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(view->card(), &other);
    EXPECT_EQ(notes->toPlainText(), "");

    view->showDisplay(nullptr, nullptr);
    EXPECT_EQ(view->display(), nullptr);
    EXPECT_EQ(view->card(), nullptr);
}

TEST_F(CardViewTest, AClickOnTheCardEditsItAndTheDocumentStoresIt)
{
    showCard(*card);
    notes->setPlainText("stale");
    renameTo = "Savings login";
    clickDisplay();
    EXPECT_EQ(sheetsOpened, 1);
    EXPECT_EQ(card->getName(), "Savings login");
    EXPECT_EQ(notes->toPlainText(), "first notes");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GE(frame.timerRestarts, 1);
    ASSERT_TRUE(reopen());
    EXPECT_NE(cardNamed(*child(root(), "Home"), "Savings login"), nullptr);
}

TEST_F(CardViewTest, ClicksOnTheGreyAndInTheNotesOpenTheEditorAndCancelChangesNothing)
{
    QTest::mouseClick(notes->viewport(), Qt::LeftButton);
    EXPECT_EQ(sheetsOpened, 0);

    showCard(*card);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(notes->viewport(), Qt::LeftButton);
    QTest::mouseClick(notes->viewport(), Qt::RightButton);
    EXPECT_EQ(sheetsOpened, 2);
    EXPECT_EQ(card->getName(), "Bank login");
}

TEST_F(CardViewTest, AFailedUpdateIsTold)
{
    doc->deleteContents();
    auto unstored = std::make_unique<CCardPassword>("Loose", "n", "sys", "me", "pw", "");
    CCard* loose = unstored.get();
    root().insertCard(std::move(unstored));
    showCard(*loose);
    renameTo = "Renamed";
    clickDisplay();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Can't update item in storage!"});
    EXPECT_EQ(ui.messageTypes, std::vector<UINT>{MB_OK | MB_ICONWARNING});
    EXPECT_EQ(view->card(), loose);
}

TEST_F(CardViewTest, TheDisplayGoesWithItsCardAndWithTheCategoryAboveIt)
{
    CCard& other = addPassword(*home, "Mail");
    const QPointer<CShowCardDialog> display = showCard(*card);
    ASSERT_TRUE(doc->deleteCard(&other));
    EXPECT_EQ(view->display(), display.data());

    ASSERT_TRUE(doc->deleteCard(card));
    EXPECT_EQ(view->display(), nullptr);
    EXPECT_EQ(view->card(), nullptr);
    EXPECT_EQ(notes->toPlainText(), "");
    destroyDroppedDisplays();
    EXPECT_TRUE(display.isNull());

    CCard& again = addPassword(*home, "Again");
    showCard(again);
    ASSERT_TRUE(doc->deleteCategory(home));
    EXPECT_EQ(view->display(), nullptr);

    // Another wallet loaded: nothing of the old tree stays.
    showCard(addPassword(root(), "Top"));
    ASSERT_TRUE(reopen());
    EXPECT_EQ(view->display(), nullptr);
    EXPECT_EQ(view->card(), nullptr);
}

TEST_F(CardViewTest, LockingDropsACardOfAnEncryptedCategory)
{
    answerPassword("pw");
    ASSERT_TRUE(doc->setPassword());
    CCategory& vault = addCategory(root(), "Vault", true);
    addPassword(vault, "Secret");
    showCard(*card);
    doc->lock();
    EXPECT_EQ(view->card(), card);

    answerPassword("pw");
    ASSERT_TRUE(doc->openEncryptedCategory(vault));
    showCard(*cardNamed(vault, "Secret"));
    doc->lock();
    EXPECT_EQ(view->display(), nullptr);
}

} // namespace
