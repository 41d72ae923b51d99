#include "zenthoLib/Ui/AppAboutDlg.h"
#include "zenthoLib/Ui/ColorRef.h"
#include "zenthoLib/Ui/DibDrawing.h"
#include "zenthoLib/Ui/FloatEdit.h"
#include "zenthoLib/Ui/ToolTip.h"
#include "zenthoLib/Ui/UrlOpener.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Puts a recording opener in for one test.
class OpenedUrls {
public:
    OpenedUrls()
    {
        m_previous = setUrlOpener([this](const QUrl& url) {
            urls.push_back(url);
            return true;
        });
    }
    ~OpenedUrls() { setUrlOpener(m_previous); }
    std::vector<QUrl> urls;

private:
    UrlOpener m_previous;
};

TEST(AppAboutDlgTest, LaysOutTheBoxAndOpensTheLinkOnAClickOnIt)
{
    OpenedUrls opened;
    CAppAboutDlg about(QImage(), QStringLiteral("https://keldra.example.org"), QStringLiteral("1.0"));
    about.show();
    EXPECT_EQ(about.size(), QSize(240, 284));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Keldra"));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("id1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(90, 227, 60, 20));
    auto* link = about.findChild<QLabel*>(QStringLiteral("id30000"));
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), toQColor(kLinkColor));

    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_TRUE(about.isVisited());
    EXPECT_TRUE(opened.urls.empty());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), toQColor(kVisitedLinkColor));

    QTest::mouseClick(&about, Qt::LeftButton, {}, about.linkRect().center());
    ASSERT_EQ(opened.urls.size(), 1u);
    EXPECT_EQ(opened.urls[0], QUrl(QStringLiteral("https://keldra.example.org")));
}

TEST(DibDrawingTest, DrawsUnscaledAndBlackBeyondTheBitmap)
{
    QImage bitmap(2, 2, QImage::Format_ARGB32);
    bitmap.fill(Qt::red);
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        DrawAsDib(painter, bitmap, QRect(5, 5, 3, 3));
        CopyAsDib(painter, bitmap, QRect(7, 7, 1, 1));
    }
    EXPECT_EQ(target.pixelColor(6, 6), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(7, 7), QColor(Qt::black));
    EXPECT_EQ(target.pixelColor(8, 8), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(1, 1), QColor(Qt::white));
}

TEST(FloatEditTest, DropsOtherCharactersAndTellsTheBounds)
{
    QWidget window;
    CFloatEdit edit(&window);
    std::vector<QString> messages;
    edit.setMessageSink([&messages](const QString& message) { messages.push_back(message); });
    edit.SetBounds(-5, 10);
    QTest::keyClicks(&edit, QStringLiteral("1a2,.5"));
    EXPECT_EQ(edit.text(), QStringLiteral("12.5"));
    EXPECT_FALSE(edit.Validate());
    edit.setText(QStringLiteral("-7"));
    EXPECT_FALSE(edit.Validate());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], QStringLiteral("The number must be smaller than  10.00"));
    EXPECT_EQ(messages[1], QStringLiteral("The number must be greater than  -5.00"));

    edit.SetAcceptNegative(false);
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("-3"));
    EXPECT_EQ(edit.text(), QStringLiteral("3"));
    EXPECT_TRUE(edit.Validate());
    EXPECT_DOUBLE_EQ(edit.value(), 3);
}

TEST(ToolTipTest, CentresWhenItFitsAndSpansOtherwise)
{
    QWidget parent;
    auto* tip = new CToolTip;
    tip->Create(QStringLiteral("Hint"), &parent, 12, 400, 77);
    const int width = tip->fontMetrics().horizontalAdvance(QStringLiteral("Hint")) + CToolTip::kMargin;
    EXPECT_EQ(tip->geometry().topLeft(), QPoint((400 - width) / 2, 12));
    EXPECT_EQ(tip->width(), width);
    EXPECT_EQ(tip->objectName(), QStringLiteral("id77"));

    auto* wide = new CToolTip;
    wide->Create(QStringLiteral("A much longer hint than fits"), &parent, 0, 30, 78);
    EXPECT_EQ(wide->geometry().left(), 0);
    EXPECT_EQ(wide->width(), 30);
}

} // namespace
