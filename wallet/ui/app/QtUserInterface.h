// The wallet's user interface in windows: message boxes titled "Keldra", the
// password dialog, the save-file dialog and the quit request to the event loop.
//
// Every dialog runs through the dialog runner, a modal loop by default; the
// tests put a runner there that works the dialog and answers at once.
#pragma once

#include "zenthoLib/Base/UserInterface.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QDialog;

class CQtUserInterface : public IUserInterface {
public:
    // Runs a dialog to its end and gives its result code.
    using DialogRunner = std::function<int(QDialog& dialog)>;

    explicit CQtUserInterface(QWidget* parentWindow = nullptr);
    // The window the dialogs open over.
    void setParentWindow(QWidget* window);
    void setDialogRunner(DialogRunner runner);

    int messageBox(const CString& text, UINT type) override;
    bool askPassword(PasswordMode mode, PasswordEntry& entry) override;
    // The chosen path in the Windows form, with `defaultExtension` (given
    // without the dot) added to a name that has none.
    bool chooseSaveFile(const CString& filter, const CString& defaultExtension, CString& path) override;
    // Posts the end of the event loop with the code; it happens once control returns there.
    void requestQuit(int exitCode) override;

private:
    QPointer<QWidget> m_parent;
    DialogRunner m_run;
};
