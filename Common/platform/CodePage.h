// The process code page and every conversion between it and UTF-16.
//
// Text in memory is kept as bytes in the process code page: UTF-8 (65001) by
// default, Windows-1252 when KELDRA_CODEPAGE=1252. In UTF-8 mode, bytes that
// do not form valid UTF-8 (text written on Windows) are read as Windows-1252.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

constexpr UINT CP_WINDOWS_1252 = 1252;
constexpr UINT CP_UTF8 = 65001;

// The process code page, read from KELDRA_CODEPAGE on first use.
UINT ansiCodePage();
// Overrides the process code page (the command-line tool's --codepage). Only
// 1252 and 65001 are accepted; returns false for any other value.
bool setAnsiCodePage(UINT codePage);
// Parses "1252", "utf-8", "utf8" or "65001"; 0 when the text names no supported code page.
UINT parseCodePageName(std::string_view name);

std::u16string ansiToWide(std::string_view ansi);
// Characters that the code page cannot hold become '?'.
std::string wideToAnsi(std::u16string_view wide);

// Text kept as little-endian UTF-16 units (as files store it), straight to and
// from the process code page, without a wide string in between. The first
// writes the text of at most `count` units, ending at a zero unit, into `out`,
// which has room for 3 * count bytes, and returns the bytes written. The
// second writes the units of `ansi` into `units`, which has room for one unit
// per byte, and returns the units written. Both give what wideToAnsi and
// ansiToWide give.
std::size_t unitsToAnsi(const unsigned char* units, std::size_t count, char* out);
std::size_t ansiToUnits(std::string_view ansi, unsigned char* units);

// UTF-8 and UTF-16 whatever the process code page (terminals, JSON files);
// a malformed UTF-8 sequence gives U+FFFD for its first byte.
std::u16string utf8ToWide(std::string_view utf8);
std::string wideToUtf8(std::u16string_view wide);

// Bytes from a file written in any code page, made valid in the process code
// page: in UTF-8 mode every byte that is not part of a valid UTF-8 sequence is
// taken as a Windows-1252 character; in 1252 mode the bytes are kept.
std::string ansiFromLegacyBytes(std::string_view bytes);

// Lower-case folding by Unicode lower case, in either code page.
std::string ansiToLower(std::string_view ansi);
std::string ansiToUpper(std::string_view ansi);
// Whether `text`, folded to lower case, contains `lowered` (already in lower case).
bool ansiLowerContains(std::string_view text, std::string_view lowered);
// Compares after folding both texts to lower case: <0, 0 or >0.
int ansiCompareNoCase(std::string_view a, std::string_view b);

// The longest prefix of `ansi` of at most maxBytes bytes that does not split a character.
std::size_t ansiPrefixLength(std::string_view ansi, std::size_t maxBytes);
// The byte length of the first `chars` characters of `ansi` (all of it when shorter).
std::size_t ansiCharsToBytes(std::string_view ansi, std::size_t chars);
// The number of characters in `ansi`.
std::size_t ansiCharCount(std::string_view ansi);
