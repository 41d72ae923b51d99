#include "cards/CardCreditCard.h"
#include "cards/show/CardDisplayFactory.h"
#include "cards/show/CardSound.h"
#include "cards/show/ShowCardDialog.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SilentPlayer : public ICardSoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

struct Fixture {
    SilentPlayer sound;

    std::unique_ptr<CShowCardDialog> display(CCard& card)
    {
        return std::unique_ptr<CShowCardDialog>(createCardDisplay(card, sound, CString("C:\\Keldra"), nullptr));
    }
};

CCardCreditCard filledCard(const char* cardType)
{
    CCardCreditCard card(CString("Travel card"), CString(""), CString("4000 1234 5678 9010"), CString("Northern Bank"), CString(cardType),
                         CString("09/28"), CString("ANNA LINDQVIST"), CString("+44 20 7946 0999"), CString("4321"));
    card.setBorder(false);
    return card;
}

// Paints the card on a white canvas as the window would.
QImage paint(CShowCardDialog& display)
{
    QImage image(display.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    display.paintCard(painter, display.rect().adjusted(0, 0, -5, -5));
    return image;
}

// Whether every pixel of the area where the maker pictures go is the card's white.
bool pictureAreaIsBlank(const QImage& image)
{
    for (int y = 5; y < 66; ++y)
        for (int x = 100; x < 250; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

TEST(CreditCardShowTest, PaintsTheFieldsInOrderWithThePinBehindItsSwitch)
{
    Fixture f;
    CCardCreditCard card = filledCard("VISA");
    card.setHiddenMode(CCard::kHideHidden);
    const auto display = f.display(card);
    ASSERT_TRUE(display);
    paint(*display);
    EXPECT_EQ(display->paintedTexts(), QStringList({"Northern Bank", "4000 1234 5678 9010", "Expires : ", "09/28", "ANNA LINDQVIST",
                                                    "Show Pin", "Call this number if card is lost:", "+44 20 7946 0999"}));

    QTest::mouseClick(display.get(), Qt::LeftButton, {}, display->hiddenSwitchRect().center());
    paint(*display);
    const QStringList shown = display->paintedTexts();
    ASSERT_GE(shown.size(), 7);
    EXPECT_EQ(shown[5], "Hide Pin");
    EXPECT_EQ(shown[6], "4321");

    display->setPrintMode(true);
    paint(*display);
    EXPECT_FALSE(display->paintedTexts().contains("Hide Pin"));
    EXPECT_FALSE(display->paintedTexts().contains("Show Pin"));
    EXPECT_TRUE(display->paintedTexts().contains("4321")) << "printing always shows the PIN";
}

TEST(CreditCardShowTest, AnEmptyCardPaintsNoRowsAndNoSwitch)
{
    Fixture f;
    CCardCreditCard card;
    card.setBorder(false);
    const auto display = f.display(card);
    const QImage image = paint(*display);
    EXPECT_TRUE(display->paintedTexts().isEmpty()) << display->paintedTexts().join('|').toStdString();
    EXPECT_TRUE(display->hiddenSwitchRect().isEmpty());
    EXPECT_TRUE(pictureAreaIsBlank(image));
}

TEST(CreditCardShowTest, EachMakerHasItsPictureAtItsPlace)
{
    struct Case {
        const char* cardType;
        const char* resource;
        QPoint place;
    };
    const Case cases[] = {
        {"American Express", ":/cards/american-express.png", {130, 10}},
        {"Dinner's Club", ":/cards/dinners-club.png", {132, 15}},
        {"Discover", ":/cards/discover.png", {105, 8}},
        {"MasterCard", ":/cards/mastercard.png", {120, 8}},
        {"Switch", ":/cards/switch.png", {140, 12}},
        {"VISA", ":/cards/visa.png", {120, 8}},
    };
    Fixture f;
    CCardCreditCard card;
    card.setBorder(false);
    const auto display = f.display(card);
    for (const Case& c : cases) {
        // One display follows the type as it changes, as after an edit.
        card.setText(CCardCreditCard::CardType, CString(c.cardType));
        const QImage picture(c.resource);
        ASSERT_FALSE(picture.isNull()) << c.resource;
        QImage expected(picture.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, picture);
        const QImage image = paint(*display);
        EXPECT_EQ(image.copy(QRect(c.place, picture.size())), expected) << c.cardType;
        EXPECT_NE(image.pixel(c.place + QPoint(picture.width() / 2, 3)), qRgb(255, 255, 255)) << c.cardType;

        display->setPrintMode(true);
        EXPECT_TRUE(pictureAreaIsBlank(paint(*display))) << c.cardType << ": printing leaves the picture out";
        display->setPrintMode(false);
    }
}

TEST(CreditCardShowTest, ATypeNotListedExactlyHasNoPicture)
{
    Fixture f;
    for (const char* cardType : {"", "visa", "Diners Club", "VISA "}) {
        CCardCreditCard card;
        card.setBorder(false);
        card.setText(CCardCreditCard::CardType, CString(cardType));
        EXPECT_TRUE(pictureAreaIsBlank(paint(*f.display(card)))) << "'" << cardType << "'";
    }
}

} // namespace
