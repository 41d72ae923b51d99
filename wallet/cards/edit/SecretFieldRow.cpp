#include "zenthoLib/Base/TraceLog.h"

#include "SecretFieldRow.h"

#include "ControlId.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

CSecretFieldRow::CSecretFieldRow(QLineEdit& edit, int field, const PasswordRules& rules, QWidget* parent)
    : QWidget(parent), m_edit(edit), m_rules(rules)
{
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    edit.setParent(this);
    line->addWidget(&edit, 1);
    auto* button = named(new QPushButton(QStringLiteral("Generate"), this), kGenerateControlBase + field);
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("Fill the field with a random %1 of %2 characters")
                           .arg(rules.digits && !rules.lower && !rules.upper && !rules.symbols ? QStringLiteral("PIN")
                                                                                               : QStringLiteral("password"))
                           .arg(rules.length));
    line->addWidget(button);
    m_strength = named(new QLabel(this), kStrengthControlBase + field);
    // Room for the longest text, so that the row does not move while the user types.
    m_strength->setMinimumWidth(m_strength->fontMetrics().horizontalAdvance(QStringLiteral("Strength: 9999 bits")));
    line->addWidget(m_strength);
    connect(button, &QPushButton::clicked, this, &CSecretFieldRow::generate);
    connect(&edit, &QLineEdit::textChanged, this, &CSecretFieldRow::showStrength);
    showStrength();
}

QString CSecretFieldRow::strengthText(const QString& secret)
{
    if (secret.isEmpty())
        return QString();
    const double bits = typedPasswordBits(secret.toStdString());
    return QStringLiteral("Strength: %1 bits").arg(static_cast<int>(std::floor(bits)));
}

void CSecretFieldRow::generate()
{
    if (const auto secret = generatePassword(m_rules))
        m_edit.setText(QString::fromStdString(*secret));
}

void CSecretFieldRow::showStrength() { m_strength->setText(strengthText(m_edit.text())); }
