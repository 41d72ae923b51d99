#include "TerminalText.h"

#include "platform/CodePage.h"

CString fromTerminal(std::string_view utf8) { return CString(wideToAnsi(utf8ToWide(utf8))); }

std::string toTerminal(const CString& text) { return wideToUtf8(ansiToWide(text.view())); }
