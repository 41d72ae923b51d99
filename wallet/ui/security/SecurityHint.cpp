#include "zenthoLib/Base/TraceLog.h"

#include "security/SecurityHint.h"

#include "model/Category.h"
#include "model/DocumentCardSealer.h"
#include "model/WalletDoc.h"
#include "security/SecurityTexts.h"
#include "zenthoLib/Base/RegKey.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr const char* kSettingsKey = "Software\\Local AppWizard-Generated Applications\\Keldra\\Settings";
constexpr const char* kDismissedValue = "SecurityHintDismissed";

} // namespace

CSecurityHint::CSecurityHint(CWalletDoc& document, QAction& security, QWidget* parent) : QFrame(parent), m_document(document)
{
    setObjectName(QStringLiteral("securityHint"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette quiet = palette();
    quiet.setColor(QPalette::Window, quiet.color(QPalette::ToolTipBase));
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::ToolTipText));
    setPalette(quiet);

    auto* text = new QLabel(QString::fromLatin1(SecurityTexts::kHint), this);
    text->setWordWrap(true);
    auto* open = new QToolButton(this);
    open->setText(QString::fromLatin1(SecurityTexts::kHintButton));
    connect(open, &QToolButton::clicked, &security, &QAction::trigger);
    m_dismiss = new QToolButton(this);
    m_dismiss->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_dismiss->setAutoRaise(true);
    m_dismiss->setToolTip(QString::fromLatin1(SecurityTexts::kHintDismiss));
    connect(m_dismiss, &QToolButton::clicked, this, &CSecurityHint::dismiss);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 2, 2);
    layout->addWidget(text, 1);
    layout->addWidget(open);
    layout->addWidget(m_dismiss);

    m_document.addObserver(this);
    follow();
}

CSecurityHint::~CSecurityHint() { m_document.removeObserver(this); }

void CSecurityHint::onUpdate(const UpdateHint& hint)
{
    // Only a change to the tree's categories can change the answer.
    switch (hint.kind) {
    case UpdateHint::TreeLoaded:
    case UpdateHint::CategoryAdded:
    case UpdateHint::CategoryDeleted:
    case UpdateHint::CategoryWritten:
        follow();
        break;
    default:
        break;
    }
}

void CSecurityHint::onContentsDeleting() { hide(); }

bool CSecurityHint::isDismissed()
{
    RegKey key;
    DWORD dismissed = 0;
    return key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) == ERROR_SUCCESS &&
           key.QueryValue(dismissed, kDismissedValue) == ERROR_SUCCESS && dismissed == 1;
}

void CSecurityHint::follow()
{
    const bool wanted = m_document.isFileOpen() && m_document.getFileFormat() == WalletFormat::Classic &&
                        hasEncryptedCategory(m_document.getRoot()) && !isDismissed();
    setVisible(wanted);
}

void CSecurityHint::dismiss()
{
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS)
        key.SetValue(DWORD{1}, kDismissedValue);
    hide();
}
