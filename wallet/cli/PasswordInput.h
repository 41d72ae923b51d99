// Where the tool takes passwords from: a file (its first line), a line of
// standard input, or the terminal, asked without echo. Never from the
// command line or the environment. Each password is read once.
#pragma once

#include "platform/CString.h"

#include <optional>
#include <string>

struct PasswordSources {
    std::string passwordFile;
    bool passwordStdin = false;
    std::string newPasswordFile;
    bool newPasswordStdin = false;
};

class PasswordInput {
public:
    explicit PasswordInput(const PasswordSources& sources) : sources(sources) {}

    // The wallet's password; `prompt` is shown when the terminal is asked.
    // Nothing when no source gives one; `problem` then says why.
    std::optional<CString> password(const char* prompt, std::string& problem);
    // The new password (`passwd`, or a first password set on the way);
    // without a source of its own the terminal is asked twice.
    std::optional<CString> newPassword(const char* prompt, const char* confirmPrompt, std::string& problem);
    bool hasPasswordSource() const { return !sources.passwordFile.empty() || sources.passwordStdin; }
    bool hasNewPasswordSource() const { return !sources.newPasswordFile.empty() || sources.newPasswordStdin; }

private:
    std::optional<std::string> fromFile(const std::string& path, std::string& problem);
    std::optional<std::string> fromStdin(std::string& problem);

    PasswordSources sources;
    std::optional<std::string> passwordRead;
    bool passwordLineTaken = false;
};

// Whether the person can be asked on the terminal.
bool terminalAvailable();
// A line typed on the terminal after `prompt`; without echo when `secret`.
std::optional<std::string> askTerminal(const char* prompt, bool secret);
