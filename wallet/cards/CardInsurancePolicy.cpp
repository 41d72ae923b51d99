#include "CardInsurancePolicy.h"

namespace {

using Card = CCardInsurancePolicy;

constexpr auto kFields = textFields<5>(FieldType::Integer);
constexpr ExportLine kExportLines[] = {
    {"Insurance Company : ", Card::InsuranceCompany},
    {"Policy Number : ", Card::PolicyNumber},
    {"Type : ", Card::Type},
    {"Expires On : ", Card::ExpiresOn},
    {"Telephone : ", Card::Telephone},
};
constexpr SearchField kSearched[] = {
    {Card::InsuranceCompany},
    {Card::PolicyNumber},
    {Card::Type},
    {Card::ExpiresOn},
    {Card::Telephone},
};

constexpr CardKind kKind = {
    .typeId = 14,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .enumeration = {.textField = Card::Type, .indexField = Card::TypeIndex, .list = Card::kTypes},
};

} // namespace

CCardInsurancePolicy::CCardInsurancePolicy() : CFieldCard(kKind) {}

CCardInsurancePolicy::CCardInsurancePolicy(const CString& name, const CString& notes, const CString& expiresOn,
                                           const CString& insuranceCompany, const CString& policyNumber, const CString& telephone,
                                           const CString& type)
    : CFieldCard(kKind)
{
    update(name, notes, expiresOn, insuranceCompany, policyNumber, telephone, type);
}

void CCardInsurancePolicy::update(const CString& name, const CString& notes, const CString& expiresOn, const CString& insuranceCompany,
                                  const CString& policyNumber, const CString& telephone, const CString& type)
{
    assign(name, notes, {expiresOn, insuranceCompany, policyNumber, telephone, type});
}
