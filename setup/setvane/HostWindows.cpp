// The plug-in's system on Windows: the real version word and the trace file on drive C.
#ifdef _WIN32

#include "SetvaneHost.h"

namespace setvane {

DWORD windowsVersion() { return GetVersion(); }

std::FILE* openTraceFile() { return std::fopen("c:\\dllDump.txt", "a+t"); }

} // namespace setvane

namespace {

// The module instance handle, stored on load.
HINSTANCE g_setvaneModule = nullptr;

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
    g_setvaneModule = instance;
    return TRUE;
}

#endif
