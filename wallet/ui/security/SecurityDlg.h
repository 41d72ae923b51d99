// The Security dialog: which of the two formats the wallet file is kept in,
// with what each protects.
#pragma once

#include "model/WalletStorage.h"

#include <QDialog>

class QRadioButton;

class CSecurityDlg : public QDialog {
    Q_OBJECT
public:
    CSecurityDlg(WalletFormat current, QWidget* parent = nullptr);

    WalletFormat chosenFormat() const;
    QRadioButton& classicButton() const { return *m_classic; }
    QRadioButton& strongButton() const { return *m_strong; }

private:
    QRadioButton* m_classic;
    QRadioButton* m_strong;
};
