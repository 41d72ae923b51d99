// The numbers to call in an emergency, with three the user names.
#pragma once

#include "FieldCard.h"

class CCardEmergensyNumbers : public CFieldCard {
public:
    enum Field { Ambulance, Custom1, Custom2, Custom3, CustomValue1, CustomValue2, CustomValue3, Doctor, Fire, Poison, Police };

    CCardEmergensyNumbers();
    CCardEmergensyNumbers(const CString& name, const CString& notes, const CString& ambulance, const CString& custom1,
                          const CString& custom2, const CString& custom3, const CString& customValue1, const CString& customValue2,
                          const CString& customValue3, const CString& doctor, const CString& fire, const CString& poison,
                          const CString& police);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& ambulance, const CString& custom1, const CString& custom2,
                const CString& custom3, const CString& customValue1, const CString& customValue2, const CString& customValue3,
                const CString& doctor, const CString& fire, const CString& poison, const CString& police);
    CCardEmergensyNumbers* clone() override { return new CCardEmergensyNumbers(*this); }

    const CString& getAmbulance() const { return text(Ambulance); }
    const CString& getCustom1() const { return text(Custom1); }
    const CString& getCustom2() const { return text(Custom2); }
    const CString& getCustom3() const { return text(Custom3); }
    const CString& getCustomValue1() const { return text(CustomValue1); }
    const CString& getCustomValue2() const { return text(CustomValue2); }
    const CString& getCustomValue3() const { return text(CustomValue3); }
    const CString& getDoctor() const { return text(Doctor); }
    const CString& getFire() const { return text(Fire); }
    const CString& getPoison() const { return text(Poison); }
    const CString& getPolice() const { return text(Police); }
};
