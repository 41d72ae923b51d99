// Where a card's picture or sound file is: the card keeps the path in the
// Windows form, relative to the program folder when the editor could make it
// so. It is worked out again on every load, so a moved program folder
// still finds its media.
#pragma once

#include "platform/CString.h"

#include <optional>
#include <string>

// The native path of the stored `path` against the Windows-form program
// folder `programDir`; nothing when the path is empty or no such file exists.
std::optional<std::string> cardMediaNativePath(const std::optional<CString>& path, const CString& programDir);
