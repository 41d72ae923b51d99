// The calling thread's last error code, as the Windows calls report it.
#pragma once

#include "platform/WinTypes.h"

DWORD GetLastError();
void SetLastError(DWORD code);
