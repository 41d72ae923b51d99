#include "CardCombinationLock.h"

namespace {

using Card = CCardCombinationLock;

constexpr auto kFields = textFields<3>();
constexpr ExportLine kExportLines[] = {
    {"Lock : ", Card::Lock},
    {"Location : ", Card::Location},
    {"Combination : ", Card::Combination},
};
constexpr SearchField kSearched[] = {
    {Card::Lock},
    {Card::Location},
    {Card::Combination},
};
constexpr LengthRule kLengthRules[] = {{Card::Lock, 10}};

constexpr CardKind kKind = {
    .typeId = 5,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .lengthRules = kLengthRules,
    .newHiddenMode = CCard::kHideHidden,
};

} // namespace

CCardCombinationLock::CCardCombinationLock() : CFieldCard(kKind) {}

CCardCombinationLock::CCardCombinationLock(const CString& name, const CString& notes, const CString& combination, const CString& location,
                                           const CString& lock)
    : CFieldCard(kKind)
{
    update(name, notes, combination, location, lock);
}

void CCardCombinationLock::update(const CString& name, const CString& notes, const CString& combination, const CString& location,
                                  const CString& lock)
{
    assign(name, notes, {combination, location, lock});
}
