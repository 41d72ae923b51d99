// The wallet written as another manager's file, for people moving out:
// KeePassXC's CSV and Bitwarden's unencrypted JSON. Both hold every secret
// in clear; the caller says so.
#pragma once

#include <string>

class CCategory;

namespace Interchange {

struct ExportResult {
    std::string text;
    std::size_t cards = 0;
    // Cards left out because their category is still sealed.
    std::size_t sealedLeftOut = 0;
};

// The categories below `root` become groups under the root's name; a card
// field that has no column goes into the notes as a "name: value" line. The
// file has one line per card, so a category without cards is not in it.
ExportResult writeKeePassXcCsv(const CCategory& root);

// Categories become folders ("Bank/Cards"); a card field that Bitwarden's
// item has no place for becomes a custom field by the field's name, with
// the card's kind in a custom field of its own, so that the wallet reads it
// back as the same card.
ExportResult writeBitwardenJson(const CCategory& root);

} // namespace Interchange
