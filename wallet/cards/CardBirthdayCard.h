// Whose birthday falls when (free text: no date format is imposed).
#pragma once

#include "FieldCard.h"

class CCardBirthdayCard : public CFieldCard {
public:
    enum Field { Person, Birthday };

    CCardBirthdayCard();
    CCardBirthdayCard(const CString& name, const CString& notes, const CString& person, const CString& birthday);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& person, const CString& birthday);
    CCardBirthdayCard* clone() override { return new CCardBirthdayCard(*this); }

    const CString& getPerson() const { return text(Person); }
    const CString& getBirthday() const { return text(Birthday); }
};
