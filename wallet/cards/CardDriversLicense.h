// A driver's license.
#pragma once

#include "FieldCard.h"

class CCardDriversLicense : public CFieldCard {
public:
    enum Field { DateIssued, LicenseNumber, Location, ExpirationDate };

    CCardDriversLicense();
    CCardDriversLicense(const CString& name, const CString& notes, const CString& dateIssued, const CString& licenseNumber,
                        const CString& location, const CString& expirationDate);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& dateIssued, const CString& licenseNumber, const CString& location,
                const CString& expirationDate);
    CCardDriversLicense* clone() override { return new CCardDriversLicense(*this); }

    const CString& getDateIssued() const { return text(DateIssued); }
    const CString& getLicenseNumber() const { return text(LicenseNumber); }
    const CString& getLocation() const { return text(Location); }
    const CString& getExpirationDate() const { return text(ExpirationDate); }
};
