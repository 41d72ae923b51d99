// Comma-separated values as RFC 4180 has them, with what real exports add:
// an optional UTF-8 byte order mark, LF or CR LF line ends, and quoted
// fields that hold commas, quotes ("") and line breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Interchange {

struct CsvRecord {
    std::vector<std::string> fields;
    // The line on which the record starts (from 1).
    std::size_t line = 0;
};

// Every record of `text`; blank lines are left out. False, with `error`
// naming the line, for a quoted field that is not closed, text after a
// closing quote, too many columns or records, a field over the size limit
// or bytes that are not UTF-8.
bool readCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error);

// One field as a writer puts it: quoted, with its quotes doubled.
std::string csvField(std::string_view value);

} // namespace Interchange
