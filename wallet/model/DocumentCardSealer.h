// The sealing of the cards of encrypted categories under the document key:
// one card into a sealed record, a category's sealed records into cards and
// back, and the same over a whole subtree.
#pragma once

#include "model/CardSealer.h"

class CCategory;

class CDocumentCardSealer : public ICardSealer {
public:
    bool hasDocumentKey() const override;
    // All records or none: a record that cannot be opened leaves the category as it was.
    bool openSealedCards(CCategory& category) override;
    bool sealCard(CCard& card, CSizedArray& sealed) override;
    // Seals the open cards of an encrypted category back into records and
    // deletes them; all or none. The file is not written: the same key and
    // card give the same sealed bytes.
    bool resealCards(CCategory& category);

    // The same over `category` and every category below it; stops at the first failure.
    bool openAll(CCategory& category);
    bool resealAll(CCategory& category);
};

// Whether the category or one below it is encrypted.
bool hasEncryptedCategory(const CCategory& category);
