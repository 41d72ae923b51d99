#include "app/AppDialogs.h"

#include "app/AboutPicture.h"
#include "dialogs/LastFilePrompt.h"
#include "zenthoLib/Ui/AppAboutDlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QPageSetupDialog>

namespace {

// The wallet files' filter of the file dialogs.
const char* const kOpenFilter = "Keldra (*.wal);;All Files (*)";
const char* const kNewFilter = "Keldra files (*.wal)";
const char* const kStrongFormatChoice = "Encrypt the whole wallet (strong; the Windows program cannot open it)";
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

std::optional<QString> CQtAppDialogs::chooseNewWalletFile(QWidget* parent, const QString& startFolder, bool& strong)
{
    // The save dialog asks before it replaces a file of the name chosen. It
    // is Qt's own, so that the format's box can stand under its fields.
    QFileDialog dialog(parent, QStringLiteral("Save As"), startFolder, QString::fromLatin1(kNewFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* strongBox = new QCheckBox(QString::fromLatin1(kStrongFormatChoice), &dialog);
    strongBox->setObjectName(QStringLiteral("strongFormat"));
    strongBox->setChecked(strong);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(strongBox, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    strong = strongBox->isChecked();
    return dialog.selectedFiles().constFirst();
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
