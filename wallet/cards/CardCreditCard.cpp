#include "CardCreditCard.h"

namespace {

using Card = CCardCreditCard;

constexpr auto kFields = textFields<7>(FieldType::Integer);
constexpr ExportLine kExportLines[] = {
    {"Card Provider : ", Card::CardProvider},
    {"Card Type : ", Card::CardType},
    {"Card Number : ", Card::CardNumber},
    {"Expires : ", Card::Expires},
    {"Pin : ", Card::Pin},
    {"Name On Card : ", Card::NameOnCard},
    {"Number To Call If Card Is Lost : ", Card::LostCardNumber},
};
constexpr SearchField kSearched[] = {
    {Card::CardProvider},
    {Card::CardType},
    {Card::CardNumber},
    {Card::Expires},
    {Card::NameOnCard},
    {Card::LostCardNumber},
    {Card::Pin, true},
};

constexpr CardKind kKind = {
    .typeId = 7,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .enumeration = {.textField = Card::CardType, .indexField = Card::CardTypeIndex, .list = Card::kCardTypes, .ignoreCase = true},
    .newHiddenMode = CCard::kHideHidden,
    .newShowIcon = false,
};

} // namespace

CCardCreditCard::CCardCreditCard() : CFieldCard(kKind) {}

CCardCreditCard::CCardCreditCard(const CString& name, const CString& notes, const CString& cardNumber, const CString& cardProvider,
                                 const CString& cardType, const CString& expires, const CString& nameOnCard, const CString& lostCardNumber,
                                 const CString& pin)
    : CFieldCard(kKind)
{
    update(name, notes, cardNumber, cardProvider, cardType, expires, nameOnCard, lostCardNumber, pin);
}

void CCardCreditCard::update(const CString& name, const CString& notes, const CString& cardNumber, const CString& cardProvider,
                             const CString& cardType, const CString& expires, const CString& nameOnCard, const CString& lostCardNumber,
                             const CString& pin)
{
    assign(name, notes, {cardNumber, cardProvider, cardType, expires, nameOnCard, lostCardNumber, pin});
}
