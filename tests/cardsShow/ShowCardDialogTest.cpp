#include "cards/CardFactory.h"
#include "cards/CardKinds.h"
#include "cards/show/CardDisplayFactory.h"
#include "cards/show/CardSound.h"
#include "cards/show/ShowCardDialog.h"
#include "platform/NativePath.h"
#include "support/TempDir.h"
#include "zenthoLib/Ui/QtText.h"
#include "zenthoLib/Ui/UrlOpener.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FakeSoundPlayer : public ICardSoundPlayer {
public:
    void play(const std::string& nativePath) override { played.push_back(nativePath); }
    void stop() override {}
    std::vector<std::string> played;
};

struct Fixture {
    FakeSoundPlayer sound;
    TempDir folder;
    CString programDir = fromNativePath(folder.path().string());

    std::unique_ptr<CShowCardDialog> display(CCard& card)
    {
        return std::unique_ptr<CShowCardDialog>(createCardDisplay(card, sound, programDir, nullptr));
    }
};

// Paints the display as the window would and gives the painted texts.
QStringList paint(CShowCardDialog& display)
{
    QImage image(display.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    display.paintCard(painter, display.rect().adjusted(0, 0, -5, -5));
    return display.paintedTexts();
}

std::unique_ptr<CCardPassword> hiddenPasswordCard()
{
    auto card = std::make_unique<CCardPassword>(CString("Mail"), CString(""), CString("mail.example.org"), CString("ann"),
                                                CString("s3cret"), CString(""));
    card->setHiddenMode(CCard::kHideHidden);
    return card;
}

TEST(ShowCardDialogTest, TheSwitchTogglesTheHiddenValueAndANewDisplayHidesItAgain)
{
    Fixture f;
    const auto card = hiddenPasswordCard();
    const auto display = f.display(*card);
    ASSERT_TRUE(display);
    QStringList texts = paint(*display);
    EXPECT_TRUE(texts.contains("Show Password"));
    EXPECT_FALSE(texts.contains("s3cret"));

    QTest::mouseClick(display.get(), Qt::LeftButton, {}, display->hiddenSwitchRect().center());
    texts = paint(*display);
    EXPECT_TRUE(texts.contains("Hide Password"));
    EXPECT_TRUE(texts.contains("s3cret"));

    const auto reopened = f.display(*card);
    texts = paint(*reopened);
    EXPECT_TRUE(texts.contains("Show Password"));
    EXPECT_FALSE(texts.contains("s3cret"));

    reopened->setPrintMode(true);
    texts = paint(*reopened);
    EXPECT_FALSE(texts.contains("Show Password"));
    EXPECT_TRUE(texts.contains("s3cret"));
}

TEST(ShowCardDialogTest, AClickOutsideTheSwitchEditsAndAConfirmedEditRepaintsFromTheCard)
{
    Fixture f;
    const auto card = hiddenPasswordCard();
    const auto display = f.display(*card);
    std::vector<CCard*> changed;
    QObject::connect(display.get(), &CShowCardDialog::cardChanged, [&](CCard* c) { changed.push_back(c); });
    int edits = 0;
    bool confirm = false;
    display->setEditHook([&](CCard& edited) {
        ++edits;
        auto& password = static_cast<CCardPassword&>(edited);
        password.setText(CCardPassword::System, CString("intranet"));
        password.setHiddenMode(CCard::kShowHidden);
        return confirm;
    });
    paint(*display);

    QTest::mouseClick(display.get(), Qt::LeftButton, {}, QPoint(120, 60));
    EXPECT_EQ(edits, 1);
    EXPECT_TRUE(changed.empty());
    EXPECT_FALSE(display->showsHidden());

    confirm = true;
    QTest::mouseClick(display.get(), Qt::LeftButton, {}, QPoint(120, 60));
    EXPECT_EQ(edits, 2);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], card.get());
    EXPECT_TRUE(display->showsHidden());
    const QStringList texts = paint(*display);
    EXPECT_TRUE(texts.contains("intranet"));
    EXPECT_TRUE(texts.contains("s3cret"));
}

