// How the wallet talks to the person using it. Nothing below the windows
// opens one: the model, the settings and the icon catalogue ask through this
// interface, which the program answers with real dialogs, the command-line
// tool with the terminal and the tests with a scripted double. It lives in the
// support library, beneath all of them, beside the library's own message
// hook. Texts are passed as they are shown.
#pragma once

#include "platform/CString.h"
#include "platform/WinTypes.h"

// Message box buttons and icons, as the Windows flags.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;

// Message box answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The password dialog's three ways of asking.
enum class PasswordMode {
    Enter,  // "Password:"
    Set,    // "Enter password:", "Confirm password:"
    Change, // "Old password:", "New password:", "Confirm password:"
};

// What the password dialog returns; the texts are wiped when it goes.
struct PasswordEntry {
    CString first;
    CString second;
    CString third;

    PasswordEntry() = default;
    PasswordEntry(const PasswordEntry&) = delete;
    PasswordEntry& operator=(const PasswordEntry&) = delete;
    ~PasswordEntry() { wipe(); }
    void wipe();
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // Shows a message with MB_ buttons and icon flags; returns the IDOK/IDCANCEL/IDYES/IDNO answer.
    virtual int messageBox(const CString& text, UINT type) = 0;
    // Asks for passwords in the given mode; false when the person cancels.
    virtual bool askPassword(PasswordMode mode, PasswordEntry& entry) = 0;
    // Asks where to save a file; `filter` is in the "Name (*.ext)|*.ext|" form.
    // The person is asked before an existing file is replaced. False on cancel.
    virtual bool chooseSaveFile(const CString& filter, const CString& defaultExtension, CString& path) = 0;
    // Asks the application to end with the exit code once control returns to it.
    virtual void requestQuit(int exitCode) = 0;
};
