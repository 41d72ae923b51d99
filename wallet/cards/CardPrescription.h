// A prescribed drug.
#pragma once

#include "FieldCard.h"

class CCardPrescription : public CFieldCard {
public:
    enum Field { DrugName, Amount, WhenToTake, Brand, PurchaseDate, Pharmacy, Doctor, DoctorsPhone };

    CCardPrescription();
    CCardPrescription(const CString& name, const CString& notes, const CString& drugName, const CString& amount, const CString& whenToTake,
                      const CString& brand, const CString& purchaseDate, const CString& pharmacy, const CString& doctor,
                      const CString& doctorsPhone);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& drugName, const CString& amount, const CString& whenToTake,
                const CString& brand, const CString& purchaseDate, const CString& pharmacy, const CString& doctor,
                const CString& doctorsPhone);
    CCardPrescription* clone() override { return new CCardPrescription(*this); }

    const CString& getDrugName() const { return text(DrugName); }
    const CString& getAmount() const { return text(Amount); }
    const CString& getWhenToTake() const { return text(WhenToTake); }
    const CString& getBrand() const { return text(Brand); }
    const CString& getPurchaseDate() const { return text(PurchaseDate); }
    const CString& getPharmacy() const { return text(Pharmacy); }
    const CString& getDoctor() const { return text(Doctor); }
    const CString& getDoctorsPhone() const { return text(DoctorsPhone); }
};
