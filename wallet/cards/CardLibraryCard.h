// A library card.
#pragma once

#include "FieldCard.h"

class CCardLibraryCard : public CFieldCard {
public:
    enum Field { Library, LibraryCardNumber };

    CCardLibraryCard();
    CCardLibraryCard(const CString& name, const CString& notes, const CString& library, const CString& libraryCardNumber);
    // Takes the values the editor confirms for an existing card.
    void update(const CString& name, const CString& notes, const CString& library, const CString& libraryCardNumber);
    CCardLibraryCard* clone() override { return new CCardLibraryCard(*this); }

    const CString& getLibrary() const { return text(Library); }
    const CString& getLibraryCardNumber() const { return text(LibraryCardNumber); }
};
