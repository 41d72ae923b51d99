// The person of a benchmark run: knows the password, says yes to every
// question and saves every file where the run wants it. Messages are kept
// so that a failing step can say why.
#pragma once

#include "zenthoLib/Base/UserInterface.h"

#include <string>

class BenchUserInterface : public IUserInterface {
public:
    static constexpr const char* kPassword = "correct horse battery";

    // Where the next file chosen for saving goes (Windows form).
    CString savePath;
    // The last message shown.
    std::string lastMessage;

    int messageBox(const CString& text, UINT type) override
    {
        lastMessage = text.str();
        return (type & 0xF) == MB_OK ? IDOK : IDYES;
    }

    bool askPassword(PasswordMode, PasswordEntry& entry) override
    {
        entry.first = kPassword;
        entry.second = kPassword;
        entry.third = kPassword;
        return true;
    }

    bool chooseSaveFile(const CString&, const CString&, CString& path) override
    {
        path = savePath;
        return !path.IsEmpty();
    }

    void requestQuit(int) override {}
};
