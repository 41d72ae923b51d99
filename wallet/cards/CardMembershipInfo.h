// A membership of an airline, hotel or rental agency.
#pragma once

#include "FieldCard.h"

class CCardMembershipInfo : public CFieldCard {
public:
    enum Field { Company, IdNumber, Telephone, ExpiresOn };

    CCardMembershipInfo();
    CCardMembershipInfo(const CString& name, const CString& notes, const CString& company, const CString& idNumber,
                        const CString& telephone, const CString& expiresOn);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& company, const CString& idNumber, const CString& telephone,
                const CString& expiresOn);
    CCardMembershipInfo* clone() override { return new CCardMembershipInfo(*this); }

    const CString& getCompany() const { return text(Company); }
    const CString& getIdNumber() const { return text(IdNumber); }
    const CString& getTelephone() const { return text(Telephone); }
    const CString& getExpiresOn() const { return text(ExpiresOn); }
};
