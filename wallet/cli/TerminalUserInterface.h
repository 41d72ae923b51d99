// The wallet's user interface on a terminal: messages go to standard error as
// the program words them; questions take the answer given on the command
// line (--yes, --no, or the command's own such as --decrypt), else the one
// typed on the terminal, else the safe one (No, or Cancel where offered);
// passwords come from PasswordInput; the save-file chooser answers with the
// file the command names.
#pragma once

#include "PasswordInput.h"
#include "zenthoLib/Base/UserInterface.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class TerminalUserInterface : public IUserInterface {
public:
    explicit TerminalUserInterface(const PasswordSources& sources) : passwords(sources) {}

    int messageBox(const CString& text, UINT type) override;
    bool askPassword(PasswordMode mode, PasswordEntry& entry) override;
    bool chooseSaveFile(const CString& filter, const CString& defaultExtension, CString& path) override;
    void requestQuit(int exitCode) override { quitRequested = true, quitCode = exitCode; }

    // Yes (true) or No (false) for every question; Cancel is never chosen then.
    void answerAll(bool yes) { everyAnswer = yes; }
    // The answer to one question, by its text.
    void answer(const std::string& question, bool yes) { answers[question] = yes; }
    // The path the save-file chooser gives (Windows form).
    void setSaveFile(const CString& path) { saveFile = path; }

    // Whether a message of exactly this text was shown.
    bool wasShown(const std::string& text) const;
    bool hasQuit() const { return quitRequested; }
    PasswordInput& passwordInput() { return passwords; }

private:
    PasswordInput passwords;
    std::optional<bool> everyAnswer;
    std::map<std::string, bool> answers;
    std::optional<CString> saveFile;
    std::vector<std::string> shown;
    bool quitRequested = false;
    int quitCode = 0;
};
