// The summary an import ends with, as lines of text for a person.
#pragma once

#include "CardMapping.h"

#include <string>

namespace Interchange {

// "Imported from <source> into <place>:" and the counts: categories, cards
// per kind, values moved into notes, and every skipped item with its reason.
std::string importSummaryText(const ImportSummary& summary, const std::string& source, const std::string& place);

} // namespace Interchange
