#include "frame/CommandTable.h"

#include "frame/CommandIds.h"

namespace {

using namespace CommandId;

// Printing shows Ctrl+P in its caption; the accelerator is given with it, so
// that the key does what the menu says.
const CommandInfo kCommands[] = {
    {New, "New", "Create a new document\nNew", "Ctrl+N"},
    {Open, "&Open", "Open an existing document\nOpen", "Ctrl+O"},
    {Save, "Save", nullptr, "Ctrl+S"},
    {Print, "&Print...", "Print the active document\nPrint", "Ctrl+P"},
    {PrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup", nullptr},
    {ImportFrom, "Import...", "Add the passwords exported by another password manager\nImport", nullptr},
    {ExportTo, "Export...", "Write the cards in another password manager's format\nExport", nullptr},
    {Exit, "Exit", "Quit the application; prompts to save documents\nExit", "Ctrl+Q"},
    {Export, "&Export ", "Export Contents to Text File", nullptr},
    {Lock, "&Lock", "Lock Wallet\nLock", nullptr},
    {Options, "Options ...", "Change Options", nullptr},
    {Password, "Password ...", nullptr, nullptr},
    {Security, "Security...", "Choose how the wallet file is encrypted\nSecurity", nullptr},
    {DeleteCategory, "Delete Category", nullptr, nullptr},
    {DeleteCard, "Delete Card", nullptr, nullptr},
    {EditCategory, "Edit Category", nullptr, nullptr},
    {EditCard, "Edit Card", nullptr, nullptr},
    {NewCategory, "New Category", "Create New Category\nNew Category", nullptr},
    {NewCard, "New Card", "Create New Card\\New Card", nullptr},
    {Delete, "Delete", "Delete Category/Card\nDelete", nullptr},
    {Find, "&Find", "Find\nFind", nullptr},
    {FindPrev, "Find Prev ...", "Find Prev\nPrev", nullptr},
    {FindNext, "Find Next ...", "Find Next\nNext", nullptr},
    {Undo, "Undo", nullptr, "Ctrl+Z"},
    {Cut, "Cut", "Cut the selection and put it on the Clipboard\nCut", "Ctrl+X"},
    {Copy, "Copy", "Copy the selection and put it on the Clipboard\nCopy", "Ctrl+C"},
    {Paste, "Paste", "Insert Clipboard contents\nPaste", "Ctrl+V"},
    {HelpTopics, "&Help Topics", "List Help topics\nHelp Topics", nullptr},
    {About, "About", nullptr, nullptr},
};

const int kFileMenu[] = {New, Open, 0, ImportFrom, ExportTo, 0, Print, PrintSetup, 0, Exit};
const int kToolsMenu[] = {Export, Lock, 0, Options, Password, 0};
const int kWalletMenu[] = {Security};
const int kEditMenu[] = {DeleteCategory, DeleteCard, 0, EditCategory, EditCard, 0, NewCategory, NewCard, 0, Find, FindPrev, FindNext, 0};
const int kHelpMenu[] = {HelpTopics, About};

const MenuInfo kMenus[] = {
    {"&File", kFileMenu},
    {"Tools", kToolsMenu},
    {"Wallet", kWalletMenu},
    {"Edit", kEditMenu},
    {"Help", kHelpMenu},
};

const int kToolbar[] = {New, Open, 0, NewCategory, NewCard, Delete, 0, Lock, 0, Find, FindPrev, FindNext};

} // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo* findCommand(int id)
{
    for (const CommandInfo& command : kCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

std::span<const MenuInfo> menuTable() { return kMenus; }

std::span<const int> toolbarTable() { return kToolbar; }

QString statusPrompt(const CommandInfo& command)
{
    return command.prompt ? QString::fromLatin1(command.prompt).section('\n', 0, 0) : QString();
}

QString toolTipText(const CommandInfo& command)
{
    const QString prompt = command.prompt ? QString::fromLatin1(command.prompt) : QString();
    return prompt.contains('\n') ? prompt.section('\n', 1) : QString();
}
