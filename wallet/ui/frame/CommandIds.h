// The numeric ids of the program's commands. Menus, toolbar, accelerators and
// context menus reach a command through its id, and the dispatcher routes
// the id to the view, the document, the frame and the application in turn.
#pragma once

namespace CommandId {
// File
constexpr int New = 57600;
constexpr int Open = 57601;
constexpr int Save = 57603;
constexpr int PrintSetup = 57606;
constexpr int Print = 57607;
constexpr int Exit = 57665;
constexpr int ImportFrom = 32851;
constexpr int ExportTo = 32852;
// Edit
constexpr int Undo = 57643;
constexpr int Copy = 57634;
constexpr int Cut = 57635;
constexpr int Paste = 57637;
constexpr int DeleteCategory = 32805;
constexpr int DeleteCard = 32804;
constexpr int EditCategory = 32809;
constexpr int EditCard = 32810;
constexpr int NewCategory = 32799;
constexpr int NewCard = 32800;
constexpr int Delete = 32801;
constexpr int Find = 32827;
constexpr int FindPrev = 32828;
constexpr int FindNext = 32829;
// Tools
constexpr int Export = 32815;
constexpr int Lock = 32836;
constexpr int Options = 32776;
constexpr int Password = 32791;
// Wallet
constexpr int Security = 32850;
// Help
constexpr int HelpTopics = 57667;
constexpr int About = 57664;
} // namespace CommandId
