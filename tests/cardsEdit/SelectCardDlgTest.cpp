#include "images/CatalogueFixture.h"

#include "cards/CardTypeTable.h"
#include "cards/edit/SelectCardDlg.h"
#include "images/qt/QtImageLists.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QListWidget>

using SelectCardDlgTest = CatalogueTest;

TEST_F(SelectCardDlgTest, ListsTheKindsOnceEveryIconIsLoadedWithThePreselectedOneChosen)
{
    ASSERT_TRUE(server.init(baseDir()));
    server.startBackgroundLoading();
    CSelectCardDlg dlg(server, 7);
    EXPECT_TRUE(server.allLoaded());
    EXPECT_EQ(dlg.windowTitle(), "Select Card");
    EXPECT_EQ(dlg.list().font(), gDialogFixer.font());
    ASSERT_EQ(dlg.list().count(), 27);
    for (int id = 0; id < 27; ++id) {
        EXPECT_EQ(dlg.list().item(id)->text(), cardTypeRow(id).displayName);
        const QImage shown = dlg.list().item(id)->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(shown, cardTypeIcon(server, id).pixmap(16, 16).toImage()) << id;
        EXPECT_FALSE(shown.isNull()) << id;
    }
    EXPECT_EQ(dlg.list().currentRow(), 7);
    EXPECT_EQ(dlg.chosenTypeId(), 7);
    dlg.list().setCurrentRow(3);
    EXPECT_EQ(dlg.chosenTypeId(), 3);
    // The event stays set for the next waiter.
    CSelectCardDlg again(server, 0);
    EXPECT_EQ(again.chosenTypeId(), 0);
}
