// How a card keeps the path of its picture or sound file.
#pragma once

#include "platform/CString.h"

#include <QString>

// The Windows-form path a card keeps for the native file `nativeFile`:
// relative to `nativeProgramDir` when the file lies below it, full otherwise.
CString cardMediaPath(const QString& nativeFile, const QString& nativeProgramDir);
