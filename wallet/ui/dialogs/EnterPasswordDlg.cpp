#include "EnterPasswordDlg.h"

#include "DialogButtons.h"
#include "DialogTexts.h"
#include "zenthoLib/Ui/DialogFixer.h"
#include "zenthoLib/Ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The labels of each mode; a mode shows as many fields as it has labels.
struct ModeLabels {
    PasswordMode mode;
    const char* labels[CEnterPasswordDlg::kFieldCount];
};

constexpr ModeLabels kModeLabels[] = {
    {PasswordMode::Enter, {"Password:", nullptr, nullptr}},
    {PasswordMode::Set, {"Enter password:", "Confirm password:", nullptr}},
    {PasswordMode::Change, {"Old password:", "New password:", "Confirm password:"}},
};

const ModeLabels& labelsOf(PasswordMode mode)
{
    for (const ModeLabels& labels : kModeLabels) {
        if (labels.mode == mode)
            return labels;
    }
    return kModeLabels[0];
}

// Overwrites the field's text where the field keeps it, then clears it.
// The copy `text()` gives shares the field's own buffer, so writing through
// it reaches that buffer; clearing also drops the field's undo history.
void wipeField(QLineEdit& field)
{
    const QString text = field.text();
    std::fill_n(const_cast<QChar*>(text.constData()), text.size(), QChar(u'\0'));
    field.clear();
}

} // namespace

CEnterPasswordDlg::CEnterPasswordDlg(PasswordMode mode, IUserInterface& messages, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_messages(messages)
{
    setWindowTitle(QString::fromLatin1(DialogTexts::kPasswordCaption));
    const ModeLabels& modeLabels = labelsOf(mode);
    auto* fields = new QGridLayout;
    for (int i = 0; i < kFieldCount; ++i) {
        const char* text = modeLabels.labels[i];
        m_labels[i] = new QLabel(text ? QString::fromLatin1(text) : QString(), this);
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setEchoMode(QLineEdit::Password);
        m_labels[i]->setBuddy(m_fields[i]);
        m_labels[i]->setVisible(text != nullptr);
        m_fields[i]->setVisible(text != nullptr);
        fields->addWidget(m_labels[i], i, 0);
        fields->addWidget(m_fields[i], i, 1);
    }
    fields->setColumnMinimumWidth(1, 160);

    // A fixed size: the buttons and the dialog's height follow the last shown field.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(fields);
    layout->addLayout(okCancelRow(*this));
    m_fields[0]->setFocus();
    gDialogFixer.fixDialog(this);
}

CEnterPasswordDlg::~CEnterPasswordDlg()
{
    wipeFields();
}

bool CEnterPasswordDlg::textsAgree()
{
    const QString first = m_fields[0]->text();
    const QString second = m_fields[1]->text();
    const QString third = m_fields[2]->text();
    const char* problem = nullptr;
    if (m_mode == PasswordMode::Change && first == second)
        problem = DialogTexts::kSameAsOld;
    else if (m_mode == PasswordMode::Change && second != third)
        problem = DialogTexts::kConfirmMismatch;
    else if (m_mode == PasswordMode::Set && first != second)
        problem = DialogTexts::kConfirmMismatch;
    if (!problem)
        return true;
    m_messages.messageBox(problem, MB_OK | MB_ICONWARNING);
    return false;
}

void CEnterPasswordDlg::accept()
{
    if (!textsAgree())
        return;
    takeTexts();
    QDialog::accept();
}

void CEnterPasswordDlg::reject()
{
    wipeFields();
    QDialog::reject();
}

void CEnterPasswordDlg::takeTexts()
{
    if (m_taken)
        return;
    CString* texts[kFieldCount] = {&m_entry.first, &m_entry.second, &m_entry.third};
    for (int i = 0; i < kFieldCount; ++i)
        *texts[i] = fromQString(m_fields[i]->text());
    wipeFields();
    m_taken = true;
}

void CEnterPasswordDlg::takeEntry(PasswordEntry& entry)
{
    takeTexts();
    entry.wipe();
    std::swap(entry.first, m_entry.first);
    std::swap(entry.second, m_entry.second);
    std::swap(entry.third, m_entry.third);
    m_entry.wipe();
}

void CEnterPasswordDlg::wipeFields()
{
    for (QLineEdit* field : m_fields)
        wipeField(*field);
}
