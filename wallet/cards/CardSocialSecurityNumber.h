// A social security number and whose it is.
#pragma once

#include "FieldCard.h"

class CCardSocialSecurityNumber : public CFieldCard {
public:
    enum Field { HolderName, Ssn };

    CCardSocialSecurityNumber();
    CCardSocialSecurityNumber(const CString& name, const CString& notes, const CString& holderName, const CString& ssn);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& holderName, const CString& ssn);
    CCardSocialSecurityNumber* clone() override { return new CCardSocialSecurityNumber(*this); }

    const CString& getHolderName() const { return text(HolderName); }
    const CString& getSsn() const { return text(Ssn); }
};
