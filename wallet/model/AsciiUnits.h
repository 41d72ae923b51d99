// The wallet file keeps texts as little-endian UTF-16 units, and nearly all
// of them are ASCII, which is the same in every code page: those units and
// the text's bytes turn into each other directly, many at a time.
#pragma once

#include <cstddef>

// Narrows `count` units into `out` while each is ASCII and not zero; false
// at the first that is not (what was written before it is then of no use).
bool narrowAsciiUnits(const unsigned char* units, std::size_t count, char* out);

// Writes the units of `count` bytes of `text` into `units` while each byte is
// ASCII; false at the first that is not.
bool widenAsciiUnits(const char* text, std::size_t count, unsigned char* units);
