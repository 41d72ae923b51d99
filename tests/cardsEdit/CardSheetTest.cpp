#include "EditorFixture.h"

#include "cards/CardKinds.h"
#include "cards/edit/CardKindPage.h"
#include "cards/edit/CardMedia.h"
#include "cards/edit/CardProperties.h"
#include "cards/edit/CardSheet.h"
#include "cards/edit/KindPageTable.h"
#include "cards/edit/MediaPath.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kProgramDir = QStringLiteral("/opt/keldra");

class CardSheetTest : public ::testing::Test {
protected:
    void clickOk(CCardSheet& sheet) { QTest::mouseClick(control<QPushButton>(sheet, 1), Qt::LeftButton); }

    ScriptedUserInterface ui;
    ScriptedChoosers choosers;
};

} // namespace

TEST_F(CardSheetTest, ABlankNameIsRefusedAndTheSheetStaysOpen)
{
    CCardSheet sheet(0, ui, choosers, kProgramDir);
    EXPECT_EQ(sheet.windowTitle(), "Create New Card");
    sheet.show();
    sheet.tabs().setCurrentIndex(2);
    control<QLineEdit>(sheet, kNameControlId)->setText("   ");
    clickOk(sheet);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Card name can not be empty string"});
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.tabs().currentWidget(), &sheet.kindPage());
    EXPECT_FALSE(sheet.kindPage().lastConfirmationSucceeded());
    EXPECT_EQ(sheet.takeNewCard(), nullptr);

    // Blanks around a name pass the check; the card keeps the text as typed.
    control<QLineEdit>(sheet, kNameControlId)->setText(" Savings ");
    clickOk(sheet);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    std::unique_ptr<CCard> made = sheet.takeNewCard();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getName(), " Savings ");
    EXPECT_EQ(made->getHiddenMode(), CCard::kHideHidden);
}

TEST_F(CardSheetTest, EditingChangesTheCardInPlaceAndCancelLeavesIt)
{
    std::unique_ptr<CFieldCard> card = filledCard(19);
    card->setName("Mail");
    {
        CCardSheet sheet(*card, ui, choosers, kProgramDir);
        EXPECT_EQ(sheet.windowTitle(), "Edit Mail");
        control<QLineEdit>(sheet, kFieldControlBase + CCardPassword::Username)->setText("ines");
        sheet.reject();
    }
    EXPECT_EQ(card->text(CCardPassword::Username), "1");
    CCardSheet sheet(*card, ui, choosers, kProgramDir);
    control<QLineEdit>(sheet, kFieldControlBase + CCardPassword::Username)->setText("ines");
    choosers.colors = {QColor(0x10, 0x20, 0x30)};
    QTest::mouseClick(control<QPushButton>(sheet.properties(), CCardProperties::kCardColorId), Qt::LeftButton);
    control<QRadioButton>(sheet.properties(), CCardProperties::kShowId)->setChecked(true);
    clickOk(sheet);
    EXPECT_EQ(card->text(CCardPassword::Username), "ines");
    EXPECT_EQ(card->getCardColor(), 0x302010u);
    EXPECT_EQ(card->getHiddenMode(), CCard::kShowHidden);
}

TEST_F(CardSheetTest, PropertiesFollowTheKind)
{
    struct Case {
        int typeId;
        bool existing;
        bool hiddensEnabled;
        bool showIconEnabled;
    };
    const Case cases[] = {
        {1, true, false, true},  // a birthday card hides nothing
        {22, false, false, true},
        {7, true, true, false},  // an existing credit card keeps its show-icon state
        {7, false, true, true},
        {26, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typeId);
        std::unique_ptr<CFieldCard> card = filledCard(c.typeId);
        const auto sheet = c.existing ? std::make_unique<CCardSheet>(*card, ui, choosers, kProgramDir)
                                      : std::make_unique<CCardSheet>(c.typeId, ui, choosers, kProgramDir);
        const CCardProperties& page = sheet->properties();
        for (int id : {CCardProperties::kShowId, CCardProperties::kHideId, CCardProperties::kHiddensId})
            EXPECT_EQ(control<QWidget>(page, id)->isEnabled(), c.hiddensEnabled) << id;
        EXPECT_EQ(control<QCheckBox>(page, CCardProperties::kShowIconId)->isEnabled(), c.showIconEnabled);
        if (!c.existing) {
            EXPECT_TRUE(control<QCheckBox>(page, CCardProperties::kBorderId)->isChecked());
            EXPECT_TRUE(control<QCheckBox>(page, CCardProperties::kShowIconId)->isChecked());
            EXPECT_EQ(control<QRadioButton>(page, CCardProperties::kHideId)->isChecked(), c.hiddensEnabled);
        }
    }
    // A kind without hidden fields keeps its mode.
    std::unique_ptr<CFieldCard> birthday = filledCard(1);
    CCardSheet sheet(*birthday, ui, choosers, kProgramDir);
    clickOk(sheet);
    EXPECT_EQ(birthday->getHiddenMode(), CCard::kNothingHidden);
}