TEST(ShowCardDialogTest, RowsWithAnEmptyValueOrAnEmptyCaptionAreLeftOut)
{
    struct Case {
        const char* accountType;
        const char* sortCode;
        bool numberRow;
        bool sortCodeRow;
    };
    const Case cases[] = {
        {"", "20-00-00", false, true},
        {"Checking", "", true, false},
    };
    Fixture f;
    for (const Case& c : cases) {
        CCardBankAccount card(CString("Bank"), CString(""), CString(c.accountType), CString("12345678"), CString("First Bank"),
                              CString(""), CString(c.sortCode), CString(""), CString(""));
        const auto display = f.display(card);
        const QStringList texts = paint(*display);
        EXPECT_EQ(texts.contains("12345678"), c.numberRow) << c.accountType;
        EXPECT_EQ(texts.contains("Checking Account"), c.numberRow) << c.accountType;
        EXPECT_EQ(texts.contains("Sort Code : "), c.sortCodeRow) << c.sortCode;
        EXPECT_TRUE(texts.contains("First Bank"));
        EXPECT_FALSE(texts.contains("Show Pin")) << "no switch without a PIN";
    }
}

TEST(ShowCardDialogTest, LinksOpenTheirAddressThroughTheUrlOpenerAndNotTheEditor)
{
    Fixture f;
    CCardWebSite site(CString("Shop"), CString(""), CString("Corner Shop"), CString("ann"), CString(""), CString("www.example.org/shop"));
    auto contact = createCard(6);
    static_cast<CFieldCard&>(*contact).setText(CCardContact::Email, CString("ann@example.org"));
    struct Case {
        CCard* card;
        QUrl address;
    };
    const Case cases[] = {{&site, QUrl("http://www.example.org/shop")}, {contact.get(), QUrl("mailto:ann@example.org")}};
    for (const Case& c : cases) {
        const auto display = f.display(*c.card);
        int edits = 0;
        display->setEditHook([&](CCard&) { return ++edits, false; });
        std::vector<QUrl> opened;
        const UrlOpener previous = setUrlOpener([&](const QUrl& url) { return opened.push_back(url), true; });
        QImage image(display->size(), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            display->paintCard(painter, display->rect().adjusted(0, 0, -5, -5));
        }
        QPoint onLink;
        for (int y = 0; y < 200 && onLink.isNull(); ++y)
            for (int x = 0; x < 240; ++x)
                if (image.pixelColor(x, y) == QColor(0, 0, 255)) {
                    onLink = QPoint(x, y);
                    break;
                }
        ASSERT_FALSE(onLink.isNull()) << "the address is drawn in the link colour";
        QTest::mouseClick(display.get(), Qt::LeftButton, {}, onLink);
        setUrlOpener(previous);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], c.address);
        EXPECT_EQ(edits, 0);
    }
}

TEST(ShowCardDialogTest, TiledPictureRepeatsAndAPictureLargerThanTheCardIsClipped)
{
    Fixture f;
    QImage picture(100, 70, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    ASSERT_TRUE(picture.save(QString::fromStdString(f.folder.file("tile.png"))));
    QImage large(400, 400, QImage::Format_RGB32);
    large.fill(Qt::blue);
    ASSERT_TRUE(large.save(QString::fromStdString(f.folder.file("large.png"))));

    CCardLibraryCard card;
    card.setBorder(false);
    card.setShowIcon(false);
    card.setPicturePlacement(CCard::kTiledPicture);
    card.setPicturePath(CString("tile.png"));
    const auto display = f.display(card);
    const QRect cardRect(10, 10, 240, 305);
    QImage canvas(300, 360, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        display->paintCard(painter, cardRect);
    }
    for (const QPoint copy : {QPoint(0, 0), QPoint(100, 0), QPoint(200, 70), QPoint(200, 280)})
        EXPECT_EQ(canvas.pixel(cardRect.topLeft() + copy), qRgb(255, 0, 0)) << copy.x() << "," << copy.y();
    EXPECT_EQ(canvas.pixel(cardRect.right(), cardRect.bottom()), QColor(Qt::green).rgb());
    EXPECT_EQ(canvas.pixel(cardRect.right() + 1, cardRect.bottom() + 1), QColor(Qt::white).rgb()) << "tiles stay inside the card";

    card.setPicturePath(CString("large.png"));
    card.setPictureReload(true);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        display->paintCard(painter, cardRect);
    }
    EXPECT_EQ(canvas.pixel(cardRect.bottomRight()), QColor(Qt::blue).rgb());
    EXPECT_EQ(canvas.pixel(cardRect.right() + 1, cardRect.top()), QColor(Qt::white).rgb());
    EXPECT_EQ(canvas.pixel(cardRect.left(), cardRect.bottom() + 1), QColor(Qt::white).rgb());
}

