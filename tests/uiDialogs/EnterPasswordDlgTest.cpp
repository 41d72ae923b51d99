#include "dialogs/EnterPasswordDlg.h"

#include "support/ScriptedUserInterface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void type(CEnterPasswordDlg& dlg, std::vector<QString> texts)
{
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
        dlg.field(i).setText(texts[static_cast<std::size_t>(i)]);
}

TEST(EnterPasswordDlg, EachModeShowsItsLabelledFieldsAndTheDialogEndsBelowTheLastOne)
{
    const struct {
        PasswordMode mode;
        std::vector<QString> labels;
    } modes[] = {
        {PasswordMode::Enter, {"Password:"}},
        {PasswordMode::Set, {"Enter password:", "Confirm password:"}},
        {PasswordMode::Change, {"Old password:", "New password:", "Confirm password:"}},
    };
    ScriptedUserInterface ui;
    int previousHeight = 0;
    for (const auto& m : modes) {
        CEnterPasswordDlg dlg(m.mode, ui);
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), "Enter password");
        const int shown = static_cast<int>(m.labels.size());
        for (int i = 0; i < CEnterPasswordDlg::kFieldCount; ++i) {
            EXPECT_EQ(dlg.field(i).isVisible(), i < shown) << i;
            EXPECT_EQ(dlg.label(i).isVisible(), i < shown) << i;
            EXPECT_EQ(dlg.field(i).echoMode(), QLineEdit::Password) << i;
            if (i < shown) {
                EXPECT_EQ(dlg.label(i).text(), m.labels[static_cast<std::size_t>(i)]);
            }
        }
        auto* ok = dlg.findChild<QPushButton*>("id1");
        ASSERT_NE(ok, nullptr);
        EXPECT_GT(ok->geometry().top(), dlg.field(shown - 1).geometry().bottom());
        EXPECT_GT(dlg.height(), previousHeight) << "a dialog with more fields is taller";
        previousHeight = dlg.height();
    }
}

TEST(EnterPasswordDlg, OkRefusesWhatTheModeForbidsAndStaysOpen)
{
    const struct {
        PasswordMode mode;
        std::vector<QString> texts;
        const char* message; // null: accepted
    } cases[] = {
        {PasswordMode::Enter, {"secret"}, nullptr},
        {PasswordMode::Enter, {""}, nullptr},
        {PasswordMode::Set, {"a", "a"}, nullptr},
        {PasswordMode::Set, {"a", "b"}, "New password and confirm password don't match!"},
        {PasswordMode::Set, {"a", "A"}, "New password and confirm password don't match!"},
        {PasswordMode::Change, {"old", "new", "new"}, nullptr},
        {PasswordMode::Change, {"old", "old", "old"}, "New password is same as old password!"},
        {PasswordMode::Change, {"old", "old", "other"}, "New password is same as old password!"},
        {PasswordMode::Change, {"old", "new", "neW"}, "New password and confirm password don't match!"},
    };
    for (const auto& c : cases) {
        ScriptedUserInterface ui;
        CEnterPasswordDlg dlg(c.mode, ui);
        dlg.show();
        type(dlg, c.texts);
        dlg.findChild<QPushButton*>("id1")->click();
        const std::string what = c.texts.front().toStdString() + "/" + c.texts.back().toStdString();
        if (c.message) {
            EXPECT_EQ(ui.messages, std::vector<std::string>{c.message}) << what;
            EXPECT_TRUE(dlg.isVisible()) << what;
            EXPECT_EQ(dlg.field(0).text(), c.texts.front()) << "the texts stay for another try: " << what;
        } else {
            EXPECT_TRUE(ui.messages.empty()) << what;
            EXPECT_EQ(dlg.result(), QDialog::Accepted) << what;
        }
    }
}

TEST(EnterPasswordDlg, TheTextsMoveToTheEntryAndTheFieldsAreOverwrittenAndCleared)
{
    ScriptedUserInterface ui;
    CEnterPasswordDlg dlg(PasswordMode::Change, ui);
    type(dlg, {"old", "newer", "newer"});
    // A copy that shares the field's buffer shows what became of that buffer.
    const QString held = dlg.field(1).text();
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    for (int i = 0; i < CEnterPasswordDlg::kFieldCount; ++i)
        EXPECT_TRUE(dlg.field(i).text().isEmpty()) << i;
    EXPECT_EQ(held, QString(5, QChar(u'\0')));

    PasswordEntry entry;
    dlg.takeEntry(entry);
    EXPECT_EQ(entry.first, "old");
    EXPECT_EQ(entry.second, "newer");
    EXPECT_EQ(entry.third, "newer");
    PasswordEntry again;
    dlg.takeEntry(again);
    EXPECT_TRUE(again.first.IsEmpty()) << "the dialog keeps no copy";
}

TEST(EnterPasswordDlg, TakingWithoutOkReadsTheFieldsAndCancelWipesThem)
{
    ScriptedUserInterface ui;
    CEnterPasswordDlg taken(PasswordMode::Enter, ui);
    type(taken, {"secret"});
    PasswordEntry entry;
    taken.takeEntry(entry);
    EXPECT_EQ(entry.first, "secret");
    EXPECT_TRUE(taken.field(0).text().isEmpty());

    CEnterPasswordDlg cancelled(PasswordMode::Set, ui);
    type(cancelled, {"a", "b"});
    cancelled.findChild<QPushButton*>("id2")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_TRUE(cancelled.field(0).text().isEmpty());
    EXPECT_TRUE(cancelled.field(1).text().isEmpty());
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
