#include "zenthoLib/Ui/ScrollDialog.h"
#include "zenthoLib/Ui/ScrollPropertyPage.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

constexpr QSize kTemplate(200, 300);

class ScrollPageTest : public ::testing::Test {
protected:
    ScrollPageTest()
    {
        bottomLabel = new QLabel(QStringLiteral("last"), &page);
        bottomLabel->setGeometry(10, 280, 100, 20);
        page.initPage(kTemplate);
        page.show();
    }

    CContentScroller& scroller() { return page.scroller(); }
    QScrollBar* bar(Qt::Orientation orientation)
    {
        for (QScrollBar* candidate : page.findChildren<QScrollBar*>())
            if (candidate->orientation() == orientation)
                return candidate;
        return nullptr;
    }

    CScrollPropertyPage page{1234};
    QLabel* bottomLabel;
};

TEST_F(ScrollPageTest, FullSizeNeverScrolls)
{
    page.resize(kTemplate);
    page.resize(300, 400);
    EXPECT_EQ(scroller().contentWidth(), 200);
    EXPECT_EQ(scroller().contentHeight(), 300);
    EXPECT_FALSE(scroller().vScrolling());
    EXPECT_FALSE(scroller().hScrolling());
    EXPECT_EQ(page.templateId(), 1234u);
}

TEST_F(ScrollPageTest, ShrinkingShowsABarAndGrowingBackReturnsTheControls)
{
    page.resize(kTemplate.width(), 150);
    ASSERT_TRUE(scroller().vScrolling());
    EXPECT_FALSE(bar(Qt::Vertical)->isHidden());
    // The bar takes its width from the client area, which now scrolls sideways too.
    EXPECT_TRUE(scroller().hScrolling());

    scroller().onVScroll(SB_BOTTOM, 0);
    const int pos = scroller().vPosition();
    EXPECT_GT(pos, 0);
    EXPECT_EQ(bottomLabel->y(), 280 - pos);

    page.resize(kTemplate);
    EXPECT_FALSE(scroller().vScrolling());
    EXPECT_FALSE(scroller().hScrolling());
    EXPECT_EQ(scroller().vPosition(), 0);
    EXPECT_EQ(bottomLabel->pos(), QPoint(10, 280));
    EXPECT_TRUE(bar(Qt::Vertical)->isHidden());
}

TEST_F(ScrollPageTest, GrowingWhileScrolledToTheEndKeepsTheLastLineInView)
{
    scroller().onSize(SIZE_RESTORED, 200, 100);
    scroller().onVScroll(SB_BOTTOM, 0);
    ASSERT_EQ(scroller().vPosition(), 200);
    scroller().onSize(SIZE_RESTORED, 200, 200);
    EXPECT_EQ(scroller().vPosition(), 100);
    EXPECT_EQ(bottomLabel->y(), 180);
}

TEST_F(ScrollPageTest, OnlyARestoredPageScrolls)
{
    scroller().onSize(SIZE_MAXIMIZED, 200, 100);
    EXPECT_FALSE(scroller().vScrolling());
    scroller().onSize(SIZE_RESTORED, 200, 100);
    EXPECT_TRUE(scroller().vScrolling());
}

TEST(ScrollPageNoHorizontalTest, NeverScrollsSideways)
{
    CScrollPropertyPage page(1);
    page.setNoHorizontal(true);
    page.initPage(kTemplate);
    page.show();
    page.scroller().onSize(SIZE_RESTORED, 20, 300);
    EXPECT_FALSE(page.scroller().hScrolling());
    page.resize(20, 100);
    EXPECT_FALSE(page.scroller().hScrolling());
    EXPECT_TRUE(page.scroller().vScrolling());
}

// Positions after one scroll code from a start position, on a page 100 high
// (range 0 ... 299, so the last position is 200) and 100 wide (range 0 ...
// 199, last position 98).
struct ScrollCase {
    UINT code;
    int start;
    int thumb;
    int vertical;
    int horizontal;
};

constexpr ScrollCase kScrollCases[] = {
    {SB_LINEUP, 10, 0, 0, 0},
    {SB_LINEDOWN, 10, 0, 30, 30},
    {SB_PAGEDOWN, 150, 0, 200, 98},
    {SB_PAGEUP, 150, 0, 50, 0},
    {SB_THUMBTRACK, 10, 77, 77, 77},
    {SB_THUMBTRACK, 10, 500, 200, 98},
    {SB_BOTTOM, 10, 0, 200, 98},
    {SB_TOP, 90, 0, 0, 0},
    {SB_ENDSCROLL, 60, 0, 60, 60},
    {SB_THUMBPOSITION, 60, 5, 60, 60},
};

TEST(ScrollCodeTest, EachCodeMovesAndStopsAtTheEnds)
{
    for (const ScrollCase& c : kScrollCases) {
        CScrollPropertyPage page(1);
        page.initPage(kTemplate);
        CContentScroller& scroller = page.scroller();
        scroller.onSize(SIZE_RESTORED, 100, 100);
        ASSERT_TRUE(scroller.vScrolling() && scroller.hScrolling());
        scroller.onVScroll(SB_THUMBTRACK, c.start);
        scroller.onHScroll(SB_THUMBTRACK, c.start);
        scroller.onVScroll(c.code, c.thumb);
        scroller.onHScroll(c.code, c.thumb);
        EXPECT_EQ(scroller.vPosition(), c.vertical) << "code " << c.code << " from " << c.start;
        EXPECT_EQ(scroller.hPosition(), c.horizontal) << "code " << c.code << " from " << c.start;
    }
}

TEST(ScrollDialogTest, ScrollsAsThePageDoes)
{
    CScrollDialog dialog;
    auto* label = new QLabel(QStringLiteral("x"), &dialog);
    label->setGeometry(0, 250, 50, 20);
    dialog.initDialog(kTemplate);
    dialog.show();
    dialog.resize(kTemplate.width() + 40, 100);
    ASSERT_TRUE(dialog.scroller().vScrolling());
    dialog.scroller().onVScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(label->y(), 230);
}

} // namespace
