// Free text: the text is the notes, shown in a small or a large font.
#pragma once

#include "FieldCard.h"

class CCardFreeForm : public CFieldCard {
public:
    enum Field { SmallFont };

    CCardFreeForm();
    CCardFreeForm(const CString& name, const CString& notes, bool smallFont);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, bool smallFont);
    CCardFreeForm* clone() override { return new CCardFreeForm(*this); }

    bool isSmallFont() const { return number(SmallFont) != 0; }
};
