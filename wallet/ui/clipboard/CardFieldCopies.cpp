#include "clipboard/CardFieldCopies.h"

#include "cards/FieldCard.h"
#include "clipboard/ClipboardTexts.h"
#include "zenthoLib/Ui/QtText.h"

namespace {

// An export label ends in " : ", a label a person gave ends as it likes.
QString labelOf(const CFieldCard& card, const ExportLine& line)
{
    QString label = line.captionField == kNoField ? QString::fromLatin1(line.label) : toQString(card.fieldText(line.captionField));
    while (label.endsWith(QLatin1Char(':')) || label.endsWith(QLatin1Char(' ')))
        label.chop(1);
    return label.trimmed();
}

} // namespace

std::vector<FieldCopy> cardFieldCopies(const CCard& card)
{
    std::vector<FieldCopy> copies;
    const auto* fields = dynamic_cast<const CFieldCard*>(&card);
    if (!fields)
        return copies;
    for (const ExportLine& line : fields->getKind().exportLines) {
        const QString value = toQString(fields->fieldText(line.field));
        const QString label = labelOf(*fields, line);
        if (!value.isEmpty() && !label.isEmpty())
            copies.push_back({QString::fromLatin1(ClipboardTexts::kCopyFieldPrefix) + label, value});
    }
    return copies;
}
