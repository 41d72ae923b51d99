// What a card display draws, as data: headings, centred lines and labelled
// rows taken from the card's fields, in the order they appear on the card.
#pragma once

#include "cards/CardKind.h"

#include <span>

// Stands for the card's own name where a field number is expected.
inline constexpr int kCardNameField = -2;

enum class DisplayItemKind {
    // Centred in the big-title font: the fixed text, or the fields joined by blanks.
    Heading,
    // Centred in the title font.
    Centred,
    // A label and a value; not drawn when the value is empty.
    Row,
    // The fields joined by blanks from the left margin, in the title font or the value font.
    TitleLine,
    Line,
    // A row whose value is an address opened by a click.
    Link,
    // A row in one of two columns; consecutive pairs fill the left column, then the right, row by row.
    Pair,
    // A row whose label ends at the middle of the card and whose value starts there.
    Middle,
    // The fixed text in the label font, or the field in the value font, at `column` pixels from
    // the card's left; a cell left of or at the previous one's column starts a new row.
    Cell,
    // The kind's hidden value with the switch that shows and hides it.
    Hidden,
};

struct DisplayItem {
    DisplayItemKind kind;
    const char* text;
    int field = kNoField;
    // The label is this field's text followed by `text`; the row is left out when it is empty.
    int labelField = kNoField;
    // Further fields of a heading, joined to the first by single blanks.
    int moreFields[2] = {kNoField, kNoField};
    bool capitals = false;
    // Put before a link's value to make the address it opens.
    const char* linkScheme = "";
    int column = 0;
    // Put before the text with a blank, only when the text itself is not empty.
    int prefixField = kNoField;
};

struct HiddenSwitchCaptions {
    const char* show;
    const char* hide;
};

// The switch of the kinds that hide a PIN.
inline constexpr HiddenSwitchCaptions kPinCaptions = {"Show Pin", "Hide Pin"};

struct CardDisplayLayout {
    int typeId;
    std::span<const DisplayItem> items;
    HiddenSwitchCaptions captions = {};
    // The distance between rows; 0 shares the room below the headings among them.
    int rowPitch = 0;
    // The notes box takes the whole card and shows the card's text.
    bool notesFillCard = false;
};

// The layout of the kind with `typeId`; null for a kind drawn by code of its own.
const CardDisplayLayout* cardDisplayLayout(int typeId);
