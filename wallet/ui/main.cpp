// Keldra, the wallet program.
#include "app/AppDialogs.h"
#include "app/QtUserInterface.h"
#include "app/WalletApp.h"
#include "cards/edit/EditorChoosers.h"
#include "cards/show/CardSound.h"
#include "frame/MainFrame.h"
#include "platform/NativePath.h"
#include "zenthoLib/Ui/FontSetup.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// The wallet named on the command line, as the desktop passes a ".wal" file; empty when none.
CString namedWallet(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1))
        if (!argument.startsWith('-'))
            return fromNativePath(QFileInfo(argument).absoluteFilePath().toStdString());
    return CString();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keldra"));
    QApplication::setDesktopFileName(QStringLiteral("com.quorvex.Keldra"));
    installFontSubstitutes();

    CQtUserInterface ui;
    CQtAppDialogs dialogs;
    CQtEditorChoosers choosers;
    CCardSound sound;
    CWalletApp app(ui, dialogs, choosers, sound);
    if (!app.initInstance(namedWallet(QApplication::arguments())))
        return 1;
    ui.setParentWindow(app.mainFrame());
    return QApplication::exec();
}
