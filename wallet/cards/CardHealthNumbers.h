// A health plan membership.
#pragma once

#include "FieldCard.h"

class CCardHealthNumbers : public CFieldCard {
public:
    enum Field { Group, IdNumber, Plan, PlanSponsor, Telephone };

    CCardHealthNumbers();
    CCardHealthNumbers(const CString& name, const CString& notes, const CString& group, const CString& idNumber, const CString& plan,
                       const CString& planSponsor, const CString& telephone);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& group, const CString& idNumber, const CString& plan,
                const CString& planSponsor, const CString& telephone);
    CCardHealthNumbers* clone() override { return new CCardHealthNumbers(*this); }

    const CString& getGroup() const { return text(Group); }
    const CString& getIdNumber() const { return text(IdNumber); }
    const CString& getPlan() const { return text(Plan); }
    const CString& getPlanSponsor() const { return text(PlanSponsor); }
    const CString& getTelephone() const { return text(Telephone); }
};
