#include "PasswordInput.h"

#include "TerminalText.h"
#include "platform/SecureWipe.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <iostream>

namespace {

// Cuts the line end ("\n" or "\r\n") and whatever follows it.
std::string firstLine(std::string text)
{
    const std::size_t end = text.find('\n');
    if (end != std::string::npos)
        text.erase(end);
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

std::optional<CString> asWalletText(std::optional<std::string> typed)
{
    if (!typed)
        return std::nullopt;
    CString text = fromTerminal(*typed);
    secureWipe(typed->data(), typed->size());
    return text;
}

} // namespace

bool terminalAvailable() { return isatty(STDIN_FILENO) == 1; }

std::optional<std::string> askTerminal(const char* prompt, bool secret)
{
    if (!terminalAvailable())
        return std::nullopt;
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0)
        return std::nullopt;
    termios saved{};
    const bool hideEcho = secret && tcgetattr(tty, &saved) == 0;
    if (hideEcho) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(tty, TCSAFLUSH, &quiet);
    }
    (void)!::write(tty, prompt, std::char_traits<char>::length(prompt));
    std::string line;
    char c = 0;
    bool ended = false;
    while (::read(tty, &c, 1) == 1) {
        if (c == '\n') {
            ended = true;
            break;
        }
        line += c;
    }
    if (hideEcho) {
        tcsetattr(tty, TCSAFLUSH, &saved);
        (void)!::write(tty, "\n", 1);
    }
    ::close(tty);
    if (!ended && line.empty())
        return std::nullopt;
    return firstLine(line);
}

std::optional<std::string> PasswordInput::fromFile(const std::string& path, std::string& problem)
{
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (in)
        std::getline(in, text, '\0');
    if (!in && !in.eof()) {
        problem = "Cannot read the password file \"" + path + "\".";
        return std::nullopt;
    }
    std::string line = firstLine(text);
    secureWipe(text.data(), text.size());
    return line;
}

std::optional<std::string> PasswordInput::fromStdin(std::string& problem)
{
    std::string line;
    if (!std::getline(std::cin, line)) {
        problem = "Standard input holds no password line.";
        return std::nullopt;
    }
    return firstLine(line);
}

std::optional<CString> PasswordInput::password(const char* prompt, std::string& problem)
{
    if (!passwordRead) {
        if (!sources.passwordFile.empty())
            passwordRead = fromFile(sources.passwordFile, problem);
        else if (sources.passwordStdin)
            passwordRead = fromStdin(problem);
        else if (terminalAvailable())
            return asWalletText(askTerminal(prompt, true));
        else
            problem = "A password is needed: give --password-file FILE or --password-stdin.";
        passwordLineTaken = true;
    }
    return asWalletText(passwordRead);
}

std::optional<CString> PasswordInput::newPassword(const char* prompt, const char* confirmPrompt, std::string& problem)
{
    if (!sources.newPasswordFile.empty())
        return asWalletText(fromFile(sources.newPasswordFile, problem));
    if (sources.newPasswordStdin) {
        // The password's line comes first on standard input.
        if (sources.passwordStdin && !passwordLineTaken)
            password("", problem);
        return asWalletText(fromStdin(problem));
    }
    if (!terminalAvailable()) {
        problem = "A new password is needed: give --new-password-file FILE or --new-password-stdin.";
        return std::nullopt;
    }
    const std::optional<std::string> first = askTerminal(prompt, true);
    const std::optional<std::string> second = first ? askTerminal(confirmPrompt, true) : std::nullopt;
    if (!second)
        return std::nullopt;
    if (*first != *second) {
        problem = "New password and confirm password don't match!";
        return std::nullopt;
    }
    return fromTerminal(*first);
}
