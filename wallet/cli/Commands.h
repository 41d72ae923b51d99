// The tool's commands. Each runs on a started session and gives the exit
// status: 0 done, 1 failed (the reason is on standard error).
#pragma once

#include "CommandLine.h"

#include <span>
#include <string>

class WalletSession;

using CommandHandler = int (*)(WalletSession&, const CommandLine&);

struct CommandSpec {
    const char* name;
    const char* arguments; // for the help text
    unsigned options;      // beyond kCommonOptions
    int minArguments;
    int maxArguments; // -1: no limit
    CommandHandler run;
    const char* summary;
};

// Every command, in the order of the help text.
std::span<const CommandSpec> commandTable();

int runCreate(WalletSession&, const CommandLine&);
int runCompact(WalletSession&, const CommandLine&);
int runConvert(WalletSession&, const CommandLine&);
int runPasswd(WalletSession&, const CommandLine&);
int runCheck(WalletSession&, const CommandLine&);

int runTree(WalletSession&, const CommandLine&);
int runShow(WalletSession&, const CommandLine&);
int runDump(WalletSession&, const CommandLine&);
int runExport(WalletSession&, const CommandLine&);
int runSearch(WalletSession&, const CommandLine&);
int runClip(WalletSession&, const CommandLine&);
int runPaths(WalletSession&, const CommandLine&);
int runKinds(WalletSession&, const CommandLine&);

int runImport(WalletSession&, const CommandLine&);
int runImportFrom(WalletSession&, const CommandLine&);
int runFormatExport(WalletSession&, const CommandLine&);
int runGenerate(WalletSession&, const CommandLine&);

// Writes `text` to the file named by -o (a new file gets mode 0600), or to standard output.
bool writeOutput(const CommandLine& line, const std::string& text);
int runAddCategory(WalletSession&, const CommandLine&);
int runAddCard(WalletSession&, const CommandLine&);
int runEditCard(WalletSession&, const CommandLine&);
int runEditCategory(WalletSession&, const CommandLine&);
int runDelete(WalletSession&, const CommandLine&);
int runCopy(WalletSession&, const CommandLine&);
int runMove(WalletSession&, const CommandLine&);
