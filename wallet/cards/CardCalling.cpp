#include "CardCalling.h"

namespace {

using Card = CCardCalling;

constexpr auto kFields = textFields<5>();
constexpr ExportLine kExportLines[] = {
    {"Access Number : ", Card::AccessNumber},
    {"Card Number : ", Card::CardNumber},
    {"Pin : ", Card::Pin},
    {"Card Provider : ", Card::CardProvider},
    {"Call if card is lost: ", Card::LostCardNumber},
};
constexpr SearchField kSearched[] = {
    {Card::LostCardNumber},
    {Card::CardNumber},
    {Card::AccessNumber},
    {Card::CardProvider},
    {Card::Pin, true},
};
constexpr LengthRule kLengthRules[] = {{Card::Pin, 10}};

constexpr CardKind kKind = {
    .typeId = 2,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .lengthRules = kLengthRules,
    .newHiddenMode = CCard::kHideHidden,
    .newPicturePlacement = 3,
};

} // namespace

CCardCalling::CCardCalling() : CFieldCard(kKind) {}

CCardCalling::CCardCalling(const CString& name, const CString& notes, const CString& accessNumber, const CString& cardNumber,
                           const CString& cardProvider, const CString& lostCardNumber, const CString& pin)
    : CFieldCard(kKind)
{
    update(name, notes, accessNumber, cardNumber, cardProvider, lostCardNumber, pin);
}

void CCardCalling::update(const CString& name, const CString& notes, const CString& accessNumber, const CString& cardNumber,
                          const CString& cardProvider, const CString& lostCardNumber, const CString& pin)
{
    assign(name, notes, {accessNumber, cardNumber, cardProvider, lostCardNumber, pin});
}
