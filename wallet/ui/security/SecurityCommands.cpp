#include "zenthoLib/Base/TraceLog.h"

#include "security/SecurityCommands.h"

#include "frame/CommandIds.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/WalletDoc.h"
#include "security/SecurityDlg.h"
#include "security/SecurityTexts.h"
#include "zenthoLib/Base/UserInterface.h"

#include <QWidget>

std::optional<WalletFormat> CQtSecurityDialogs::chooseFormat(WalletFormat current)
{
    CSecurityDlg dialog(current, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFormat();
}

CSecurityCommands::CSecurityCommands(UiServices& services, IWalletFrame& frame, ISecurityDialogs* dialogs)
    : m_services(services), m_frame(frame),
      m_ownDialogs(dialogs ? nullptr : std::make_unique<CQtSecurityDialogs>(dynamic_cast<QWidget*>(&frame))),
      m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
}

CSecurityCommands::~CSecurityCommands() = default;

bool CSecurityCommands::runCommand(int id)
{
    if (id != CommandId::Security)
        return false;
    m_frame.restartInactivityTimer();
    chooseFormat();
    return true;
}

std::optional<bool> CSecurityCommands::commandEnabled(int id)
{
    if (id == CommandId::Security)
        return m_services.document.isFileOpen();
    return std::nullopt;
}

void CSecurityCommands::chooseFormat()
{
    CWalletDoc& document = m_services.document;
    const WalletFormat current = document.getFileFormat();
    const auto chosen = m_dialogs.chooseFormat(current);
    if (!chosen || *chosen == current)
        return;
    if (*chosen == WalletFormat::Classic &&
        m_services.ui.messageBox(CString(SecurityTexts::kToClassicQuestion), MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    // The document tells the person what failed; the views follow its hints.
    document.convertWalletFile(*chosen);
}
