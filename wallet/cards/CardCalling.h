// A calling card: how to reach the provider, the card and its PIN.
#pragma once

#include "FieldCard.h"

class CCardCalling : public CFieldCard {
public:
    enum Field { AccessNumber, CardNumber, CardProvider, LostCardNumber, Pin };

    CCardCalling();
    CCardCalling(const CString& name, const CString& notes, const CString& accessNumber, const CString& cardNumber,
                 const CString& cardProvider, const CString& lostCardNumber, const CString& pin);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& accessNumber, const CString& cardNumber,
                const CString& cardProvider, const CString& lostCardNumber, const CString& pin);
    CCardCalling* clone() override { return new CCardCalling(*this); }

    const CString& getAccessNumber() const { return text(AccessNumber); }
    const CString& getCardNumber() const { return text(CardNumber); }
    const CString& getCardProvider() const { return text(CardProvider); }
    const CString& getLostCardNumber() const { return text(LostCardNumber); }
    const CString& getPin() const { return text(Pin); }
};