TEST(ShowCardDialogTest, TheSoundPlaysOnTheFirstPaintingOnly)
{
    Fixture f;
    QFile sound(QString::fromStdString(f.folder.file("ring.wav")));
    ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
    sound.close();
    CCardLibraryCard card;
    card.setSoundPath(CString("ring.wav"));
    card.setPlayOnOpen(true);
    const auto display = f.display(card);
    paint(*display);
    paint(*display);
    ASSERT_EQ(f.sound.played.size(), 1u);
    EXPECT_EQ(f.sound.played[0], f.folder.file("ring.wav"));

    card.setPlayOnOpen(false);
    paint(*f.display(card));
    EXPECT_EQ(f.sound.played.size(), 1u);
}

TEST(ShowCardDialogTest, TheContactNameLineNeedsAName)
{
    struct Case {
        const char* title;
        const char* firstName;
        const char* lastName;
        const char* nameLine; // null: no name line
    };
    const Case cases[] = {
        {"Dr", "Anna", "Lindqvist", "Dr Anna Lindqvist"},
        {"", "", "Lindqvist", "Lindqvist"},
        {"Dr", "Anna", "", "Dr Anna"},
        {"Dr", "", "", nullptr},
        {"", "", "", nullptr},
    };
    Fixture f;
    for (const Case& c : cases) {
        auto card = createCard(6);
        auto& contact = static_cast<CFieldCard&>(*card);
        contact.setText(CCardContact::Title, CString(c.title));
        contact.setText(CCardContact::FirstName, CString(c.firstName));
        contact.setText(CCardContact::LastName, CString(c.lastName));
        contact.setText(CCardContact::Company, CString("Harbour Hospital"));
        const QStringList texts = paint(*f.display(*card));
        ASSERT_FALSE(texts.isEmpty()) << c.title << "|" << c.firstName << "|" << c.lastName;
        if (c.nameLine)
            EXPECT_EQ(texts.first(), c.nameLine);
        else
            EXPECT_EQ(texts, QStringList{"Harbour Hospital"}) << "a title alone draws nothing: " << c.title;
        for (const QString& text : texts)
            EXPECT_FALSE(text.trimmed().isEmpty()) << "no blank line is drawn";
    }
}

