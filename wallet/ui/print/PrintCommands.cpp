#include "print/PrintCommands.h"

#include "frame/CommandIds.h"
#include "frame/IWalletFrame.h"
#include "frame/SharedPrinter.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "print/CardPrinter.h"
#include "print/PrintDialogs.h"
#include "print/PrintTexts.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/QtText.h"

#include <QWidget>

CPrintCommands::CPrintCommands(UiServices& services, IWalletFrame& frame, IPrintDialogs* dialogs)
    : m_services(services), m_frame(frame), m_ownDialogs(dialogs ? nullptr : std::make_unique<CQtPrintDialogs>(dynamic_cast<QWidget*>(&frame))),
      m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
}

CPrintCommands::~CPrintCommands() = default;

bool CPrintCommands::runCommand(int id)
{
    if (id != CommandId::Print)
        return false;
    m_frame.restartInactivityTimer();
    print();
    return true;
}

std::optional<bool> CPrintCommands::commandEnabled(int id)
{
    if (id == CommandId::Print)
        return true;
    return std::nullopt;
}

void CPrintCommands::print()
{
    QPrinter& printer = m_services.printer.printer();
    if (!m_dialogs.choosePrinter(printer))
        return;
    // Without a selected category there is nothing to print, as in an empty one.
    if (const CCategory* category = m_frame.selectedCategory())
        CCardPrinter(m_services.ui, m_services.sound, fromQString(m_services.programDir)).print(*category, printer);
    else
        m_services.ui.messageBox(PrintTexts::kNoCards, MB_OK);
}
