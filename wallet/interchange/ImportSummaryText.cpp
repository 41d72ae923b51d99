#include "ImportSummaryText.h"

#include "cards/CardTypeTable.h"

namespace Interchange {

std::string importSummaryText(const ImportSummary& summary, const std::string& source, const std::string& place)
{
    std::size_t cards = 0;
    std::string kinds;
    for (const auto& [typeId, count] : summary.cardsPerKind) {
        cards += count;
        kinds += std::string(kinds.empty() ? "" : ", ") + cardTypeRow(typeId).displayName + " " + std::to_string(count);
    }
    std::string text = "Imported from " + source + " into " + place + ":\n";
    text += "  categories: " + std::to_string(summary.categories) + "\n";
    text += "  cards: " + std::to_string(cards) + (kinds.empty() ? "" : " (" + kinds + ")") + "\n";
    text += "  values moved into notes: " + std::to_string(summary.valuesInNotes) + "\n";
    text += "  skipped: " + std::to_string(summary.skipped.size()) + "\n";
    for (const SkippedItem& item : summary.skipped)
        text += "    " + item.where + ": " + item.reason + "\n";
    return text;
}

} // namespace Interchange
