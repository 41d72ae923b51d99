// Commands on the wallet file as a whole: create, compact and passwd.
#include "Commands.h"

#include "TerminalText.h"
#include "WalletSession.h"

#include <filesystem>
#include <iostream>

int runCreate(WalletSession& session, const CommandLine& line)
{
    const std::string& file = line.arguments[0];
    std::error_code ignored;
    if (!session.start())
        return 1;
    if (std::filesystem::exists(file, ignored) && session.ui().messageBox("File Exist. Overwrite?", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
    const CString name = line.has(kOptName) ? fromTerminal(line.name) : fromTerminal(std::filesystem::path(file).stem().string());
    return session.create(file, name) ? 0 : 1;
}

int runCompact(WalletSession& session, const CommandLine& line)
{
    const std::string& file = line.arguments[0];
    std::error_code ignored;
    const auto before = std::filesystem::file_size(file, ignored);
    if (!session.start() || !session.open(file))
        return 1;
    session.document().deleteContents();
    std::cout << "Compacted: " << before << " -> " << std::filesystem::file_size(file, ignored) << " bytes\n";
    return 0;
}

int runPasswd(WalletSession& session, const CommandLine& line)
{
    if (!session.start() || !session.open(line.arguments[0]))
        return 1;
    return session.document().changePassword() ? 0 : 1;
}
