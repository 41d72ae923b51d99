// The formats an import reads and an export writes, by their names on the
// command line, and the detection of a file's format from its content.
#pragma once

#include "ImportedData.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Interchange {

enum class Format { KeePassXml, KeePassXcCsv, BitwardenJson, ChromiumCsv, FirefoxCsv };

struct FormatInfo {
    Format format;
    const char* name;   // on the command line: "keepass-xml"
    const char* source; // the source's name for people: "KeePass 2 XML"
    bool exported;      // whether the export writes it too
};

std::span<const FormatInfo> formats();
const FormatInfo& formatInfo(Format format);
std::optional<Format> formatByName(std::string_view name);
// The names, "a, b, c", for messages and the help.
std::string formatNames(bool exportedOnly);

// The formats the content can be: one when it is certain, several when it
// is not, none when it is none of them.
std::vector<Format> detectFormats(std::string_view text);

// Reads the file as `format`; false with `error` naming the line or entry.
bool readImport(Format format, std::string_view text, ImportSource& source, std::string& error);

} // namespace Interchange
