// Another manager's file on its way into the wallet: read once, its format
// told from the content, then every entry read, checked and made into cards
// before the wallet is touched, so that a file failing anywhere changes
// nothing.
#pragma once

#include "CardMapping.h"
#include "ImportFormats.h"

#include <string>
#include <vector>

namespace Interchange {

class ImportFile {
public:
    // Reads the file; false with `error` ("Cannot open file!") when it cannot be read.
    bool read(const std::string& path, std::string& error);

    // The formats the content can be: one when it is certain.
    std::vector<Format> formats() const;

    // Reads and checks every entry as `format`; false with `error` naming
    // the file and the line or entry. The file's text is let go either way.
    bool parse(Format format, std::string& error);

    // The parsed entries as categories and cards (see mapImport), let go here.
    MappedImport map(bool sealed);

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::string m_text;
    ImportSource m_source;
};

} // namespace Interchange
