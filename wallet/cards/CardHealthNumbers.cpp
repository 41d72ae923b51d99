#include "CardHealthNumbers.h"

namespace {

using Card = CCardHealthNumbers;

constexpr auto kFields = textFields<5>();
constexpr ExportLine kExportLines[] = {
    {"Id Number : ", Card::IdNumber},
    {"Group : ", Card::Group},
    {"Plan : ", Card::Plan},
    {"Telephone : ", Card::Telephone},
    {"Plan Sponsor : ", Card::PlanSponsor},
};
constexpr SearchField kSearched[] = {
    {Card::IdNumber},
    {Card::Group},
    {Card::Plan},
    {Card::Telephone},
    {Card::PlanSponsor},
};

constexpr CardKind kKind = {
    .typeId = 12,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardHealthNumbers::CCardHealthNumbers() : CFieldCard(kKind) {}

CCardHealthNumbers::CCardHealthNumbers(const CString& name, const CString& notes, const CString& group, const CString& idNumber,
                                       const CString& plan, const CString& planSponsor, const CString& telephone)
    : CFieldCard(kKind)
{
    update(name, notes, group, idNumber, plan, planSponsor, telephone);
}

void CCardHealthNumbers::update(const CString& name, const CString& notes, const CString& group, const CString& idNumber,
                                const CString& plan, const CString& planSponsor, const CString& telephone)
{
    assign(name, notes, {group, idNumber, plan, planSponsor, telephone});
}
