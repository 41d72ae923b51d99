#include "CommandLine.h"

#include "passwords/PasswordGenerator.h"
#include "platform/CodePage.h"

#include <charconv>
#include <cstring>

namespace {

struct OptionSpec {
    const char* name;
    CliOption bit;
    // The value's name in the help text; null for a switch.
    const char* value;
    bool (*take)(CommandLine&, const std::string&);
};

bool takeText(std::string& field, const std::string& value)
{
    field = value;
    return true;
}

// A whole number from 1 to `maximum`.
bool takeCount(int& field, const std::string& value, int maximum)
{
    int number = 0;
    const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (failure != std::errc() || end != value.data() + value.size() || number < 1 || number > maximum)
        return false;
    field = number;
    return true;
}

const OptionSpec kOptions[] = {
    {"--password-file", kOptPasswordFile, "FILE", [](CommandLine& c, const std::string& v) { return takeText(c.passwords.passwordFile, v); }},
    {"--password-stdin", kOptPasswordStdin, nullptr, [](CommandLine& c, const std::string&) { return c.passwords.passwordStdin = true; }},
    {"--new-password-file", kOptNewPasswordFile, "FILE", [](CommandLine& c, const std::string& v) { return takeText(c.passwords.newPasswordFile, v); }},
    {"--new-password-stdin", kOptNewPasswordStdin, nullptr, [](CommandLine& c, const std::string&) { return c.passwords.newPasswordStdin = true; }},
    {"--codepage", kOptCodePage, "1252|utf-8", [](CommandLine& c, const std::string& v) { return (c.codePage = parseCodePageName(v)) != 0; }},
    {"--yes", kOptYes, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--no", kOptNo, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--name", kOptName, "NAME", [](CommandLine& c, const std::string& v) { return takeText(c.name, v); }},
    {"--decrypt", kOptDecrypt, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--no-decrypt", kOptNoDecrypt, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"-o", kOptOutput, "OUT", [](CommandLine& c, const std::string& v) { return takeText(c.output, v); }},
    {"--into", kOptInto, "PATH", [](CommandLine& c, const std::string& v) { return takeText(c.into, v); }},
    {"--hidden", kOptHidden, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--case", kOptCase, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--default-kind", kOptDefaultKind, "KIND", [](CommandLine& c, const std::string& v) { return takeText(c.defaultKind, v); }},
    {"--icon", kOptIcon, "ICON", [](CommandLine& c, const std::string& v) { return takeText(c.icon, v); }},
    {"--encrypt", kOptEncrypt, "on|off", [](CommandLine& c, const std::string& v) {
         c.encrypt = v == "on";
         return v == "on" || v == "off";
     }},
    {"--notes", kOptNotes, "TEXT", [](CommandLine& c, const std::string& v) { return takeText(c.notes, v); }},
    {"--help", kOptHelp, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--field", kOptField, "NAME", [](CommandLine& c, const std::string& v) { return takeText(c.field, v); }},
    {"--seconds", kOptSeconds, "N", [](CommandLine& c, const std::string& v) { return takeCount(c.seconds, v, 86400); }},
    {"--format", kOptFormat, "F", [](CommandLine& c, const std::string& v) { return takeText(c.format, v); }},
    {"--length", kOptLength, "N", [](CommandLine& c, const std::string& v) { return takeCount(c.length, v, kMaxPasswordLength); }},
    {"--digits", kOptDigits, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--lower", kOptLower, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--upper", kOptUpper, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--symbols", kOptSymbols, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--no-lookalikes", kOptNoLookalikes, nullptr, [](CommandLine&, const std::string&) { return true; }},
    {"--words", kOptWords, "N", [](CommandLine& c, const std::string& v) { return takeCount(c.words, v, kMaxPassphraseWords); }},
    {"--strong", kOptStrong, nullptr, [](CommandLine& c, const std::string&) {
         c.walletFormat = WalletFormat::Strong;
         return true;
     }},
    {"--to", kOptTo, "strong|classic", [](CommandLine& c, const std::string& v) {
         c.walletFormat = v == "strong" ? WalletFormat::Strong : WalletFormat::Classic;
         return v == "strong" || v == "classic";
     }},
};

const OptionSpec* findOption(const std::string& name)
{
    for (const OptionSpec& option : kOptions) {
        if (name == option.name || (name == "--output" && option.bit == kOptOutput) || (name == "-h" && option.bit == kOptHelp))
            return &option;
    }
    return nullptr;
}

} // namespace

std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::string& error)
{
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        std::string value;
        bool inlineValue = false;
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            if (line.command.empty())
                line.command = word;
            else
                line.arguments.push_back(word);
            continue;
        }
        if (const std::size_t equals = word.find('='); word.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = word.substr(equals + 1);
            word.erase(equals);
            inlineValue = true;
        }
        const OptionSpec* option = findOption(word);
        if (!option) {
            error = "Unknown option " + word + ".";
            return std::nullopt;
        }
        if (line.has(option->bit)) {
            error = "The option " + word + " is given twice.";
            return std::nullopt;
        }
        if (option->value && !inlineValue) {
            if (i + 1 == argc) {
                error = "The option " + word + " needs " + option->value + ".";
                return std::nullopt;
            }
            value = argv[++i];
        } else if (!option->value && inlineValue) {
            error = "The option " + word + " takes no value.";
            return std::nullopt;
        }
        if (!option->take(line, value)) {
            error = "The option " + word + " takes " + option->value + ", not \"" + value + "\".";
            return std::nullopt;
        }
        line.given |= option->bit;
    }
    const auto both = [&](unsigned a, unsigned b) { return (line.given & a) && (line.given & b); };
    if (both(kOptYes, kOptNo) || both(kOptDecrypt, kOptNoDecrypt) || both(kOptPasswordFile, kOptPasswordStdin) ||
        both(kOptNewPasswordFile, kOptNewPasswordStdin)) {
        error = "Two options that exclude each other are given.";
        return std::nullopt;
    }
    return line;
}

std::string optionUsage(unsigned options)
{
    std::string usage;
    for (const OptionSpec& option : kOptions) {
        if ((options & option.bit) && !(kCommonOptions & option.bit))
            usage += std::string(" [") + option.name + (option.value ? std::string(" ") + option.value : "") + "]";
    }
    return usage;
}
