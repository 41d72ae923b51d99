// The password CSV files of KeePassXC, of Chromium-based browsers and of
// Firefox: each a table of its columns, read by one reader.
#pragma once

#include "ImportedData.h"

#include <string>
#include <string_view>
#include <vector>

namespace Interchange {

enum class CsvFlavour { KeePassXc, Chromium, Firefox };

// Whether the first record names every column the flavour always writes.
bool csvHeaderMatches(CsvFlavour flavour, const std::vector<std::string>& header);

// Reads the records of a file of that flavour (the first is its header).
bool readCsvExport(CsvFlavour flavour, std::string_view text, ImportSource& source, std::string& error);

} // namespace Interchange
