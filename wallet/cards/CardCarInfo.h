// A car: make and model, licence and insurance.
#pragma once

#include "FieldCard.h"

class CCardCarInfo : public CFieldCard {
public:
    enum Field {
        Cylinders,
        ExpiresOn,
        InsuranceCompany,
        InsuranceExpiresOn,
        InsurancePhone,
        LicenceNumber,
        Make,
        Model,
        PolicyNumber,
        VehicleNumber,
        Year
    };
    static constexpr const char* kCylinders[] = {"", "2", "4", "6", "8", "12"};

    CCardCarInfo();
    CCardCarInfo(const CString& name, const CString& notes, int cylinders, const CString& expiresOn, const CString& insuranceCompany,
                 const CString& insuranceExpiresOn, const CString& insurancePhone, const CString& licenceNumber, const CString& make,
                 const CString& model, const CString& policyNumber, const CString& vehicleNumber, const CString& year);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, int cylinders, const CString& expiresOn, const CString& insuranceCompany,
                const CString& insuranceExpiresOn, const CString& insurancePhone, const CString& licenceNumber, const CString& make,
                const CString& model, const CString& policyNumber, const CString& vehicleNumber, const CString& year);
    CCardCarInfo* clone() override { return new CCardCarInfo(*this); }

    int getCylinders() const { return number(Cylinders); }
    const CString& getExpiresOn() const { return text(ExpiresOn); }
    const CString& getInsuranceCompany() const { return text(InsuranceCompany); }
    const CString& getInsuranceExpiresOn() const { return text(InsuranceExpiresOn); }
    const CString& getInsurancePhone() const { return text(InsurancePhone); }
    const CString& getLicenceNumber() const { return text(LicenceNumber); }
    const CString& getMake() const { return text(Make); }
    const CString& getModel() const { return text(Model); }
    const CString& getPolicyNumber() const { return text(PolicyNumber); }
    const CString& getVehicleNumber() const { return text(VehicleNumber); }
    const CString& getYear() const { return text(Year); }
};