TEST_F(CardSheetTest, EveryPageTakesTheDialogFontAndFitsTheSheet)
{
    for (const int typeId : {0, 6, 15}) {
        SCOPED_TRACE(typeId);
        std::unique_ptr<CFieldCard> card = filledCard(typeId);
        CCardSheet sheet(*card, ui, choosers, kProgramDir);
        sheet.show();
        const QWidget* controls[] = {control<QLineEdit>(sheet, kNameControlId), control<QCheckBox>(sheet, CCardProperties::kBorderId),
                                     control<QPushButton>(sheet, CCardMedia::kPictureLinkId), control<QPushButton>(sheet, 1)};
        for (const QWidget* c : controls) {
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->font(), gDialogFixer.font()) << c->objectName().toStdString();
        }
        EXPECT_TRUE(control<QPushButton>(sheet, 1)->isVisible());
        // The pages are made for that font: at the size the sheet opens with, none scrolls.
        for (CCardDialog* page : {static_cast<CCardDialog*>(&sheet.kindPage()), static_cast<CCardDialog*>(&sheet.media())}) {
            sheet.tabs().setCurrentWidget(page);
            QApplication::processEvents();
            EXPECT_FALSE(page->scroller().vScrolling()) << sheet.tabs().currentIndex();
            EXPECT_FALSE(page->scroller().hScrolling()) << sheet.tabs().currentIndex();
        }
    }
}

TEST_F(CardSheetTest, PicturePlacementIsTheChosenButtonTileTenNoneZero)
{
    std::unique_ptr<CFieldCard> card = filledCard(4);
    choosers.files = {"/opt/keldra/media/pictures/coat.jpg"};
    CCardMedia media(card.get(), choosers, kProgramDir);
    auto* link = control<QPushButton>(media, CCardMedia::kPictureLinkId);
    auto* tile = control<QRadioButton>(media, CCardMedia::kPlacementIds[9]);
    EXPECT_FALSE(tile->isEnabled());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(link->text(), "Change");
    EXPECT_EQ(choosers.filters.back(), "Graphic files|*.bmp;*.jpg;*.gif|All files(*.*)|*.*||");
    EXPECT_EQ(media.placement(), 0);
    tile->setChecked(true);
    media.applyTo(*card);
    EXPECT_EQ(card->getPicturePlacement(), 10);
    EXPECT_EQ(card->getPicturePath(), std::optional<CString>("media\\pictures\\coat.jpg"));
    EXPECT_TRUE(card->getPictureReload());
    control<QRadioButton>(media, 1103)->setChecked(true);
    EXPECT_EQ(media.placement(), 2);
}

TEST_F(CardSheetTest, UnlinkingTheSoundDisablesItsButtons)
{
    std::unique_ptr<CFieldCard> card = filledCard(24);
    card->setSoundPath(CString("media\\ring.wav"));
    CCardMedia media(card.get(), choosers, kProgramDir);
    const int soundControls[] = {CCardMedia::kPlayId, CCardMedia::kSoundUnlinkId, CCardMedia::kPlayOnOpenId};
    for (int id : soundControls)
        EXPECT_TRUE(control<QWidget>(media, id)->isEnabled()) << id;
    QTest::mouseClick(control<QPushButton>(media, CCardMedia::kSoundUnlinkId), Qt::LeftButton);
    for (int id : {CCardMedia::kPlayId, CCardMedia::kStopId, CCardMedia::kSoundUnlinkId, CCardMedia::kPlayOnOpenId})
        EXPECT_FALSE(control<QWidget>(media, id)->isEnabled()) << id;
    EXPECT_EQ(control<QPushButton>(media, CCardMedia::kSoundLinkId)->text(), "Link");
    media.applyTo(*card);
    EXPECT_FALSE(card->getSoundPath().has_value());
}

TEST_F(CardSheetTest, PlayingASoundThatCannotPlayGivesTheButtonsBack)
{
    std::unique_ptr<CFieldCard> card = filledCard(24);
    card->setSoundPath(CString("media\\gone.wav"));
    CCardMedia media(card.get(), choosers, kProgramDir);
    QTest::mouseClick(control<QPushButton>(media, CCardMedia::kPlayId), Qt::LeftButton);
    EXPECT_TRUE(control<QWidget>(media, CCardMedia::kPlayId)->isEnabled());
    EXPECT_TRUE(control<QWidget>(media, CCardMedia::kSoundUnlinkId)->isEnabled());
    EXPECT_FALSE(control<QWidget>(media, CCardMedia::kStopId)->isEnabled());
}

TEST(MediaPath, FilesBelowTheProgramDirectoryAreKeptRelative)
{
    EXPECT_EQ(cardMediaPath("/opt/keldra/media/a.wav", "/opt/keldra"), "media\\a.wav");
    EXPECT_EQ(cardMediaPath("/opt/keldra/a.bmp", "/opt/keldra/"), "a.bmp");
    EXPECT_EQ(cardMediaPath("/opt/keldra2/a.bmp", "/opt/keldra"), "\\opt\\keldra2\\a.bmp");
}
