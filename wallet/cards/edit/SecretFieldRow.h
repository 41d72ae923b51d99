// A field that holds a password or a PIN, as the editor shows it: its edit
// box, a "Generate" button that fills it with a random secret the field
// takes (a PIN of digits as long as its limit allows, a password of every
// class of character) and the secret's strength in bits, kept up to date
// while the user types.
#pragma once

#include "passwords/PasswordGenerator.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// A generate button has the id kGenerateControlBase + the field's number, its
// strength kStrengthControlBase + the field's number.
inline constexpr int kGenerateControlBase = 1300;
inline constexpr int kStrengthControlBase = 1350;

class CSecretFieldRow : public QWidget {
    Q_OBJECT
public:
    // The row owns nothing of `edit` but its place: the edit goes first in it.
    CSecretFieldRow(QLineEdit& edit, int field, const PasswordRules& rules, QWidget* parent);

    // "Strength: N bits" of the edit's text; empty while the field is.
    static QString strengthText(const QString& secret);

private:
    void generate();
    void showStrength();

    QLineEdit& m_edit;
    PasswordRules m_rules;
    QLabel* m_strength;
};
