// The library's start-up and its process-wide trace log.
#pragma once

#include "StreamWriter.h"
#include "platform/WinTypes.h"

// Starts the library: opens the trace log at the Windows-form path (an empty
// path sends the log to the debugger output), replacing any earlier one, and
// makes the four registry root keys of CRegistryKey afresh.
void InitLib(const char* logPath);
// Forgets the trace log.
void DeInitLib();
// The library's log writer, or null before InitLib.
CStreamWriter* traceWriter();

// Writes "Error: " and the printf-style text as one line of at most 2048 characters.
void TraceError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes nested "Entering" and "Leaving" lines around a scope.
class ___iCAutoWriter {
public:
    ___iCAutoWriter(CString file, CString function, DWORD line);
    ~___iCAutoWriter();
    ___iCAutoWriter(const ___iCAutoWriter&) = delete;
    ___iCAutoWriter& operator=(const ___iCAutoWriter&) = delete;

private:
    CString m_file;
    CString m_function;
    DWORD m_line;
    int m_second = 0;
    int m_millisecond = 0;
};
