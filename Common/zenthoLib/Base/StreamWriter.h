// The trace log writer: a text file, or the debugger output when its path is empty.
#pragma once

#include "platform/CString.h"

#include <cstdio>
#include <mutex>

class CStreamWriter {
public:
    // Opens (and replaces) the file at the Windows-form path, trimmed of blanks.
    explicit CStreamWriter(const CString& path);
    ~CStreamWriter();
    CStreamWriter(const CStreamWriter&) = delete;
    CStreamWriter& operator=(const CStreamWriter&) = delete;

    // Writes a text; a tab is followed by four blanks. Every write is flushed at once.
    void write(const char* text);
    void writeNumber(long number);
    // Four blanks per depth level.
    void writeIndent();
    void raiseDepth();
    void lowerDepth();
    int depth() const { return m_depth; }
    bool isOpen() const { return m_file != nullptr; }
    const CString& path() const { return m_path; }

private:
    void emit(const CString& text);

    std::FILE* m_file = nullptr;
    CString m_path;
    int m_depth = 0;
    std::mutex m_mutex;
};
