// What an editable list over a kind's enumeration offers for a card.
#pragma once

#include "cards/CardKind.h"
#include "platform/CString.h"

#include <vector>

struct ListChoice {
    std::vector<CString> entries;
    // The entry selected at the start.
    int selected = 0;
};

// The entries for a card whose enumeration text is `text` with the stored
// `index` (-1 when the text is not listed); a new card has index 0. An
// unlisted text is offered after the empty first entry, or, with
// `ownTextFirst`, in its place.
ListChoice editableListChoice(const Enumeration& enumeration, const CString& text, int index, bool ownTextFirst);
