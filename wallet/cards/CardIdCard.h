// An identity card of a country or an organization.
#pragma once

#include "FieldCard.h"

class CCardIdCard : public CFieldCard {
public:
    enum Field { CardTitle, CountryOrOrganization, IdNumber, HolderName };

    CCardIdCard();
    CCardIdCard(const CString& name, const CString& notes, const CString& cardTitle, const CString& countryOrOrganization,
                const CString& idNumber, const CString& holderName);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& cardTitle, const CString& countryOrOrganization,
                const CString& idNumber, const CString& holderName);
    CCardIdCard* clone() override { return new CCardIdCard(*this); }

    const CString& getCardTitle() const { return text(CardTitle); }
    const CString& getCountryOrOrganization() const { return text(CountryOrOrganization); }
    const CString& getIdNumber() const { return text(IdNumber); }
    const CString& getHolderName() const { return text(HolderName); }
};
