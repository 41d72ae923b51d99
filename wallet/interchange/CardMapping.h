// One table from the entries of other managers to the wallet's card kinds,
// read one way by the import and the other way by the export: a login with
// a URL is a "Web Site" card, one without a "Password" card, a payment card
// a "Credit Card", an identity with an identity number an "ID Card", other
// identities a "Contact", a note a "Free Form" card. Every value that no
// field of the kind takes goes into the card's notes as a "Label: value" line.
#pragma once

#include "ImportedData.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CCard;
class CCategory;

namespace Interchange {

// A custom field of this name, in a file the wallet exported, names the
// card kind the entry came from; its other custom fields then carry the
// kind's fields by their names ("accessInfo", "lostCardNumber").
inline constexpr const char* kKindLabel = "Keldra card kind";

struct ImportSummary {
    std::size_t categories = 0;
    // Cards made, by type id.
    std::map<int, std::size_t> cardsPerKind;
    std::size_t valuesInNotes = 0;
    std::vector<SkippedItem> skipped;
};

struct MappedImport {
    // The categories and cards made, below a category that stands for the
    // file (its own name and settings are the caller's to give).
    std::unique_ptr<CCategory> holder;
    ImportSummary summary;
};

// The source as categories and cards. With `sealed`, every category is
// marked encrypted and an entry too large for a sealed card is skipped.
MappedImport mapImport(const ImportSource& source, bool sealed);

// One card as an entry of another manager: its kind, and the values of its
// fields, each labelled with the field's name and keyed by the mapping's key
// where the table has one. `kindMarked` when the entry needs kKindLabel and
// its fields by name to come back as the same card.
struct ExportedEntry {
    ImportedEntry entry;
    bool kindMarked = false;
};
ExportedEntry entryFromCard(const CCard& card);

} // namespace Interchange
