// A bank account: the bank, the account and its PIN.
#pragma once

#include "FieldCard.h"

class CCardBankAccount : public CFieldCard {
public:
    enum Field { AccountType, AccountNumber, BankName, Pin, SortCode, Swift, Telephone, AccountTypeIndex };
    static constexpr const char* kAccountTypes[] = {"", "401K", "Brokerage", "Checking", "Chequing", "IRA", "Money Market", "Saving"};

    CCardBankAccount();
    CCardBankAccount(const CString& name, const CString& notes, const CString& accountType, const CString& accountNumber,
                     const CString& bankName, const CString& pin, const CString& sortCode, const CString& swift, const CString& telephone);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& accountType, const CString& accountNumber,
                const CString& bankName, const CString& pin, const CString& sortCode, const CString& swift, const CString& telephone);
    CCardBankAccount* clone() override { return new CCardBankAccount(*this); }

    const CString& getAccountType() const { return text(AccountType); }
    const CString& getAccountNumber() const { return text(AccountNumber); }
    const CString& getBankName() const { return text(BankName); }
    const CString& getPin() const { return text(Pin); }
    const CString& getSortCode() const { return text(SortCode); }
    const CString& getSwift() const { return text(Swift); }
    const CString& getTelephone() const { return text(Telephone); }
    int getAccountTypeIndex() const { return number(AccountTypeIndex); }
};
