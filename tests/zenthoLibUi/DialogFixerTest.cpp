#include "zenthoLib/Ui/DialogFixer.h"
#include "zenthoLib/Ui/FontSetup.h"

#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(DialogFixerTest, ShrinksTheDialogAndItsControlsInPlace)
{
    QDialog dialog;
    dialog.setGeometry(30, 40, 200, 100);
    auto* label = new QLabel(QStringLiteral("Name"), &dialog);
    label->setGeometry(20, 10, 100, 50);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("id1"));
    ok->hide();

    EXPECT_EQ(gDialogFixer.fixDialog(&dialog), 1);
    EXPECT_EQ(dialog.geometry(), QRect(30, 40, 170, 85));
    // Edges 20, 10, 120, 60 become 17, 8, 102, 51.
    EXPECT_EQ(label->geometry(), QRect(17, 8, 85, 43));
    EXPECT_FALSE(ok->isHidden());
}

TEST(DialogFixerTest, ADialogNeverPlacedStillOpensCentredOverItsWindow)
{
    QWidget window;
    window.setGeometry(300, 200, 400, 300);
    window.show();
    QDialog dialog(&window);
    dialog.resize(200, 100);
    gDialogFixer.fixDialog(&dialog);
    dialog.show();
    EXPECT_LE((dialog.frameGeometry().center() - window.frameGeometry().center()).manhattanLength(), 2);
}

TEST(DialogFixerTest, OnlyTheRawSystemFontIsReplaced)
{
    QDialog dialog;
    auto* plain = new QLabel(&dialog);
    auto* system = new QLabel(&dialog);
    system->setFont(QFont(QStringLiteral("SYSTEM")));
    auto* own = new QLabel(&dialog);
    const QFont ownFont = windowsFont("Areal", 20, 700);
    own->setFont(ownFont);

    gDialogFixer.fixDialog(&dialog);
    const QFont& fixed = gDialogFixer.font();
    EXPECT_EQ(fixed.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(fixed.pixelSize(), 12); // 9 points at 96 dots per inch
    EXPECT_TRUE(resolvesToRealFont(fixed));
    EXPECT_EQ(plain->font(), fixed);
    EXPECT_EQ(system->font(), fixed);
    EXPECT_EQ(dialog.font(), fixed);
    EXPECT_EQ(own->font(), ownFont);
}

TEST(DialogFixerTest, AFixerWithItsOwnFontHandsThatOut)
{
    const QFont font = windowsFont("Areal", 15, 400);
    CDialogFixer fixer(font);
    QDialog dialog;
    auto* label = new QLabel(&dialog);
    fixer.fixDialog(&dialog);
    EXPECT_EQ(label->font(), font);
}

} // namespace
