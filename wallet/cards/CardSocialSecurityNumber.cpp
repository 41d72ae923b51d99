#include "CardSocialSecurityNumber.h"

namespace {

using Card = CCardSocialSecurityNumber;

constexpr auto kFields = textFields<2>();
constexpr ExportLine kExportLines[] = {
    {"Name : ", Card::HolderName},
    {"Social Security Number : ", Card::Ssn},
};
constexpr SearchField kSearched[] = {
    {Card::HolderName},
    {Card::Ssn},
};

constexpr CardKind kKind = {
    .typeId = 22,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardSocialSecurityNumber::CCardSocialSecurityNumber() : CFieldCard(kKind) {}

CCardSocialSecurityNumber::CCardSocialSecurityNumber(const CString& name, const CString& notes, const CString& holderName,
                                                     const CString& ssn)
    : CFieldCard(kKind)
{
    update(name, notes, holderName, ssn);
}

void CCardSocialSecurityNumber::update(const CString& name, const CString& notes, const CString& holderName, const CString& ssn)
{
    assign(name, notes, {holderName, ssn});
}
