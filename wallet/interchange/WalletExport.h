// The wallet written out for another manager, as the tool and the windows
// both do it: sealed categories opened with the password first (when the
// person gives it; refused, their cards stay out), then the file written so
// that only its owner can read it.
#pragma once

#include "ExportWriters.h"
#include "ImportFormats.h"

#include <optional>
#include <string>
#include <string_view>

class CWalletDoc;

namespace Interchange {

// The wallet as `format` (one the export writes). With `openSealed`, a wallet
// holding sealed cards asks for its password first; nothing when the cards
// could not be opened with it ("Unable to decrypt data" was said).
std::optional<ExportResult> exportWallet(CWalletDoc& document, Format format, bool openSealed);

// Writes `text` to `path` with mode 0600 (a file that was there gives up its
// old mode); false when it could not be written whole.
bool writePrivateFile(const std::string& path, std::string_view text);

} // namespace Interchange
