// The serial number of a product.
#pragma once

#include "FieldCard.h"

class CCardSerialNumber : public CFieldCard {
public:
    enum Field { Product, Brand, SerialNumber, ModelNumber, PurchaseLocation, PurchaseDate };

    CCardSerialNumber();
    CCardSerialNumber(const CString& name, const CString& notes, const CString& product, const CString& brand, const CString& serialNumber,
                      const CString& modelNumber, const CString& purchaseLocation, const CString& purchaseDate);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& product, const CString& brand, const CString& serialNumber,
                const CString& modelNumber, const CString& purchaseLocation, const CString& purchaseDate);
    CCardSerialNumber* clone() override { return new CCardSerialNumber(*this); }

    const CString& getProduct() const { return text(Product); }
    const CString& getBrand() const { return text(Brand); }
    const CString& getSerialNumber() const { return text(SerialNumber); }
    const CString& getModelNumber() const { return text(ModelNumber); }
    const CString& getPurchaseLocation() const { return text(PurchaseLocation); }
    const CString& getPurchaseDate() const { return text(PurchaseDate); }
};
