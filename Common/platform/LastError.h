// The calling thread's last error code and the system's text for an error code.
#pragma once

#include "platform/CString.h"
#include "platform/WinTypes.h"

void SetLastError(DWORD code);
DWORD GetLastError();

// The system's message for `code` (what FormatMessageA gives from the system
// table), without the trailing line break; a generic text for unknown codes.
CString SystemErrorText(DWORD code);
