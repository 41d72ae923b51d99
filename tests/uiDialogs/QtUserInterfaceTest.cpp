#include "app/QtUserInterface.h"

#include "dialogs/EnterPasswordDlg.h"
#include "support/EnvScope.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Works each dialog the interface runs with the handler of its kind.
class DialogScript {
public:
    std::function<int(QMessageBox&)> onMessage;
    std::function<int(CEnterPasswordDlg&)> onPassword;
    std::function<int(QFileDialog&)> onSaveFile;
    std::vector<QString> messages;

    int run(QDialog& dialog)
    {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages.push_back(box->text());
            return onMessage ? onMessage(*box) : QMessageBox::Ok;
        }
        if (auto* password = qobject_cast<CEnterPasswordDlg*>(&dialog))
            return onPassword(*password);
        if (auto* file = qobject_cast<QFileDialog*>(&dialog))
            return onSaveFile(*file);
        ADD_FAILURE() << "an unexpected dialog";
        return QDialog::Rejected;
    }
};

class QtUserInterfaceTest : public ::testing::Test {
protected:
    QtUserInterfaceTest()
    {
        ui.setDialogRunner([this](QDialog& dialog) { return script.run(dialog); });
    }

    DialogScript script;
    CQtUserInterface ui;
};

TEST_F(QtUserInterfaceTest, MessageBoxesCarryTheTextTheButtonsAndTheIconOfTheFlags)
{
    const struct {
        UINT type;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton clicked;
        int answer;
    } cases[] = {
        {MB_OK, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, IDOK},
        {MB_OK | MB_ICONERROR, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONWARNING, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning, QMessageBox::Cancel, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No, IDNO},
        {MB_YESNO, QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QMessageBox::Yes, IDYES},
        {MB_YESNOCANCEL | MB_ICONINFORMATION, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Information, QMessageBox::Cancel, IDCANCEL},
    };
    for (const auto& c : cases) {
        script.onMessage = [&c](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Keldra");
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.standardButtons(), c.buttons) << c.type;
            EXPECT_EQ(box.icon(), c.icon) << c.type;
            box.button(c.clicked)->click();
            return box.result();
        };
        EXPECT_EQ(ui.messageBox("Warning!\nCannot update card in storage!", c.type), c.answer) << c.type;
    }
    EXPECT_EQ(script.messages.back(), "Warning!\nCannot update card in storage!");
}

TEST_F(QtUserInterfaceTest, PasswordsComeFromTheDialogAndItsRefusalsAreMessagesOfTheInterface)
{
    int tries = 0;
    script.onPassword = [&tries](CEnterPasswordDlg& dlg) {
        EXPECT_TRUE(dlg.field(1).isVisibleTo(&dlg));
        EXPECT_FALSE(dlg.field(2).isVisibleTo(&dlg));
        dlg.field(0).setText("one");
        dlg.field(1).setText(++tries == 1 ? "two" : "one");
        dlg.accept();
        if (dlg.result() != QDialog::Accepted) {
            dlg.field(1).setText("one");
            dlg.accept();
        }
        return dlg.result();
    };
    PasswordEntry entry;
    ASSERT_TRUE(ui.askPassword(PasswordMode::Set, entry));
    EXPECT_EQ(entry.first, "one");
    EXPECT_EQ(entry.second, "one");
    EXPECT_EQ(script.messages, std::vector<QString>{"New password and confirm password don't match!"});

    script.onPassword = [](CEnterPasswordDlg& dlg) {
        dlg.field(0).setText("typed");
        dlg.reject();
        return dlg.result();
    };
    PasswordEntry cancelled;
    EXPECT_FALSE(ui.askPassword(PasswordMode::Enter, cancelled));
    EXPECT_TRUE(cancelled.first.IsEmpty());
}

TEST_F(QtUserInterfaceTest, TheSaveDialogTakesTheFilterAndExtensionAndGivesAWindowsPath)
{
    TempDir drive;
    EnvScope driveC("KELDRA_DRIVE_C", drive.path().string());
    script.onSaveFile = [&drive](QFileDialog& dlg) -> int {
        EXPECT_EQ(dlg.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dlg.nameFilters().size(), 1);
        EXPECT_TRUE(dlg.nameFilters().front().startsWith("Text files (*.txt)")) << dlg.nameFilters().front().toStdString();
        EXPECT_FALSE(dlg.testOption(QFileDialog::DontConfirmOverwrite));
        dlg.setDirectory(QString::fromStdString(drive.path().string()));
        dlg.selectFile(QString::fromStdString(drive.file("export")));
        static_cast<QDialog&>(dlg).accept();
        return dlg.result();
    };
    CString path;
    ASSERT_TRUE(ui.chooseSaveFile("Text files (*.txt)|*.txt|", "txt", path));
    EXPECT_EQ(path, "C:\\export.txt");

    script.onSaveFile = [](QFileDialog& dlg) {
        dlg.reject();
        return dlg.result();
    };
    CString untouched = "C:\\before.txt";
    EXPECT_FALSE(ui.chooseSaveFile("Text files (*.txt)|*.txt|", "txt", untouched));
    EXPECT_EQ(untouched, "C:\\before.txt");
}

TEST_F(QtUserInterfaceTest, QuitEndsTheEventLoopWithTheCodeOnceControlReturnsThere)
{
    ui.requestQuit(-1);
    EXPECT_EQ(QCoreApplication::exec(), -1);
}

} // namespace
