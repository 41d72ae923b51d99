// The encryption of the cards of encrypted categories, as the node tree needs
// it: whether the document key is loaded, opening a category's sealed records
// into cards, and sealing one card into a record.
#pragma once

class CCard;
class CCategory;
class CSizedArray;

class ICardSealer {
public:
    virtual ~ICardSealer() = default;

    virtual bool hasDocumentKey() const = 0;
    // Turns the category's sealed records into cards in its list; false when one cannot be opened.
    virtual bool openSealedCards(CCategory& category) = 0;
    // The card's record, encrypted.
    virtual bool sealCard(CCard& card, CSizedArray& sealed) = 0;
};
