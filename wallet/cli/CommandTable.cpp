#include "Commands.h"

namespace {

constexpr unsigned kDecryptChoice = kOptDecrypt | kOptNoDecrypt;
constexpr unsigned kCategorySettings = kOptDefaultKind | kOptIcon | kOptEncrypt | kOptNotes;
constexpr unsigned kNewPassword = kOptNewPasswordFile | kOptNewPasswordStdin;

const CommandSpec kCommands[] = {
    {"create", "FILE", kOptName | kOptStrong | kNewPassword, 1, 1, runCreate,
     "a new wallet; its name defaults to the file's base name; --strong: the whole file encrypted (asks for its password)"},
    {"tree", "FILE", kOptDecrypt, 1, 1, runTree, "the categories and cards; sealed categories show as locked with their card count"},
    {"show", "FILE PATH", kOptField, 2, 2, runShow,
     "one card's fields with the labels of the text export (or a category's settings); --field: one value by its dump name"},
    {"dump", "FILE", kOptDecrypt | kOptOutput, 1, 1, runDump, "the whole wallet as JSON (format in the README)"},
    {"import", "FILE JSON", kOptInto | kNewPassword, 2, 2, runImport, "adds the nodes of a JSON file (\"-\": standard input) below a category"},
    {"import-from", "FILE SOURCE", kOptFormat | kOptInto | kNewPassword, 2, 2, runImportFrom,
     "adds the logins, cards, identities and notes of another manager's export (keepass-xml, keepassxc-csv, bitwarden-json, "
     "chromium-csv, firefox-csv; detected when --format is not given), in a new encrypted category unless --into"},
    {"export", "FILE", kDecryptChoice | kOptOutput | kOptFormat, 1, 1, runExport,
     "the text export, to OUT or standard output; with --format keepassxc-csv|bitwarden-json another manager's file (not encrypted)"},
    {"search", "FILE TEXT", kOptHidden | kOptCase | kOptDecrypt, 2, 2, runSearch, "cards holding TEXT, one per line: category path TAB card name"},
    {"clip", "FILE PATH FIELD", kOptSeconds, 3, 3, runClip,
     "puts one value of a card on the desktop clipboard, marked secret, and clears it after N seconds (default 30)"},
    {"paths", "FILE", 0, 1, 1, runPaths, "the path of every category (ending in \"/\") and card, one per line"},
    {"kinds", "", 0, 0, 0, runKinds, "the display names of the card kinds"},
    {"generate", "", kOptLength | kOptDigits | kOptLower | kOptUpper | kOptSymbols | kOptNoLookalikes | kOptWords, 0, 0, runGenerate,
     "a random password (default 20 characters of every class) or, with --words, a passphrase, and its strength in bits"},
    {"add-category", "FILE PATH", kCategorySettings | kNewPassword, 2, 2, runAddCategory, "a new category; PATH ends with its name"},
    {"add-card", "FILE PATH KIND [NAME=VALUE...]", kNewPassword, 3, -1, runAddCard, "a new card of KIND; PATH ends with its name"},
    {"edit-card", "FILE PATH NAME=VALUE...", 0, 3, -1, runEditCard, "changes a card's values (name=... renames it)"},
    {"edit-category", "FILE PATH", kCategorySettings | kOptName | kNewPassword, 2, 2, runEditCategory, "changes a category's name, default kind, icon, notes or encryption"},
    {"delete", "FILE PATH", 0, 2, 2, runDelete, "deletes a card or a category with everything in it (asks first)"},
    {"copy", "FILE PATH TARGET", kNewPassword, 3, 3, runCopy, "pastes a copy of the node into the category TARGET"},
    {"move", "FILE PATH TARGET", kNewPassword, 3, 3, runMove, "moves the node into the category TARGET"},
    {"passwd", "FILE", kNewPassword, 1, 1, runPasswd, "sets the wallet's first password or changes it"},
    {"convert", "FILE", kOptTo | kNewPassword, 1, 1, runConvert,
     "writes the wallet anew in the strong format (the whole file encrypted) or the classic one (the Windows program's)"},
    {"compact", "FILE", 0, 1, 1, runCompact, "opens the wallet, which compacts it and upgrades older versions"},
    {"check", "FILE", 0, 1, 1, runCheck, "checks the structure, the password and every sealed card without changing the file"},
};

} // namespace

std::span<const CommandSpec> commandTable() { return kCommands; }
