// The debugger output: where diagnostics go when no trace log file is open.
//
// Nothing listens by default. KELDRA_DEBUG_OUTPUT=stderr sends the text to
// standard error; a program or test may install its own listener.
#pragma once

#include <functional>
#include <string_view>

void OutputDebugStringA(const char* text);

using DebugOutputListener = std::function<void(std::string_view)>;
// Replaces the listener (an empty function restores the default); returns the previous one.
DebugOutputListener setDebugOutputListener(DebugOutputListener listener);
