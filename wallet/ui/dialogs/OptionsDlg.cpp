#include "OptionsDlg.h"

#include "DialogButtons.h"
#include "DialogTexts.h"
#include "cards/edit/ControlId.h"
#include "settings/KeldraOptions.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// A number of the settings with its field: the id, the digits it takes, and
// how it is read and stored. In the order the numbers are checked and stored.
struct NumberSetting {
    int id;
    int digits;
    int (CKeldraOptions::*get)() const;
    void (CKeldraOptions::*set)(int);
};

constexpr NumberSetting kNumberSettings[] = {
    {COptionsDlg::kAttemptsId, 1, &CKeldraOptions::attempts, &CKeldraOptions::setAttempts},
    {COptionsDlg::kLockoutMinutesId, 3, &CKeldraOptions::lockoutMinutes, &CKeldraOptions::setLockoutMinutes},
    {COptionsDlg::kInactivityMinutesId, 3, &CKeldraOptions::inactivityMinutes, &CKeldraOptions::setInactivityMinutes},
};
constexpr int kAttempts = 0;
constexpr int kLockoutMinutes = 1;
constexpr int kInactivityMinutes = 2;

template <class Button> Button* checkable(QWidget* parent, const char* text, int id, bool checked)
{
    auto* button = named(new Button(QString::fromLatin1(text), parent), id);
    button->setChecked(checked);
    return button;
}

QLabel* text(QWidget* parent, const char* words)
{
    return new QLabel(QString::fromLatin1(words), parent);
}

} // namespace

COptionsDlg::COptionsDlg(CKeldraOptions& options, IUserInterface& messages, QWidget* parent)
    : QDialog(parent), m_options(options), m_messages(messages)
{
    static_assert(std::size(kNumberSettings) == kNumberCount);
    setWindowTitle(QString::fromLatin1(DialogTexts::kOptionsCaption));
    m_promptOnOpen = checkable<QCheckBox>(this, "Prompt for password on open", kPromptOnOpenId, options.promptOnOpen());
    m_inactivity = checkable<QCheckBox>(this, "After ", kInactivityId, options.inactivityEnabled());
    m_lockWallet = checkable<QRadioButton>(this, "Lock Wallet ", kLockWalletId, options.inactivityLocks());
    m_closeWallet = checkable<QRadioButton>(this, "Close Wallet", kCloseWalletId, options.inactivityCloses());
    m_lockout = checkable<QCheckBox>(this, "Lock for", kLockoutId, options.lockoutEnabled());
    for (int i = 0; i < kNumberCount; ++i) {
        const NumberSetting& setting = kNumberSettings[i];
        m_numbers[i] = numberField(setting.id, setting.digits);
        m_numbers[i]->setText(QString::number((options.*setting.get)()));
    }

    auto* grid = new QGridLayout;
    grid->addWidget(m_promptOnOpen, 0, 0, 1, 3);
    grid->addWidget(m_inactivity, 1, 0);
    grid->addWidget(m_numbers[kInactivityMinutes], 1, 1);
    grid->addWidget(text(this, "minutes inactivity"), 1, 2);
    auto* choice = new QHBoxLayout;
    choice->addWidget(m_lockWallet);
    choice->addWidget(m_closeWallet);
    grid->addLayout(choice, 2, 1, 1, 2);
    grid->addWidget(m_lockout, 3, 0);
    grid->addWidget(m_numbers[kLockoutMinutes], 3, 1);
    grid->addWidget(text(this, "minutes"), 3, 2);
    grid->addWidget(m_numbers[kAttempts], 4, 1);
    grid->addWidget(text(this, "incorrect attempts"), 4, 2);

    // Each switch enables its group while it is on.
    const auto enableInactivity = [this](bool on) {
        for (QWidget* control : {static_cast<QWidget*>(m_numbers[kInactivityMinutes]), static_cast<QWidget*>(m_lockWallet),
                                 static_cast<QWidget*>(m_closeWallet)})
            control->setEnabled(on);
    };
    const auto enableLockout = [this](bool on) {
        m_numbers[kAttempts]->setEnabled(on);
        m_numbers[kLockoutMinutes]->setEnabled(on);
    };
    connect(m_inactivity, &QCheckBox::toggled, this, enableInactivity);
    connect(m_lockout, &QCheckBox::toggled, this, enableLockout);
    enableInactivity(m_inactivity->isChecked());
    enableLockout(m_lockout->isChecked());

    // The dialog takes the size its controls need.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(okCancelRow(*this));
    gDialogFixer.fixDialog(this);
}

QLineEdit* COptionsDlg::numberField(int id, int digits)
{
    auto* field = named(new QLineEdit(this), id);
    field->setMaxLength(digits);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))));
    return field;
}

QLineEdit* COptionsDlg::firstInvalidNumber()
{
    // Disabled fields are checked too: their numbers are stored all the same.
    for (QLineEdit* field : m_numbers) {
        const char* problem = nullptr;
        if (field->text().isEmpty())
            problem = DialogTexts::kFieldEmpty;
        else if (field->text().toInt() == 0)
            problem = DialogTexts::kFieldZero;
        if (problem) {
            m_messages.messageBox(problem, MB_OK | MB_ICONWARNING);
            return field;
        }
    }
    return nullptr;
}

void COptionsDlg::accept()
{
    if (QLineEdit* invalid = firstInvalidNumber()) {
        invalid->setFocus();
        return;
    }
    store();
    QDialog::accept();
}

void COptionsDlg::store()
{
    for (int i = 0; i < kNumberCount; ++i) {
        const NumberSetting& setting = kNumberSettings[i];
        (m_options.*setting.set)(m_numbers[i]->text().toInt());
    }
    m_options.setInactivityEnabled(m_inactivity->isChecked());
    m_options.setInactivityCloses(m_closeWallet->isChecked());
    m_options.setLockoutEnabled(m_lockout->isChecked());
    m_options.setPromptOnOpen(m_promptOnOpen->isChecked());
}
