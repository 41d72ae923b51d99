#include "CardDriversLicense.h"

namespace {

using Card = CCardDriversLicense;

constexpr auto kFields = textFields<4>();
constexpr ExportLine kExportLines[] = {
    {"License Number : ", Card::LicenseNumber},
    {"Date Issued : ", Card::DateIssued},
    {"Expiration Date : ", Card::ExpirationDate},
};
constexpr SearchField kSearched[] = {
    {Card::LicenseNumber},
    {Card::Location},
    {Card::DateIssued},
    {Card::ExpirationDate},
};

constexpr CardKind kKind = {
    .typeId = 8,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardDriversLicense::CCardDriversLicense() : CFieldCard(kKind) {}

CCardDriversLicense::CCardDriversLicense(const CString& name, const CString& notes, const CString& dateIssued, const CString& licenseNumber,
                                         const CString& location, const CString& expirationDate)
    : CFieldCard(kKind)
{
    update(name, notes, dateIssued, licenseNumber, location, expirationDate);
}

void CCardDriversLicense::update(const CString& name, const CString& notes, const CString& dateIssued, const CString& licenseNumber,
                                 const CString& location, const CString& expirationDate)
{
    assign(name, notes, {dateIssued, licenseNumber, location, expirationDate});
}
