// The clothes sizes of one person.
#pragma once

#include "FieldCard.h"

class CCardClothesSize : public CFieldCard {
public:
    enum Field { Glove, Inseam, Neck, Pants, Shirt, Shoe, SizeFor, Skirt, Suit, Waist };

    CCardClothesSize();
    CCardClothesSize(const CString& name, const CString& notes, const CString& glove, const CString& inseam, const CString& neck,
                     const CString& pants, const CString& shirt, const CString& shoe, const CString& sizeFor, const CString& skirt,
                     const CString& suit, const CString& waist);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& glove, const CString& inseam, const CString& neck,
                const CString& pants, const CString& shirt, const CString& shoe, const CString& sizeFor, const CString& skirt,
                const CString& suit, const CString& waist);
    CCardClothesSize* clone() override { return new CCardClothesSize(*this); }

    const CString& getGlove() const { return text(Glove); }
    const CString& getInseam() const { return text(Inseam); }
    const CString& getNeck() const { return text(Neck); }
    const CString& getPants() const { return text(Pants); }
    const CString& getShirt() const { return text(Shirt); }
    const CString& getShoe() const { return text(Shoe); }
    const CString& getSizeFor() const { return text(SizeFor); }
    const CString& getSkirt() const { return text(Skirt); }
    const CString& getSuit() const { return text(Suit); }
    const CString& getWaist() const { return text(Waist); }
};
