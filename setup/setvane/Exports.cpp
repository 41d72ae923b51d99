// The plug-in's four exports. The installer passes its user variables as one
// array of `string_size`-byte texts: the plug-in reads $1 and writes $0.
#include "Lookups.h"
#include "SetvaneHost.h"
#include "Trace.h"

#include <algorithm>
#include <cstring>
#include <string>

#ifdef _WIN32
#define SETVANE_EXPORT extern "C" __declspec(dllexport)
#else
#define SETVANE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr int kVariableCount = 24;

// The parameters of the latest installer call.
struct InstallerCall {
    HWND parent = nullptr;
    int stringSize = 0;
    char* variables = nullptr;
    stack_t** stacktop = nullptr;
} g_call;

void storeCall(HWND parent, int stringSize, char* variables, stack_t** stacktop)
{
    g_call = InstallerCall{parent, stringSize, variables, stacktop};
}

std::string readVariable(int index)
{
    if (!g_call.variables || g_call.stringSize <= 0 || index < 0 || index >= kVariableCount)
        return {};
    const char* text = g_call.variables + static_cast<std::size_t>(index) * static_cast<std::size_t>(g_call.stringSize);
    return std::string(text, strnlen(text, static_cast<std::size_t>(g_call.stringSize)));
}

void writeVariable(int index, const std::string& value)
{
    if (!g_call.variables || g_call.stringSize <= 0 || index < 0 || index >= kVariableCount)
        return;
    char* text = g_call.variables + static_cast<std::size_t>(index) * static_cast<std::size_t>(g_call.stringSize);
    const std::size_t length = std::min(value.size(), static_cast<std::size_t>(g_call.stringSize) - 1);
    std::memcpy(text, value.data(), length);
    text[length] = '\0';
}

// A path longer than one character gets a closing "\" (a lone drive letter does not).
void closeFolder(std::string& path)
{
    if (path.size() > 1 && path.back() != '\\')
        path += '\\';
}

void copyOut(const std::string& value, char* out)
{
    if (!out)
        return;
    const std::size_t length = std::min<std::size_t>(value.size(), setvane::kBufferSize - 1);
    std::memcpy(out, value.data(), length);
    out[length] = '\0';
}

} // namespace

SETVANE_EXPORT void _getDefaultPartnershipDir(char* defaultValue, char* out)
{
    copyOut(setvane::defaultPartnershipDir(defaultValue ? defaultValue : ""), out);
}

SETVANE_EXPORT void getDefaultPartnershipDir(HWND hwndParent, int string_size, char* variables, stack_t** stacktop)
{
    setvane::TracedCall traced("getDefaultPartnershipDir(HWND hwndParent, int string_size,char *variables,stack_t **stacktop)");
    setvane::isNT();
    storeCall(hwndParent, string_size, variables, stacktop);
    std::string defaultValue = readVariable(1).substr(0, setvane::kBufferSize - 1);
    closeFolder(defaultValue);
    std::string result = setvane::defaultPartnershipDir(defaultValue);
    closeFolder(result);
    writeVariable(0, result);
    setvane::traceLine({"Return Value is  ", result.c_str()});
}

SETVANE_EXPORT void getMyDocumentsDir(HWND hwndParent, int string_size, char* variables, stack_t** stacktop)
{
    setvane::TracedCall traced("getMyDocumentsDir(HWND hwndParent, int string_size,char *variables, stack_t **stacktop)");
    storeCall(hwndParent, string_size, variables, stacktop);
    std::string folder;
    if (!setvane::getMyDocuments(folder))
        folder.clear();
    writeVariable(0, folder);
    setvane::traceLine({"return value is ", folder.c_str()});
}

SETVANE_EXPORT void getOperationSystem(HWND hwndParent, int string_size, char* variables, stack_t** stacktop)
{
    storeCall(hwndParent, string_size, variables, stacktop);
    writeVariable(0, setvane::isNT() ? "WINNT" : "WIN9X");
}
