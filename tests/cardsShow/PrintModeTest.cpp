// A card drawn for printing comes out at the size it has on the screen,
// whatever the resolution of the device and the mapping the printer sets.
#include "cards/CardKinds.h"
#include "cards/show/CardDisplayFactory.h"
#include "cards/show/CardSound.h"
#include "cards/show/ShowCardDialog.h"
#include "support/TempDir.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SilentPlayer : public ICardSoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

constexpr double kInchesPerMeter = 39.37007874;
// The print cell, 2.5 x 2 inches, in pixels of a 96-dpi screen.
constexpr QRect kScreenCell(0, 0, 240, 192);

class PrintModeTest : public ::testing::Test {
protected:
    PrintModeTest()
        : card(CString("Savings"), CString(""), CString("Checking"), CString("0044 1287 5530"), CString("First Harbour Bank"),
               CString("4821"), CString("20-45-77"), CString("FHBKGB2L"), CString("+44 20 7946 0321"))
    {
        card.setBorder(false);
        card.setHiddenMode(CCard::kHideHidden);
        display.reset(createCardDisplay(card, sound, CString("C:\\Keldra"), nullptr));
        display->setPrintMode(true);
    }

    // A white image of `inches` at `dpi` with the card painted into `cell` after `mapping`.
    QImage paintAt(double dpi, const QTransform& mapping, const QRect& cell)
    {
        QImage image(qRound(2.5 * dpi), qRound(2 * dpi), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi * kInchesPerMeter));
        image.setDotsPerMeterY(qRound(dpi * kInchesPerMeter));
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setTransform(mapping);
        display->paintCard(painter, cell);
        return image;
    }

    SilentPlayer sound;
    CCardBankAccount card;
    std::unique_ptr<CShowCardDialog> display;
};

// The smallest rectangle holding every dark pixel.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 192)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// `actual` is `expected` scaled by `scale`, give or take a pixel of the screen.
void expectScaled(const QRect& actual, const QRect& expected, double scale, const char* what)
{
    const double slack = 1.5 * scale;
    EXPECT_NEAR(actual.left(), expected.left() * scale, slack) << what;
    EXPECT_NEAR(actual.top(), expected.top() * scale, slack) << what;
    EXPECT_NEAR(actual.right() + 1, (expected.right() + 1) * scale, slack) << what;
    EXPECT_NEAR(actual.bottom() + 1, (expected.bottom() + 1) * scale, slack) << what;
}

TEST_F(PrintModeTest, TheCardKeepsItsLayoutOnADeviceOfAnotherResolution)
{
    const QImage screen = paintAt(96, {}, kScreenCell);
    const QRect screenInk = inkBox(screen);
    ASSERT_TRUE(screenInk.isValid());
    ASSERT_GT(screenInk.height(), 100) << "the rows and the PIN are drawn";
    const QStringList screenTexts = display->paintedTexts();
    EXPECT_TRUE(screenTexts.contains("4821")) << "hidden values are printed";

    const double dpi = 300;
    const double scale = dpi / 96;
    // The device's own pixels, and the printer's mapping of 100 units to the inch.
    expectScaled(inkBox(paintAt(dpi, {}, QRect(0, 0, 750, 600))), screenInk, scale, "device pixels");
    EXPECT_EQ(display->paintedTexts(), screenTexts);
    expectScaled(inkBox(paintAt(dpi, QTransform::fromScale(dpi / 100, dpi / 100), QRect(0, 0, 250, 200))), screenInk, scale,
                 "100 units to the inch");
    EXPECT_EQ(display->paintedTexts(), screenTexts);
}

TEST_F(PrintModeTest, APrintedPdfPageShowsTheCardAtItsScreenSize)
{
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    const QRect screenInk = inkBox(paintAt(96, {}, kScreenCell));

    TempDir folder;
    const QString pdf = QString::fromStdString(folder.file("card.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFullPage(true);
        QPainter painter(&printer);
        ASSERT_TRUE(painter.isActive());
        const int dpi = printer.resolution();
        display->paintCard(painter, QRect(0, 0, qRound(2.5 * dpi), 2 * dpi));
    }
    const QString page = QString::fromStdString(folder.file("page"));
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "96", "-png", "-singlefile", pdf, page}), 0);
    QImage printed(page + ".png");
    ASSERT_FALSE(printed.isNull());
    // The page is white around the card, so the ink is the card's text alone.
    expectScaled(inkBox(printed.convertToFormat(QImage::Format_RGB32)), screenInk, 1, "page at 96 dpi");
}

} // namespace
