#include "platform/LastError.h"

#include <array>
#include <utility>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

constexpr std::array<std::pair<LONG, const char*>, 8> systemTexts{{
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough storage is available to process this command."},
    {ERROR_BAD_FORMAT, "An attempt was made to load a program with an incorrect format."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
}};

} // namespace

void SetLastError(DWORD code) { lastError = code; }

DWORD GetLastError() { return lastError; }

CString SystemErrorText(DWORD code)
{
    for (const auto& [known, text] : systemTexts)
        if (static_cast<DWORD>(known) == code)
            return text;
    return FormatString("Unknown error %u.", code);
}
