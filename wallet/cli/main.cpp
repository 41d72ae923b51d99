// keldra-cli: the wallet from a terminal, through the same document,
// operations and messages as the program.
#include "Commands.h"
#include "WalletSession.h"
#include "platform/CodePage.h"
#include "zenthoLib/Base/TraceLog.h"

#include <iostream>

namespace {

constexpr int kMisuse = 2;

constexpr const char* kHelpEnd = R"(
Options for every command:
  --password-file FILE     the wallet's password: the file's first line
  --password-stdin         the wallet's password: a line of standard input
  --new-password-file FILE, --new-password-stdin
                           the new password for passwd, or for a first
                           password set on the way (an encrypted category);
                           with both *-stdin options the password's line
                           comes first
  --codepage 1252|utf-8    the code page of the wallet's texts
  --yes, --no              the answer to every question
  --help                   this text
Without a password option the password is asked on the terminal, without
echo; passwords are never taken from the command line or the environment.
A question without an answer is answered No (or Cancel) unless a terminal
can ask it.

PATH names a node by the names from the root, separated by "/" ("" or "/"
is the root). In a name, "\/" is "/", "\\" is "\" and "\[" is "["; "[N]"
after a name picks the N-th node of that name.
KIND is a card kind's display name ("Credit Card", "creditcard") or type id.
Exit status: 0 done, 1 failed, 2 misused.
)";

void printHelp(std::ostream& out)
{
    out << "Usage: keldra-cli COMMAND ARGUMENTS [OPTIONS]\n\nCommands:\n";
    for (const CommandSpec& command : commandTable()) {
        out << "  " << command.name << " " << command.arguments << optionUsage(command.options) << "\n"
            << "      " << command.summary << "\n";
    }
    out << kHelpEnd;
}

const CommandSpec* findCommand(const std::string& name)
{
    for (const CommandSpec& command : commandTable()) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

int misuse(const std::string& message)
{
    std::cerr << message << "\nTry keldra-cli --help." << std::endl;
    return kMisuse;
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto line = parseCommandLine(argc, argv, error);
    if (!line)
        return misuse(error);
    if (line->has(kOptHelp) || line->command == "help") {
        printHelp(std::cout);
        return 0;
    }
    if (line->command.empty())
        return misuse("No command given.");
    const CommandSpec* command = findCommand(line->command);
    if (!command)
        return misuse("Unknown command \"" + line->command + "\".");
    const unsigned unknown = line->given & ~(command->options | kCommonOptions);
    if (unknown)
        return misuse("An option given does not belong to " + line->command + ":" + optionUsage(unknown) + ".");
    const int count = static_cast<int>(line->arguments.size());
    if (count < command->minArguments || (command->maxArguments >= 0 && count > command->maxArguments))
        return misuse(std::string("Usage: keldra-cli ") + command->name + " " + command->arguments + optionUsage(command->options));
    if (line->codePage)
        setAnsiCodePage(line->codePage);
    InitLib("c:\\Keldra.log");
    int status = 1;
    {
        WalletSession session(*line);
        status = command->run(session, *line);
        if (session.ui().hasQuit())
            status = 1;
    }
    DeInitLib();
    return status;
}
