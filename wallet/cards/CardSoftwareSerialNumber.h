// The key or number of a piece of software.
#pragma once

#include "FieldCard.h"

class CCardSoftwareSerialNumber : public CFieldCard {
public:
    enum Field {
        Title,
        Version,
        Manufacturer,
        PurchasedFrom,
        PurchaseDate,
        SupportInfo,
        SoftwareTypeValue,
        SoftwareType,
        SoftwareTypeIndex
    };
    static constexpr const char* kSoftwareTypes[] = {"", "CDKey", "Code#", "Reg#", "Serial#"};

    CCardSoftwareSerialNumber();
    CCardSoftwareSerialNumber(const CString& name, const CString& notes, const CString& title, const CString& version,
                              const CString& manufacturer, const CString& purchasedFrom, const CString& purchaseDate,
                              const CString& supportInfo, const CString& softwareTypeValue, const CString& softwareType);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& title, const CString& version, const CString& manufacturer,
                const CString& purchasedFrom, const CString& purchaseDate, const CString& supportInfo, const CString& softwareTypeValue,
                const CString& softwareType);
    CCardSoftwareSerialNumber* clone() override { return new CCardSoftwareSerialNumber(*this); }

    const CString& getTitle() const { return text(Title); }
    const CString& getVersion() const { return text(Version); }
    const CString& getManufacturer() const { return text(Manufacturer); }
    const CString& getPurchasedFrom() const { return text(PurchasedFrom); }
    const CString& getPurchaseDate() const { return text(PurchaseDate); }
    const CString& getSupportInfo() const { return text(SupportInfo); }
    const CString& getSoftwareTypeValue() const { return text(SoftwareTypeValue); }
    const CString& getSoftwareType() const { return text(SoftwareType); }
    int getSoftwareTypeIndex() const { return number(SoftwareTypeIndex); }
};
