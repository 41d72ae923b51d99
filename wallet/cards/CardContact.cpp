#include "CardContact.h"

namespace {

using Card = CCardContact;

constexpr auto kFields = textFields<13>();
constexpr ExportLine kExportLines[] = {
    {"First Name : ", Card::FirstName},
    {"Last Name : ", Card::LastName},
    {"Title : ", Card::Title},
    {"Company : ", Card::Company},
    {"Work Phone : ", Card::WorkPhone},
    {"Home Phone : ", Card::HomePhone},
    {"Fax : ", Card::Fax},
    {"Email : ", Card::Email},
    {"Address : ", Card::Address},
    {"City : ", Card::City},
    {"State : ", Card::State},
    {"ZIP : ", Card::Zip},
    {"Country : ", Card::Country},
};
constexpr SearchField kSearched[] = {
    {Card::FirstName},
    {Card::LastName},
    {Card::Title},
    {Card::Company},
    {Card::WorkPhone},
    {Card::HomePhone},
    {Card::Fax},
    {Card::Email},
    {Card::Address},
    {Card::City},
    {Card::State},
    {Card::Zip},
    {Card::Country},
};

constexpr CardKind kKind = {
    .typeId = 6,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .exportsNotes = false,
};

} // namespace

CCardContact::CCardContact() : CFieldCard(kKind) {}

CCardContact::CCardContact(const CString& name, const CString& notes, const CString& firstName, const CString& lastName,
                           const CString& title, const CString& company, const CString& workPhone, const CString& homePhone,
                           const CString& fax, const CString& email, const CString& address, const CString& city, const CString& state,
                           const CString& zip, const CString& country)
    : CFieldCard(kKind)
{
    update(name, notes, firstName, lastName, title, company, workPhone, homePhone, fax, email, address, city, state, zip, country);
}

void CCardContact::update(const CString& name, const CString& notes, const CString& firstName, const CString& lastName,
                          const CString& title, const CString& company, const CString& workPhone, const CString& homePhone,
                          const CString& fax, const CString& email, const CString& address, const CString& city, const CString& state,
                          const CString& zip, const CString& country)
{
    assign(name, notes, {firstName, lastName, title, company, workPhone, homePhone, fax, email, address, city, state, zip, country});
}
