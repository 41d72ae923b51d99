#include "CardBirthdayCard.h"

namespace {

using Card = CCardBirthdayCard;

constexpr auto kFields = textFields<2>();
constexpr ExportLine kExportLines[] = {
    {"Person : ", Card::Person},
    {"Birthday : ", Card::Birthday},
};
constexpr SearchField kSearched[] = {
    {Card::Person},
    {Card::Birthday},
};

constexpr CardKind kKind = {
    .typeId = 1,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardBirthdayCard::CCardBirthdayCard() : CFieldCard(kKind) {}

CCardBirthdayCard::CCardBirthdayCard(const CString& name, const CString& notes, const CString& person, const CString& birthday)
    : CFieldCard(kKind)
{
    update(name, notes, person, birthday);
}

void CCardBirthdayCard::update(const CString& name, const CString& notes, const CString& person, const CString& birthday)
{
    assign(name, notes, {person, birthday});
}
