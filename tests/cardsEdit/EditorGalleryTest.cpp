// Pictures of the card editor, its three pages for a few kinds, the kind
// chooser and the icon chooser, in editor-gallery/ beside the test program,
// to be looked at.
#include "EditorFixture.h"
#include "images/CatalogueFixture.h"

#include "cards/edit/CardSheet.h"
#include "cards/edit/SelectCardDlg.h"
#include "images/qt/SelectIconDlg.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

namespace {

class EditorGalleryTest : public CatalogueTest {
protected:
    static void save(QWidget& window, const QString& file)
    {
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().save(QStringLiteral("editor-gallery/%1.png").arg(file))) << file.toStdString();
    }

    void SetUp() override { QDir().mkpath(QStringLiteral("editor-gallery")); }

    ScriptedChoosers choosers;
};

TEST_F(EditorGalleryTest, RendersTheSheetPagesAndTheChoosers)
{
    const char* const pages[] = {"kind", "properties", "media"};
    for (const int typeId : {0, 6, 7, 10, 15}) {
        const std::unique_ptr<CFieldCard> card = filledCard(typeId);
        CCardSheet sheet(*card, ui, choosers, QStringLiteral("/opt/keldra"));
        for (int page = 0; page < sheet.tabs().count(); ++page) {
            sheet.tabs().setCurrentIndex(page);
            save(sheet, QStringLiteral("sheet-%1-%2").arg(typeId, 2, 10, QLatin1Char('0')).arg(QLatin1String(pages[page])));
        }
    }
    CCardSheet creating(18, ui, choosers, QStringLiteral("/opt/keldra"));
    save(creating, QStringLiteral("sheet-18-create"));

    ASSERT_TRUE(server.init(baseDir()));
    server.startBackgroundLoading();
    CSelectCardDlg kinds(server, 7);
    save(kinds, QStringLiteral("select-card"));
    CSelectIconDlg icons(server);
    save(icons, QStringLiteral("select-icon"));
}

} // namespace
