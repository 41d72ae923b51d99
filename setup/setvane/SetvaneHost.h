// What the plug-in needs from the system it runs on: the registry, the
// Windows version word, the trace file's location and the installer's types.
// On Windows these are the real ones; on Linux the platform layer stands in.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/Registry.h"
#include "platform/WinTypes.h"
using HWND = void*;
using HINSTANCE = void*;
#endif

#include <cstdio>

// The installer's stack entry, as its plug-in interface publishes it.
struct stack_t {
    stack_t* next;
    char text[1];
};

namespace setvane {

// The Windows version word: top bit clear on the NT family, build number in the high 16 bits.
DWORD windowsVersion();
// Opens the trace file "c:\dllDump.txt" for appending in text mode, or null.
std::FILE* openTraceFile();

} // namespace setvane
