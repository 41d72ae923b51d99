#include "CardSerialNumber.h"

namespace {

using Card = CCardSerialNumber;

constexpr auto kFields = textFields<6>();
constexpr ExportLine kExportLines[] = {
    {"Product : ", Card::Product},
    {"Brand : ", Card::Brand},
    {"Serial Number : ", Card::SerialNumber},
    {"Model Number : ", Card::ModelNumber},
    {"Purchase Location : ", Card::PurchaseLocation},
    {"Purchase Date : ", Card::PurchaseDate},
};
constexpr SearchField kSearched[] = {
    {Card::Product},
    {Card::Brand},
    {Card::SerialNumber},
    {Card::ModelNumber},
    {Card::PurchaseLocation},
    {Card::PurchaseDate},
};

constexpr CardKind kKind = {
    .typeId = 21,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
};

} // namespace

CCardSerialNumber::CCardSerialNumber() : CFieldCard(kKind) {}

CCardSerialNumber::CCardSerialNumber(const CString& name, const CString& notes, const CString& product, const CString& brand,
                                     const CString& serialNumber, const CString& modelNumber, const CString& purchaseLocation,
                                     const CString& purchaseDate)
    : CFieldCard(kKind)
{
    update(name, notes, product, brand, serialNumber, modelNumber, purchaseLocation, purchaseDate);
}

void CCardSerialNumber::update(const CString& name, const CString& notes, const CString& product, const CString& brand,
                               const CString& serialNumber, const CString& modelNumber, const CString& purchaseLocation,
                               const CString& purchaseDate)
{
    assign(name, notes, {product, brand, serialNumber, modelNumber, purchaseLocation, purchaseDate});
}
