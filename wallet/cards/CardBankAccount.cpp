#include "CardBankAccount.h"

namespace {

using Card = CCardBankAccount;

constexpr auto kFields = textFields<7>(FieldType::Integer);
constexpr ExportLine kExportLines[] = {
    {"Accont Type : ", Card::AccountType},
    {"Bank Name : ", Card::BankName},
    {"Sort Code : ", Card::SortCode},
    {"Telephone : ", Card::Telephone},
    {"SWIFT : ", Card::Swift},
    {"Pin : ", Card::Pin},
    {"Account Number : ", Card::AccountNumber},
};
constexpr SearchField kSearched[] = {
    {Card::AccountType},
    {Card::SortCode},
    {Card::BankName},
    {Card::Telephone},
    {Card::Swift},
    {Card::AccountNumber},
    {Card::Pin, true},
};
constexpr LengthRule kLengthRules[] = {{Card::Pin, 4}};

constexpr CardKind kKind = {
    .typeId = 0,
    .fields = kFields,
    .exportLines = kExportLines,
    .searched = kSearched,
    .lengthRules = kLengthRules,
    .enumeration = {.textField = Card::AccountType, .indexField = Card::AccountTypeIndex, .list = Card::kAccountTypes},
    .newHiddenMode = CCard::kHideHidden,
};

} // namespace

CCardBankAccount::CCardBankAccount() : CFieldCard(kKind) {}

CCardBankAccount::CCardBankAccount(const CString& name, const CString& notes, const CString& accountType, const CString& accountNumber,
                                   const CString& bankName, const CString& pin, const CString& sortCode, const CString& swift,
                                   const CString& telephone)
    : CFieldCard(kKind)
{
    update(name, notes, accountType, accountNumber, bankName, pin, sortCode, swift, telephone);
}

void CCardBankAccount::update(const CString& name, const CString& notes, const CString& accountType, const CString& accountNumber,
                              const CString& bankName, const CString& pin, const CString& sortCode, const CString& swift,
                              const CString& telephone)
{
    assign(name, notes, {accountType, accountNumber, bankName, pin, sortCode, swift, telephone});
}
