// The unencrypted XML of a KeePass 2 database, as KeePass and KeePassXC
// export it: groups inside groups, each entry a list of named strings, its
// attachments, tags, times and earlier versions.
#pragma once

#include "ImportedData.h"

#include <string>
#include <string_view>

namespace Interchange {

// Whether the text is the XML of a KeePass 2 database (its root element).
bool looksLikeKeePassXml(std::string_view text);

bool readKeePassXml(std::string_view text, ImportSource& source, std::string& error);

} // namespace Interchange
