#include "CardSoftwareSerialNumber.h"

namespace {

using Card = CCardSoftwareSerialNumber;

constexpr auto kFields = textFields<8>(FieldType::Integer);
constexpr ExportLine kExportLines[] = {
    {"Title : ", Card::Title},
    {"Version : ", Card::Version},
    {"Manufacturer : ", Card::Manufacturer},
    {"Purchased Form : ", Card::PurchasedFrom},
    {"Purchase Date : ", Card::PurchaseDate},
    {"Support Info : ", Card::SupportInfo},
    {"Software Type Value : ", Card::SoftwareTypeValue},
    {"Software Type : ", Card::SoftwareType},
};
constexpr SearchField kSearched[] = {
    {Card::Title},
    {Card::Version},
    {Card::Manufacturer},
    {Card::PurchasedFrom},
    {Card::PurchaseDate},
    {Card::SupportInfo},
    {Card::SoftwareTypeValue},
    {Card::SoftwareType},
};

constexpr CardKind kKind = {
    .typeId = 23,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .enumeration = {.textField = Card::SoftwareType, .indexField = Card::SoftwareTypeIndex, .list = Card::kSoftwareTypes},
};

} // namespace

CCardSoftwareSerialNumber::CCardSoftwareSerialNumber() : CFieldCard(kKind) {}

CCardSoftwareSerialNumber::CCardSoftwareSerialNumber(const CString& name, const CString& notes, const CString& title,
                                                     const CString& version, const CString& manufacturer, const CString& purchasedFrom,
                                                     const CString& purchaseDate, const CString& supportInfo,
                                                     const CString& softwareTypeValue, const CString& softwareType)
    : CFieldCard(kKind)
{
    update(name, notes, title, version, manufacturer, purchasedFrom, purchaseDate, supportInfo, softwareTypeValue, softwareType);
}

void CCardSoftwareSerialNumber::update(const CString& name, const CString& notes, const CString& title, const CString& version,
                                       const CString& manufacturer, const CString& purchasedFrom, const CString& purchaseDate,
                                       const CString& supportInfo, const CString& softwareTypeValue, const CString& softwareType)
{
    assign(name, notes, {title, version, manufacturer, purchasedFrom, purchaseDate, supportInfo, softwareTypeValue, softwareType});
}
