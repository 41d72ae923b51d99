#include "CardPassportInfo.h"

namespace {

using Card = CCardPassportInfo;

constexpr auto kFields = textFields<12>();
constexpr ExportLine kExportLines[] = {
    {"Type ", Card::Type},
    {"State Code ", Card::StateCode},
    {"Passport No ", Card::PassportNo},
    {"Surname ", Card::Surname},
    {"Date Of Birth: ", Card::DateOfBirth},
    {"Sex : ", Card::Sex},
    {"Given Names : ", Card::GivenNames},
    {"Place Of Birth : ", Card::PlaceOfBirth},
    {"Nationality : ", Card::Nationality},
    {"Date Of Issue : ", Card::DateOfIssue},
    {"Date Of Expiry : ", Card::DateOfExpiry},
    {"Authority : ", Card::Authority},
};
constexpr SearchField kSearched[] = {
    {Card::Type},
    {Card::StateCode},
    {Card::PassportNo},
    {Card::Surname},
    {Card::DateOfBirth},
    {Card::Sex},
    {Card::GivenNames},
    {Card::PlaceOfBirth},
    {Card::Nationality},
    {Card::DateOfIssue},
    {Card::DateOfExpiry},
    {Card::Authority},
};

constexpr CardKind kKind = {
    .typeId = 18,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardPassportInfo::CCardPassportInfo() : CFieldCard(kKind) {}

CCardPassportInfo::CCardPassportInfo(const CString& name, const CString& notes, const CString& type, const CString& stateCode,
                                     const CString& passportNo, const CString& surname, const CString& dateOfBirth, const CString& sex,
                                     const CString& givenNames, const CString& placeOfBirth, const CString& nationality,
                                     const CString& dateOfIssue, const CString& dateOfExpiry, const CString& authority)
    : CFieldCard(kKind)
{
    update(name,
           notes,
           type,
           stateCode,
           passportNo,
           surname,
           dateOfBirth,
           sex,
           givenNames,
           placeOfBirth,
           nationality,
           dateOfIssue,
           dateOfExpiry,
           authority);
}

void CCardPassportInfo::update(const CString& name, const CString& notes, const CString& type, const CString& stateCode,
                               const CString& passportNo, const CString& surname, const CString& dateOfBirth, const CString& sex,
                               const CString& givenNames, const CString& placeOfBirth, const CString& nationality,
                               const CString& dateOfIssue, const CString& dateOfExpiry, const CString& authority)
{
    assign(name,
           notes,
           {type,
            stateCode,
            passportNo,
            surname,
            dateOfBirth,
            sex,
            givenNames,
            placeOfBirth,
            nationality,
            dateOfIssue,
            dateOfExpiry,
            authority});
}
