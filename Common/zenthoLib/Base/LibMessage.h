// How the library tells the user about a failure. The program that uses the
// library connects its own message boxes; until it does, and after it
// disconnects, messages go to the trace log.
#pragma once

#include "platform/CString.h"

#include <functional>

// Shows `text` in a box with an OK button under `caption`.
using LibMessageHandler = std::function<void(const CString& text, const CString& caption)>;

// Connects the program's message boxes; an empty handler disconnects them.
void setLibMessageHandler(LibMessageHandler handler);
// Shows a message through the connected handler (any thread).
void LibMessageBox(const CString& text, const CString& caption);
