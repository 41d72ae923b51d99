// An insurance policy.
#pragma once

#include "FieldCard.h"

class CCardInsurancePolicy : public CFieldCard {
public:
    enum Field { ExpiresOn, InsuranceCompany, PolicyNumber, Telephone, Type, TypeIndex };
    static constexpr const char* kTypes[] = {"", "Auto", "Health", "Home", "Liability", "Life"};

    CCardInsurancePolicy();
    CCardInsurancePolicy(const CString& name, const CString& notes, const CString& expiresOn, const CString& insuranceCompany,
                         const CString& policyNumber, const CString& telephone, const CString& type);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& expiresOn, const CString& insuranceCompany,
                const CString& policyNumber, const CString& telephone, const CString& type);
    CCardInsurancePolicy* clone() override { return new CCardInsurancePolicy(*this); }

    const CString& getExpiresOn() const { return text(ExpiresOn); }
    const CString& getInsuranceCompany() const { return text(InsuranceCompany); }
    const CString& getPolicyNumber() const { return text(PolicyNumber); }
    const CString& getTelephone() const { return text(Telephone); }
    const CString& getType() const { return text(Type); }
    int getTypeIndex() const { return number(TypeIndex); }
};
