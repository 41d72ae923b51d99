#include "images/CatalogueFixture.h"
#include "images/qt/QtImageLists.h"
#include "images/qt/SelectIconDlg.h"

#include <QListWidget>

namespace {

class QtCatalogueTest : public CatalogueTest {
protected:
    void SetUp() override
    {
        addCustom("Mine.ico");
        addCustom("Yours.ico");
        ASSERT_TRUE(server.init(baseDir()));
    }
};

TEST_F(QtCatalogueTest, IconsHoldTheCataloguesPixelsAtBothSizes)
{
    const int bank = IconNames::cardTypeIconIndex(0);
    ASSERT_TRUE(server.CreateIcon(server.iconName(bank)));
    const QIcon icon = catalogueIcon(server, bank);
    ASSERT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    const QImage big = listPixmap(server.bigImages(), bank).toImage().convertToFormat(QImage::Format_ARGB32);
    const std::vector<DWORD> expected = server.bigImages().GetImagePixels(bank);
    ASSERT_EQ(expected.size(), 32u * 32u);
    // A pixmap keeps colours premultiplied: opaque pixels come back exactly.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb want = expected[static_cast<std::size_t>(y * 32 + x)];
            ASSERT_EQ(qAlpha(big.pixel(x, y)), qAlpha(want)) << x << "," << y;
            if (qAlpha(want) == 255) {
                ASSERT_EQ(big.pixel(x, y), want) << x << "," << y;
            }
        }
    EXPECT_EQ(cardTypeIcon(server, 0).availableSizes().size(), 2);
    EXPECT_TRUE(listPixmap(server.bigImages(), 10000).isNull());
}

TEST_F(QtCatalogueTest, ChooserWaitsForTheLoadAndListsTypesThenCustomIcons)
{
    server.startBackgroundLoading();
    CSelectIconDlg dialog(server);
    EXPECT_TRUE(server.allLoaded());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Icon"));
    QListWidget* list = dialog.findChild<QListWidget*>(QStringLiteral("id1018"));
    ASSERT_EQ(list, dialog.list());
    EXPECT_EQ(list->count(), 27 + 2);
    EXPECT_EQ(dialog.result(), 5);

    list->setCurrentRow(28);
    EXPECT_EQ(dialog.result(), 5 + 28);
    list->clearSelection();
    EXPECT_EQ(dialog.result(), 5 + 28);
    list->setCurrentRow(3);
    EXPECT_EQ(dialog.result(), 8);
}

} // namespace
