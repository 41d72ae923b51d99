#include "CardCarInfo.h"

namespace {

using Card = CCardCarInfo;

constexpr FieldType kFields[] = {
    FieldType::ListIndex,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
    FieldType::Text,
};
constexpr ExportLine kExportLines[] = {
    {"Make : ", Card::Make},
    {"Model : ", Card::Model},
    {"Licence Number : ", Card::LicenceNumber},
    {"Expires On  : ", Card::ExpiresOn},
    {"Vehicle Number : ", Card::VehicleNumber},
    {"Insurance Company : ", Card::InsuranceCompany},
    {"Policy Number : ", Card::PolicyNumber},
    {"Insurance Phone : ", Card::InsurancePhone},
    {"Insurance Expired On: ", Card::InsuranceExpiresOn},
};
constexpr SearchField kSearched[] = {
    {Card::Make},
    {Card::Model},
    {Card::LicenceNumber},
    {Card::ExpiresOn},
    {Card::VehicleNumber},
    {Card::InsuranceCompany},
    {Card::PolicyNumber},
    {Card::InsurancePhone},
    {Card::InsuranceExpiresOn},
};

constexpr CardKind kKind = {
    .typeId = 3,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .listTexts = Card::kCylinders,
};

} // namespace

CCardCarInfo::CCardCarInfo() : CFieldCard(kKind) {}

CCardCarInfo::CCardCarInfo(const CString& name, const CString& notes, int cylinders, const CString& expiresOn,
                           const CString& insuranceCompany, const CString& insuranceExpiresOn, const CString& insurancePhone,
                           const CString& licenceNumber, const CString& make, const CString& model, const CString& policyNumber,
                           const CString& vehicleNumber, const CString& year)
    : CFieldCard(kKind)
{
    update(name,
           notes,
           cylinders,
           expiresOn,
           insuranceCompany,
           insuranceExpiresOn,
           insurancePhone,
           licenceNumber,
           make,
           model,
           policyNumber,
           vehicleNumber,
           year);
}

void CCardCarInfo::update(const CString& name, const CString& notes, int cylinders, const CString& expiresOn,
                          const CString& insuranceCompany, const CString& insuranceExpiresOn, const CString& insurancePhone,
                          const CString& licenceNumber, const CString& make, const CString& model, const CString& policyNumber,
                          const CString& vehicleNumber, const CString& year)
{
    setNumber(Cylinders, cylinders);
    assign(
        name,
        notes,
        {expiresOn, insuranceCompany, insuranceExpiresOn, insurancePhone, licenceNumber, make, model, policyNumber, vehicleNumber, year});
}
