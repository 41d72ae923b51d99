#include "CardIdCard.h"

namespace {

using Card = CCardIdCard;

constexpr auto kFields = textFields<4>();
constexpr ExportLine kExportLines[] = {
    {"Card Title : ", Card::CardTitle},
    {"Country Or Organization : ", Card::CountryOrOrganization},
    {"Name : ", Card::HolderName},
    {"Id Number : ", Card::IdNumber},
};
constexpr SearchField kSearched[] = {
    {Card::CardTitle},
    {Card::CountryOrOrganization},
    {Card::HolderName},
    {Card::IdNumber},
};

constexpr CardKind kKind = {
    .typeId = 13,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardIdCard::CCardIdCard() : CFieldCard(kKind) {}

CCardIdCard::CCardIdCard(const CString& name, const CString& notes, const CString& cardTitle, const CString& countryOrOrganization,
                         const CString& idNumber, const CString& holderName)
    : CFieldCard(kKind)
{
    update(name, notes, cardTitle, countryOrOrganization, idNumber, holderName);
}

void CCardIdCard::update(const CString& name, const CString& notes, const CString& cardTitle, const CString& countryOrOrganization,
                         const CString& idNumber, const CString& holderName)
{
    assign(name, notes, {cardTitle, countryOrOrganization, idNumber, holderName});
}
