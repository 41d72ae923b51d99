// The tool's command line: a command, its arguments and the options, which
// may stand anywhere after the command ("--" ends them).
#pragma once

#include "model/WalletStorage.h"

#include "PasswordInput.h"
#include "platform/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

// Each option, as a bit of the set a command accepts.
enum CliOption : unsigned {
    kOptPasswordFile = 1u << 0,
    kOptPasswordStdin = 1u << 1,
    kOptNewPasswordFile = 1u << 2,
    kOptNewPasswordStdin = 1u << 3,
    kOptCodePage = 1u << 4,
    kOptYes = 1u << 5,
    kOptNo = 1u << 6,
    kOptName = 1u << 7,
    kOptDecrypt = 1u << 8,
    kOptNoDecrypt = 1u << 9,
    kOptOutput = 1u << 10,
    kOptInto = 1u << 11,
    kOptHidden = 1u << 12,
    kOptCase = 1u << 13,
    kOptDefaultKind = 1u << 14,
    kOptIcon = 1u << 15,
    kOptEncrypt = 1u << 16,
    kOptNotes = 1u << 17,
    kOptHelp = 1u << 18,
    kOptField = 1u << 19,
    kOptSeconds = 1u << 20,
    kOptFormat = 1u << 21,
    kOptLength = 1u << 22,
    kOptWords = 1u << 23,
    kOptDigits = 1u << 24,
    kOptLower = 1u << 25,
    kOptUpper = 1u << 26,
    kOptSymbols = 1u << 27,
    kOptNoLookalikes = 1u << 28,
    kOptStrong = 1u << 29,
    kOptTo = 1u << 30,
};
// What every command accepts.
inline constexpr unsigned kCommonOptions =
    kOptPasswordFile | kOptPasswordStdin | kOptCodePage | kOptYes | kOptNo | kOptHelp;

struct CommandLine {
    std::string command;
    std::vector<std::string> arguments;
    unsigned given = 0;

    PasswordSources passwords;
    UINT codePage = 0;
    std::string name;
    std::string output;
    std::string into;
    std::string defaultKind;
    std::string icon;
    bool encrypt = false;
    std::string notes;
    std::string field;
    int seconds = 30;
    std::string format;
    int length = 20;
    int words = 0;
    // --strong, or --to strong|classic.
    WalletFormat walletFormat = WalletFormat::Classic;

    bool has(CliOption option) const { return (given & option) != 0; }
};

// The command line split into its parts; nothing, with `error`, when an
// option is unknown, lacks its value or is given twice.
std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::string& error);

// The options of a set, for the help text.
std::string optionUsage(unsigned options);
