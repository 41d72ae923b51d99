#include "app/AppDialogs.h"

#include "app/AboutPicture.h"
#include "dialogs/LastFilePrompt.h"
#include "zenthoLib/Ui/AppAboutDlg.h"

#include <QFileDialog>
#include <QPageSetupDialog>

namespace {

// The wallet files' filter of the file dialogs.
const char* const kOpenFilter = "Keldra (*.wal);;All Files (*)";
const char* const kNewFilter = "Keldra files (*.wal)";
const char* const kVersion = "v.2.6.0";

} // namespace

std::optional<QString> CQtAppDialogs::chooseWalletToOpen(QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(), QString::fromLatin1(kOpenFilter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool CQtAppDialogs::opensExistingForMissingLastFile(QWidget* parent)
{
    CLastOpenedFileDoesnotExistPrompt prompt(parent);
    prompt.exec();
    return prompt.opensExisting();
}

std::optional<QString> CQtAppDialogs::chooseNewWalletFile(QWidget* parent, const QString& startFolder)
{
    // The save dialog asks before it replaces a file of the name chosen.
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), startFolder, QString::fromLatin1(kNewFilter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void CQtAppDialogs::printSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

void CQtAppDialogs::showAbout(QWidget* parent, const QString& link)
{
    CAppAboutDlg about(aboutPicture(), link, QString::fromLatin1(kVersion), parent);
    about.exec();
}
