#include "TerminalUserInterface.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace {

struct Buttons {
    UINT flags;
    int yes;
    int no;
    int safe;
    const char* choices;
};

constexpr Buttons kButtons[] = {
    {MB_YESNO, IDYES, IDNO, IDNO, " [y/n] "},
    {MB_YESNOCANCEL, IDYES, IDNO, IDCANCEL, " [y/n/c] "},
    {MB_OKCANCEL, IDOK, IDCANCEL, IDCANCEL, " [o/c] "},
};

int typedAnswer(const Buttons& buttons, const std::string& typed)
{
    const char first = typed.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
    if (first == 'y' || first == 'o')
        return buttons.yes;
    if (first == 'n' && buttons.flags != MB_OKCANCEL)
        return buttons.no;
    return buttons.safe;
}

} // namespace

bool TerminalUserInterface::wasShown(const std::string& text) const
{
    return std::find(shown.begin(), shown.end(), text) != shown.end();
}

int TerminalUserInterface::messageBox(const CString& text, UINT type)
{
    shown.push_back(text.str());
    const Buttons* buttons = nullptr;
    for (const Buttons& candidate : kButtons) {
        if ((type & 0xF) == candidate.flags)
            buttons = &candidate;
    }
    if (!buttons) {
        std::cerr << text.str() << std::endl;
        return IDOK;
    }
    std::optional<bool> given = everyAnswer;
    if (const auto found = answers.find(text.str()); found != answers.end())
        given = found->second;
    if (given) {
        std::cerr << text.str() << (*given ? " Yes" : " No") << std::endl;
        return *given ? buttons->yes : buttons->no;
    }
    if (terminalAvailable()) {
        const std::optional<std::string> typed = askTerminal((text.str() + buttons->choices).c_str(), false);
        return typed ? typedAnswer(*buttons, *typed) : buttons->safe;
    }
    std::cerr << text.str() << (buttons->safe == IDNO ? " No" : " Cancel") << " (no answer given: use --yes or --no)" << std::endl;
    return buttons->safe;
}

bool TerminalUserInterface::askPassword(PasswordMode mode, PasswordEntry& entry)
{
    std::string problem;
    std::optional<CString> first;
    std::optional<CString> next;
    switch (mode) {
    case PasswordMode::Enter:
        first = passwords.password("Password: ", problem);
        break;
    case PasswordMode::Set:
        // A first password: the new password's source, else the password's.
        first = passwords.hasPasswordSource() && !passwords.hasNewPasswordSource()
            ? passwords.password("", problem)
            : passwords.newPassword("Enter password: ", "Confirm password: ", problem);
        next = first;
        break;
    case PasswordMode::Change:
        first = passwords.password("Old password: ", problem);
        if (first)
            next = passwords.newPassword("New password: ", "Confirm password: ", problem);
        break;
    }
    if (!first || (mode != PasswordMode::Enter && !next)) {
        if (!problem.empty())
            std::cerr << problem << std::endl;
        return false;
    }
    entry.first = *first;
    if (next) {
        entry.second = *next;
        entry.third = *next;
    }
    if (mode == PasswordMode::Change && entry.first == entry.second) {
        std::cerr << "New password is same as old password!" << std::endl;
        return false;
    }
    return true;
}

bool TerminalUserInterface::chooseSaveFile(const CString&, const CString&, CString& path)
{
    if (!saveFile)
        return false;
    path = *saveFile;
    return true;
}
