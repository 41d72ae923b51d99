// The failure recorder: the library keeps the last failed result code.
#pragma once

#include "platform/WinTypes.h"

struct FailureRecord {
    HRESULT code = 0;
    const char* file = "";
    int line = 0;
};

// Keeps a code below 0 as the last failure; other codes are ignored.
void recordFailure(HRESULT code);
FailureRecord lastFailure();
void clearLastFailure();

// Returns `code` and does nothing else.
HRESULT __iThrowErr(const char* file, int line, HRESULT code, const char* message);
