// The messages of printing.
#pragma once

namespace PrintTexts {

inline constexpr const char* kNoCards = "There are not cards in current category!";
inline constexpr const char* kNoInit = "Printer would not initalize";
inline constexpr const char* kNoPage = "Could not start page";
inline constexpr const char* kCellTooBig = "The printable area of the page is smaller than one card";

} // namespace PrintTexts
