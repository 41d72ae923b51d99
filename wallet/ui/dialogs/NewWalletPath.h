// The New command's path: the folder its save dialog starts in, the ".wal"
// a chosen name gets when it has no extension, and the loop that asks again
// when the person will not overwrite an existing file.
#pragma once

#include "platform/CString.h"

#include <QString>

#include <functional>
#include <optional>

class CKeldraRegistry;
class IUserInterface;
class QWidget;

// The handheld's partnership folder, else the documents folder, else the
// program's folder ("home"), else "c:\"; in the Windows form.
CString newWalletStartFolder(const CKeldraRegistry& registry);

// A name without an extension gets ".wal" (only "wal" after a trailing dot);
// a name with any other extension keeps it.
CString completeWalletExtension(CString path);

// Chooses the new wallet's path (Windows form) with `chooseFile`, which gets
// the native start folder and gives a native path, none on Cancel. The
// extension is completed; an existing file is overwritten only on Yes to
// "File Exist. Overwrite?", No asks again. None when the person cancels.
std::optional<CString> askNewWalletPath(IUserInterface& ui, QWidget* parent, const CString& startFolder,
                                        std::function<std::optional<QString>(const QString& startFolder)> chooseFile);
