// Bitwarden's unencrypted JSON export: folders (nested by "/" in their
// names) and items of four types, logins, secure notes, cards and identities.
#pragma once

#include "ImportedData.h"

#include <string>
#include <string_view>

namespace Interchange {

// Whether the text is a JSON object with Bitwarden's "items" (and "folders" or "encrypted").
bool looksLikeBitwardenJson(std::string_view text);

bool readBitwardenJson(std::string_view text, ImportSource& source, std::string& error);

} // namespace Interchange
