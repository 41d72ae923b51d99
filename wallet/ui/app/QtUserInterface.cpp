#include "QtUserInterface.h"

#include "cards/edit/EditorChoosers.h"
#include "dialogs/EnterPasswordDlg.h"
#include "platform/NativePath.h"
#include "zenthoLib/Ui/QtText.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

constexpr const char* kTitle = "Keldra";
constexpr UINT kButtonsMask = 0x0F;
constexpr UINT kIconMask = 0xF0;

struct ButtonSet {
    UINT flags;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

constexpr ButtonSet kButtonSets[] = {
    {MB_OK, QMessageBox::Ok, QMessageBox::Ok},
    {MB_OKCANCEL, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
    {MB_YESNOCANCEL, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
    {MB_YESNO, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
};

struct IconKind {
    UINT flag;
    QMessageBox::Icon icon;
};

constexpr IconKind kIcons[] = {
    {MB_ICONERROR, QMessageBox::Critical},
    {MB_ICONQUESTION, QMessageBox::Question},
    {MB_ICONWARNING, QMessageBox::Warning},
    {MB_ICONINFORMATION, QMessageBox::Information},
};

struct Answer {
    QMessageBox::StandardButton button;
    int id;
};

constexpr Answer kAnswers[] = {
    {QMessageBox::Ok, IDOK},
    {QMessageBox::Cancel, IDCANCEL},
    {QMessageBox::Yes, IDYES},
    {QMessageBox::No, IDNO},
};

const ButtonSet& buttonSetOf(UINT type)
{
    for (const ButtonSet& set : kButtonSets) {
        if ((type & kButtonsMask) == set.flags)
            return set;
    }
    return kButtonSets[0];
}

QMessageBox::Icon iconOf(UINT type)
{
    for (const IconKind& kind : kIcons) {
        if ((type & kIconMask) == kind.flag)
            return kind.icon;
    }
    return QMessageBox::NoIcon;
}

// A box closed without a button (Escape, the close box) answers as Cancel,
// or as OK when OK is its only button.
int answerOf(int button, const ButtonSet& set)
{
    for (const Answer& answer : kAnswers) {
        if (button == answer.button)
            return answer.id;
    }
    return set.flags == MB_OK ? IDOK : IDCANCEL;
}

} // namespace

CQtUserInterface::CQtUserInterface(QWidget* parentWindow)
    : m_parent(parentWindow), m_run([](QDialog& dialog) { return dialog.exec(); })
{
}

void CQtUserInterface::setParentWindow(QWidget* window)
{
    m_parent = window;
}

void CQtUserInterface::setDialogRunner(DialogRunner runner)
{
    m_run = std::move(runner);
}

int CQtUserInterface::messageBox(const CString& text, UINT type)
{
    const ButtonSet& set = buttonSetOf(type);
    QMessageBox box(iconOf(type), QString::fromLatin1(kTitle), toQString(text), set.buttons, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.defaultButton);
    return answerOf(m_run(box), set);
}

bool CQtUserInterface::askPassword(PasswordMode mode, PasswordEntry& entry)
{
    CEnterPasswordDlg dialog(mode, *this, m_parent);
    if (m_run(dialog) != QDialog::Accepted)
        return false;
    dialog.takeEntry(entry);
    return true;
}

bool CQtUserInterface::chooseSaveFile(const CString& filter, const CString& defaultExtension, CString& path)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFileFilter(toQString(filter)));
    dialog.setDefaultSuffix(toQString(defaultExtension));
    if (m_run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = fromNativePath(fromQString(dialog.selectedFiles().constFirst()).str());
    return true;
}

void CQtUserInterface::requestQuit(int exitCode)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}
