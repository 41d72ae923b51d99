#include "dialogs/OptionsDlg.h"

#include "DialogControl.h"
#include "settings/KeldraOptions.h"
#include "support/ScriptedUserInterface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class OptionsDlgTest : public ::testing::Test {
protected:
    static QWidget& control(COptionsDlg& dlg, int id) { return controlOf(dlg, id); }
    static QLineEdit& edit(COptionsDlg& dlg, int id) { return controlOf<QLineEdit>(dlg, id); }
    static QAbstractButton& button(COptionsDlg& dlg, int id) { return controlOf<QAbstractButton>(dlg, id); }

    CKeldraOptions options;
    ScriptedUserInterface ui;
};

TEST_F(OptionsDlgTest, ShowsTheSettingsWithTheirLabelsAndEnablesEachGroupByItsSwitch)
{
    options.setPromptOnOpen(true);
    options.setInactivityEnabled(false);
    options.setInactivityCloses(true);
    options.setInactivityMinutes(15);
    options.setAttempts(5);
    options.setLockoutMinutes(120);
    COptionsDlg dlg(options, ui);
    EXPECT_EQ(dlg.windowTitle(), "Options");

    const struct {
        int id;
        const char* text;
        bool checked;
    } switches[] = {
        {1176, "Prompt for password on open", true}, {1165, "After ", false}, {1101, "Lock Wallet ", false},
        {1102, "Close Wallet", true}, {1148, "Lock for", true},
    };
    for (const auto& s : switches) {
        EXPECT_EQ(button(dlg, s.id).text(), s.text);
        EXPECT_EQ(button(dlg, s.id).isChecked(), s.checked) << s.id;
    }
    QStringList labels;
    for (const QLabel* label : dlg.findChildren<QLabel*>())
        labels << label->text();
    for (const char* words : {"minutes inactivity", "incorrect attempts", "minutes"})
        EXPECT_TRUE(labels.contains(words)) << words;

    EXPECT_EQ(edit(dlg, 1000).text(), "15");
    EXPECT_EQ(edit(dlg, 1020).text(), "5");
    EXPECT_EQ(edit(dlg, 1021).text(), "120");
    EXPECT_EQ(button(dlg, 1).text(), "OK");
    EXPECT_EQ(button(dlg, 2).text(), "Cancel");

    const auto groupEnabled = [&](std::vector<int> ids) {
        std::vector<bool> states;
        for (int id : ids)
            states.push_back(control(dlg, id).isEnabled());
        return states;
    };
    EXPECT_EQ(groupEnabled({1000, 1101, 1102}), std::vector<bool>(3, false));
    EXPECT_EQ(groupEnabled({1020, 1021}), std::vector<bool>(2, true));
    button(dlg, 1165).click();
    button(dlg, 1148).click();
    EXPECT_EQ(groupEnabled({1000, 1101, 1102}), std::vector<bool>(3, true));
    EXPECT_EQ(groupEnabled({1020, 1021}), std::vector<bool>(2, false));
}

TEST_F(OptionsDlgTest, TheNumberFieldsTakeDigitsOnlyUpToTheirLength)
{
    options.setInactivityEnabled(true);
    COptionsDlg dlg(options, ui);
    dlg.show();
    const struct {
        int id;
        const char* typed;
        const char* kept;
    } cases[] = {{1000, "a12-b345", "123"}, {1020, "x78", "7"}, {1021, " 9.9 ", "99"}};
    for (const auto& c : cases) {
        edit(dlg, c.id).clear();
        QTest::keyClicks(&edit(dlg, c.id), c.typed);
        EXPECT_EQ(edit(dlg, c.id).text(), c.kept) << c.id;
    }
}

TEST_F(OptionsDlgTest, OkChecksAttemptsThenLockoutThenInactivityAndKeepsTheDialogOpenOnTheFirstFault)
{
    const struct {
        const char* attempts;
        const char* lockoutMinutes;
        const char* inactivityMinutes;
        bool inactivityOn;
        const char* message;
        int focused; // 0: a disabled field, which cannot take the focus
    } cases[] = {
        {"", "10", "0", true, "Field cannot be empty", 1020},
        {"0", "", "", true, "Field cannot be 0", 1020},
        {"3", "", "0", true, "Field cannot be empty", 1021},
        {"3", "000", "5", true, "Field cannot be 0", 1021},
        {"3", "10", "", true, "Field cannot be empty", 1000},
        {"3", "10", "00", true, "Field cannot be 0", 1000},
        // A group that is off has its number checked all the same.
        {"3", "10", "0", false, "Field cannot be 0", 0},
    };
    for (const auto& c : cases) {
        ScriptedUserInterface messages;
        options.setInactivityEnabled(c.inactivityOn);
        COptionsDlg dlg(options, messages);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        edit(dlg, 1020).setText(c.attempts);
        edit(dlg, 1021).setText(c.lockoutMinutes);
        edit(dlg, 1000).setText(c.inactivityMinutes);
        button(dlg, 1).click();
        const std::string what = std::string(c.attempts) + "/" + c.lockoutMinutes + "/" + c.inactivityMinutes;
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message}) << what;
        EXPECT_TRUE(dlg.isVisible()) << what;
        if (c.focused) {
            EXPECT_EQ(dlg.focusWidget(), &control(dlg, c.focused)) << what;
        }
    }
    const CKeldraOptions defaults;
    EXPECT_EQ(options.attempts(), defaults.attempts());
    EXPECT_EQ(options.lockoutMinutes(), defaults.lockoutMinutes());
    EXPECT_EQ(options.inactivityMinutes(), defaults.inactivityMinutes());
}

TEST_F(OptionsDlgTest, OkStoresEverySettingAndCancelNone)
{
    const auto change = [this](COptionsDlg& dlg) {
        button(dlg, 1176).click();
        button(dlg, 1165).click();
        button(dlg, 1102).click();
        button(dlg, 1148).click();
        edit(dlg, 1000).setText("45");
        edit(dlg, 1020).setText("9");
        edit(dlg, 1021).setText("007");
    };
    COptionsDlg cancelled(options, ui);
    change(cancelled);
    button(cancelled, 2).click();
    const CKeldraOptions defaults;
    EXPECT_EQ(options.promptOnOpen(), defaults.promptOnOpen());
    EXPECT_EQ(options.inactivityEnabled(), defaults.inactivityEnabled());
    EXPECT_EQ(options.inactivityCloses(), defaults.inactivityCloses());
    EXPECT_EQ(options.lockoutEnabled(), defaults.lockoutEnabled());
    EXPECT_EQ(options.inactivityMinutes(), defaults.inactivityMinutes());

    COptionsDlg dlg(options, ui);
    change(dlg);
    button(dlg, 1).click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(options.promptOnOpen());
    EXPECT_TRUE(options.inactivityEnabled());
    EXPECT_TRUE(options.inactivityCloses());
    EXPECT_FALSE(options.inactivityLocks());
    EXPECT_FALSE(options.lockoutEnabled());
    EXPECT_EQ(options.inactivityMinutes(), 45);
    EXPECT_EQ(options.attempts(), 9);
    EXPECT_EQ(options.lockoutMinutes(), 7);
}

} // namespace
