#include "CardLibraryCard.h"

namespace {

using Card = CCardLibraryCard;

constexpr auto kFields = textFields<2>();
constexpr ExportLine kExportLines[] = {
    {"Library : ", Card::Library},
    {"Library Card Number : ", Card::LibraryCardNumber},
};
constexpr SearchField kSearched[] = {
    {Card::Library},
    {Card::LibraryCardNumber},
};

constexpr CardKind kKind = {
    .typeId = 16,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardLibraryCard::CCardLibraryCard() : CFieldCard(kKind) {}

CCardLibraryCard::CCardLibraryCard(const CString& name, const CString& notes, const CString& library, const CString& libraryCardNumber)
    : CFieldCard(kKind)
{
    update(name, notes, library, libraryCardNumber);
}

void CCardLibraryCard::update(const CString& name, const CString& notes, const CString& library, const CString& libraryCardNumber)
{
    assign(name, notes, {library, libraryCardNumber});
}
