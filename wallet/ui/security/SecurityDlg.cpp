#include "zenthoLib/Base/TraceLog.h"

#include "security/SecurityDlg.h"

#include "dialogs/DialogButtons.h"
#include "security/SecurityTexts.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The explanation under a choice, indented to its text.
QLabel* details(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setContentsMargins(24, 0, 0, 8);
    return label;
}

} // namespace

CSecurityDlg::CSecurityDlg(WalletFormat current, QWidget* parent) : QDialog(parent)
{
    using namespace SecurityTexts;
    setWindowTitle(QString::fromLatin1(kTitle));
    // The dialog takes the size its texts need.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* kept = new QLabel(QString::fromLatin1(current == WalletFormat::Strong ? kKeptStrong : kKeptClassic), this);
    layout->addWidget(kept);
    layout->addSpacing(6);
    m_classic = new QRadioButton(QString::fromLatin1(kClassic), this);
    m_strong = new QRadioButton(QString::fromLatin1(kStrong), this);
    m_classic->setObjectName(QStringLiteral("classicFormat"));
    m_strong->setObjectName(QStringLiteral("strongFormat"));
    layout->addWidget(m_classic);
    layout->addWidget(details(kClassicDetails, this));
    layout->addWidget(m_strong);
    layout->addWidget(details(kStrongDetails, this));
    (current == WalletFormat::Strong ? m_strong : m_classic)->setChecked(true);
    layout->addLayout(okCancelRow(*this));
    gDialogFixer.fixDialog(this);
}

WalletFormat CSecurityDlg::chosenFormat() const { return m_strong->isChecked() ? WalletFormat::Strong : WalletFormat::Classic; }
