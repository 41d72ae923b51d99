// The program's commands as data: each command's caption, status-bar prompt
// and shortcut, the menu bar's menus and the toolbar's buttons.
#pragma once

#include <QString>

#include <span>

struct CommandInfo {
    int id;
    // The caption as the menu shows it; "&" marks the mnemonic.
    const char* caption;
    // "status-bar prompt\ntooltip" from the string table; null when the command has none.
    const char* prompt;
    // Qt's form of the accelerator; null when the command has none.
    const char* shortcut;
};

struct MenuInfo {
    const char* title;
    // The commands in order; 0 is a separator.
    std::span<const int> entries;
};

std::span<const CommandInfo> commandTable();
const CommandInfo* findCommand(int id);
std::span<const MenuInfo> menuTable();
// The toolbar's buttons in order; 0 is a separator.
std::span<const int> toolbarTable();

// The status-bar prompt of a command (the text before "\n") and its tooltip (after it).
QString statusPrompt(const CommandInfo& command);
QString toolTipText(const CommandInfo& command);
