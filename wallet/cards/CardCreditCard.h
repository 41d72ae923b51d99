// A credit card: the card, its maker and its PIN.
#pragma once

#include "FieldCard.h"

class CCardCreditCard : public CFieldCard {
public:
    enum Field { CardNumber, CardProvider, CardType, Expires, NameOnCard, LostCardNumber, Pin, CardTypeIndex };
    static constexpr const char* kCardTypes[] = {"", "American Express", "Dinner's Club", "Discover", "MasterCard", "Switch", "VISA"};

    CCardCreditCard();
    CCardCreditCard(const CString& name, const CString& notes, const CString& cardNumber, const CString& cardProvider,
                    const CString& cardType, const CString& expires, const CString& nameOnCard, const CString& lostCardNumber,
                    const CString& pin);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& cardNumber, const CString& cardProvider, const CString& cardType,
                const CString& expires, const CString& nameOnCard, const CString& lostCardNumber, const CString& pin);
    CCardCreditCard* clone() override { return new CCardCreditCard(*this); }

    const CString& getCardNumber() const { return text(CardNumber); }
    const CString& getCardProvider() const { return text(CardProvider); }
    const CString& getCardType() const { return text(CardType); }
    const CString& getExpires() const { return text(Expires); }
    const CString& getNameOnCard() const { return text(NameOnCard); }
    const CString& getLostCardNumber() const { return text(LostCardNumber); }
    const CString& getPin() const { return text(Pin); }
    int getCardTypeIndex() const { return number(CardTypeIndex); }
};