TEST(ShowCardDialogTest, AnEmptyHiddenValueHasNoSwitchAndAClickThereEdits)
{
    struct Case {
        int typeId;
        int hiddenField;
        const char* showCaption;
    };
    const Case cases[] = {
        {0, CCardBankAccount::Pin, "Show Pin"},     {2, CCardCalling::Pin, "Show Pin"},
        {5, CCardCombinationLock::Combination, "Show"}, {7, CCardCreditCard::Pin, "Show Pin"},
        {19, CCardPassword::Password, "Show Password"}, {26, CCardWebSite::Password, "Show Password"},
    };
    Fixture f;
    for (const Case& c : cases) {
        auto card = createCard(c.typeId);
        card->setHiddenMode(CCard::kHideHidden);
        const auto display = f.display(*card);
        int edits = 0;
        display->setEditHook([&](CCard&) { return ++edits, false; });
        QStringList texts = paint(*display);
        EXPECT_FALSE(texts.contains(c.showCaption)) << c.typeId;
        EXPECT_TRUE(display->hiddenSwitchRect().isEmpty()) << c.typeId;

        static_cast<CFieldCard&>(*card).setText(c.hiddenField, CString("1234"));
        texts = paint(*display);
        EXPECT_TRUE(texts.contains(c.showCaption)) << c.typeId;
        const QPoint onSwitch = display->hiddenSwitchRect().center();
        ASSERT_FALSE(display->hiddenSwitchRect().isEmpty()) << c.typeId;

        // Where the switch was, a card without the value opens the editor instead.
        static_cast<CFieldCard&>(*card).setText(c.hiddenField, CString(""));
        paint(*display);
        QTest::mouseClick(display.get(), Qt::LeftButton, {}, onSwitch);
        EXPECT_EQ(edits, 1) << c.typeId;
        EXPECT_FALSE(display->showsHidden()) << c.typeId;
    }
}

TEST(ShowCardDialogTest, TheFreeFormDisplayCarriesTheFontFlagInHiddenButtons)
{
    Fixture f;
    CCardFreeForm card(CString("Note"), CString("Buy milk"), true);
    const auto display = f.display(card);
    auto* small = display->findChild<QRadioButton*>("id1158");
    auto* large = display->findChild<QRadioButton*>("id1159");
    ASSERT_TRUE(small && large);
    EXPECT_EQ(small->text(), "Small");
    EXPECT_EQ(large->text(), "Large");
    display->show();
    EXPECT_FALSE(small->isVisible());
    EXPECT_FALSE(large->isVisible());
    EXPECT_TRUE(small->isChecked());
    EXPECT_FALSE(large->isChecked());
    EXPECT_TRUE(paint(*display).isEmpty()) << "nothing is painted on a free-form card";
    auto* notes = display->findChild<QPlainTextEdit*>("id1027");
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes->toPlainText(), "Buy milk");

    display->setEditHook([](CCard& edited) {
        static_cast<CCardFreeForm&>(edited).update(CString("Note"), CString("Buy bread"), false);
        return true;
    });
    const QPoint belowTheText(display->width() / 2, notes->geometry().bottom() + 10);
    ASSERT_TRUE(display->rect().contains(belowTheText));
    QTest::mouseClick(display.get(), Qt::LeftButton, {}, belowTheText);
    EXPECT_TRUE(large->isChecked());
    EXPECT_FALSE(small->isChecked());
    EXPECT_EQ(notes->toPlainText(), "Buy bread");
}

TEST(ShowCardDialogTest, SideBySideFieldsKeepTheirColumnWhenTheOtherIsEmpty)
{
    Fixture f;
    // The state and the ZIP are drawn at the same places whether the city is there or not.
    const auto render = [&](const char* city) {
        auto card = createCard(6);
        auto& contact = static_cast<CFieldCard&>(*card);
        contact.setText(CCardContact::City, CString(city));
        contact.setText(CCardContact::State, CString("Avon"));
        contact.setText(CCardContact::Zip, CString("BS1 4DJ"));
        card->setBorder(false);
        const auto display = f.display(*card);
        QImage image(display->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        display->paintCard(painter, display->rect().adjusted(0, 0, -5, -5));
        return image;
    };
    const QImage withCity = render("Bristol");
    const QImage withoutCity = render("");
    const int middle = (withCity.width() - 5) / 2;
    int differing = 0;
    for (int y = 0; y < withCity.height(); ++y)
        for (int x = 0; x < withCity.width(); ++x)
            differing += withCity.pixel(x, y) != withoutCity.pixel(x, y);
    ASSERT_GT(differing, 0) << "the city is drawn";
    EXPECT_EQ(withCity.copy(middle, 0, withCity.width() - middle, withCity.height()),
              withoutCity.copy(middle, 0, withCity.width() - middle, withCity.height()))
        << "the right column does not change";
}

} // namespace
