#include "print/PrintDialogs.h"

#include <QPrintDialog>

bool CQtPrintDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}
