// The terminal, the command line, password files and JSON speak UTF-8; the
// wallet's texts are bytes in the process code page. These convert between
// the two (in UTF-8 mode they only repair bytes that are not valid UTF-8).
#pragma once

#include "platform/CString.h"

#include <string>
#include <string_view>

// UTF-8 text as a wallet text; characters the code page cannot hold become '?'.
CString fromTerminal(std::string_view utf8);
// A wallet text as valid UTF-8.
std::string toTerminal(const CString& text);
