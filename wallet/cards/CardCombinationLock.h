// A combination lock: which lock, where, and its combination.
#pragma once

#include "FieldCard.h"

class CCardCombinationLock : public CFieldCard {
public:
    enum Field { Combination, Location, Lock };

    CCardCombinationLock();
    CCardCombinationLock(const CString& name, const CString& notes, const CString& combination, const CString& location,
                         const CString& lock);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& combination, const CString& location, const CString& lock);
    CCardCombinationLock* clone() override { return new CCardCombinationLock(*this); }

    const CString& getCombination() const { return text(Combination); }
    const CString& getLocation() const { return text(Location); }
    const CString& getLock() const { return text(Lock); }
};
