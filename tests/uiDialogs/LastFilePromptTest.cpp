#include "dialogs/LastFilePrompt.h"

#include "DialogControl.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(LastFilePrompt, OffersOpenExistingAsTheDefaultAndCreateNewBothClosingAsAccepted)
{
    CLastOpenedFileDoesnotExistPrompt untouched;
    EXPECT_EQ(untouched.windowTitle(), "Open File");
    EXPECT_NE(untouched.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(untouched.findChild<QLabel*>()->text(), "Last Opened File Does not Exist !");
    EXPECT_EQ(controlOf<QPushButton>(untouched, 1183).text(), "Open Existing");
    EXPECT_EQ(controlOf<QPushButton>(untouched, 1184).text(), "Create New");
    EXPECT_TRUE(controlOf<QPushButton>(untouched, 1183).isDefault());
    EXPECT_TRUE(untouched.opensExisting());

    const struct {
        int clicked;
        bool opensExisting;
    } cases[] = {{1183, true}, {1184, false}};
    for (const auto& c : cases) {
        CLastOpenedFileDoesnotExistPrompt prompt;
        prompt.show();
        controlOf<QPushButton>(prompt, c.clicked).click();
        EXPECT_EQ(prompt.result(), QDialog::Accepted) << c.clicked;
        EXPECT_FALSE(prompt.isVisible()) << c.clicked;
        EXPECT_EQ(prompt.opensExisting(), c.opensExisting) << c.clicked;
    }
}

} // namespace
