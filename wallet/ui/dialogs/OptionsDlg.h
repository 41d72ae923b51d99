// The "Options" dialog on the wallet's settings: the password prompt on open,
// what inactivity does after how many minutes, and the lock-out after a
// number of wrong passwords. OK checks the three numbers and stores them with
// the switches; Cancel leaves the settings as they were.
#pragma once

#include <QDialog>

class CKeldraOptions;
class IUserInterface;
class QCheckBox;
class QLineEdit;
class QRadioButton;

class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPromptOnOpenId = 1176;
    static constexpr int kInactivityId = 1165;
    static constexpr int kLockWalletId = 1101;
    static constexpr int kCloseWalletId = 1102;
    static constexpr int kInactivityMinutesId = 1000;
    static constexpr int kLockoutId = 1148;
    static constexpr int kAttemptsId = 1020;
    static constexpr int kLockoutMinutesId = 1021;

    COptionsDlg(CKeldraOptions& options, IUserInterface& messages, QWidget* parent = nullptr);

    // An empty or zero number is refused with its message and gets the focus.
    void accept() override;

private:
    // The number fields in the order they are checked and stored.
    static constexpr int kNumberCount = 3;

    QLineEdit* numberField(int id, int digits);
    // The first number field that is empty or 0, told to the person; null when all are valid.
    QLineEdit* firstInvalidNumber();
    void store();

    CKeldraOptions& m_options;
    IUserInterface& m_messages;
    QCheckBox* m_promptOnOpen;
    QCheckBox* m_inactivity;
    QRadioButton* m_lockWallet;
    QRadioButton* m_closeWallet;
    QCheckBox* m_lockout;
    QLineEdit* m_numbers[kNumberCount];
};
