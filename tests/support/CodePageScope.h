// Switches the process code page for the lifetime of a test scope.
#pragma once

#include "platform/CodePage.h"

class CodePageScope {
public:
    explicit CodePageScope(UINT codePage) : m_previous(ansiCodePage()) { setAnsiCodePage(codePage); }
    ~CodePageScope() { setAnsiCodePage(m_previous); }
    CodePageScope(const CodePageScope&) = delete;
    CodePageScope& operator=(const CodePageScope&) = delete;

private:
    UINT m_previous;
};
