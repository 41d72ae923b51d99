// The password dialog "Enter password" in its three modes: one field to
// enter the password, two to set a first one, three to change it. The fields
// never echo; their texts are overwritten and cleared once taken, and when
// the dialog goes.
#pragma once

#include "zenthoLib/Base/UserInterface.h"

#include <QDialog>

class QLabel;
class QLineEdit;

class CEnterPasswordDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFieldCount = 3;

    CEnterPasswordDlg(PasswordMode mode, IUserInterface& messages, QWidget* parent = nullptr);
    ~CEnterPasswordDlg() override;

    // Refuses, with its message, a new password equal to the old one or a
    // confirmation that differs; otherwise takes the texts and closes.
    void accept() override;
    void reject() override;
    // Moves the texts into `entry` (taking them from the fields first if OK
    // has not) and wipes every copy the dialog held.
    void takeEntry(PasswordEntry& entry);

    QLineEdit& field(int index) const { return *m_fields[index]; }
    QLabel& label(int index) const { return *m_labels[index]; }

private:
    // Whether the texts pass the mode's checks; tells the person when not.
    bool textsAgree();
    void takeTexts();
    void wipeFields();

    PasswordMode m_mode;
    IUserInterface& m_messages;
    QLabel* m_labels[kFieldCount];
    QLineEdit* m_fields[kFieldCount];
    PasswordEntry m_entry;
    bool m_taken = false;
};
