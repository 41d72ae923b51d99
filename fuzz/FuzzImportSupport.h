// What every import target checks of a file its reader took: the cards it
// maps to go out through the export and come back in without a complaint.
#pragma once

#include "interchange/CardMapping.h"
#include "interchange/ExportWriters.h"
#include "interchange/ImportFormats.h"
#include "model/Category.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void fuzzImport(Interchange::Format format, std::string_view text, bool sealed)
{
    using namespace Interchange;
    (void)detectFormats(text);
    ImportSource source;
    std::string error;
    if (!readImport(format, text, source, error)) {
        if (error.empty())
            std::abort();
        return;
    }
    const MappedImport mapped = mapImport(source, sealed);
    const ExportResult exported = writeBitwardenJson(*mapped.holder);
    ImportSource again;
    if (!readImport(Format::BitwardenJson, exported.text, again, error)) {
        std::fprintf(stderr, "the export of an import does not read back: %s\n", error.c_str());
        std::abort();
    }
}
