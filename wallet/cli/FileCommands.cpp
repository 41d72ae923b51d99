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
    return session.create(file, name, line.walletFormat) ? 0 : 1;
}

namespace {

constexpr const char* kClassicWarning =
    "The classic format keeps the names of categories and cards, the notes and every card of a category that is not "
    "encrypted readable by anybody who has the file, and its encrypted cards open to a search of every key "
    "(40 bits). Convert the wallet to the classic format?";

} // namespace

int runConvert(WalletSession& session, const CommandLine& line)
{
    if (!line.has(kOptTo)) {
        std::cerr << "convert needs --to strong or --to classic." << std::endl;
        return 2;
    }
    if (!session.start() || !session.open(line.arguments[0]))
        return 1;
    CWalletDoc& doc = session.document();
    if (doc.getFileFormat() == line.walletFormat) {
        std::cout << "The wallet is already " << walletFormatName(line.walletFormat) << ".\n";
        return 0;
    }
    if (line.walletFormat == WalletFormat::Classic && session.ui().messageBox(kClassicWarning, MB_YESNO | MB_ICONWARNING) != IDYES)
        return 1;
    if (!doc.convertWalletFile(line.walletFormat))
        return 1;
    std::cout << "Converted to " << walletFormatName(line.walletFormat) << ".\n";
    return 0;
}

int runCompact(WalletSession& session, const CommandLine& line)
{
    const std::string& file = line.arguments[0];
    std::error_code ignored;
    const auto before = std::filesystem::file_size(file, ignored);
    if (!session.start() || !session.open(file))
        return 1;
    const WalletFormat format = session.document().getFileFormat();
    session.document().deleteContents();
    std::cout << "Compacted: " << before << " -> " << std::filesystem::file_size(file, ignored) << " bytes (" << walletFormatName(format)
              << ")\n";
    return 0;
}

int runPasswd(WalletSession& session, const CommandLine& line)
{
    if (!session.start() || !session.open(line.arguments[0]))
        return 1;
    return session.document().changePassword() ? 0 : 1;
}
