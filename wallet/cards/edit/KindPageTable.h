// The editor page of every card kind as data: its caption, the default name
// of a new card and its controls from top to bottom. The fields, their lists
// and the enumerations come from the card kind itself; the table only says
// how each field is edited.
#pragma once

#include "cards/CardKind.h"

#include <span>

enum class PageControlType {
    // A one-line edit of a text field.
    Edit,
    // A one-line edit that takes digits only.
    Digits,
    // A one-line edit of an integer field, read as its leading decimal number.
    Number,
    // A list that also takes any typed text, over the kind's enumeration; a
    // card's unlisted text comes right after the empty first entry.
    EditableList,
    // The same, but a card's unlisted text takes the empty first entry's place.
    EditableListOwnFirst,
    // A fixed list: over a list-index field its position, over a text field its text.
    DropDown,
    // The "Small" and "Large" choice of a boolean field.
    FontChoice,
    // A caption alone that opens a row of controls.
    RowTitle,
    // A multi-line edit (the notes).
    MultiLine,
};

// Pseudo field numbers for the parts every card has.
inline constexpr int kNameField = -2;
inline constexpr int kNotesField = -3;
inline constexpr int kNoLimit = 0;

// Control ids of the parts every card has and of the font choice.
inline constexpr int kNameControlId = 1029;
inline constexpr int kNotesControlId = 1027;
inline constexpr int kSmallFontControlId = 1158;
inline constexpr int kLargeFontControlId = 1159;
// A kind's own field n is edited by control kFieldControlBase + n.
inline constexpr int kFieldControlBase = 1040;

struct PageControl {
    // Shown before the control; empty for none.
    const char* caption;
    int field;
    // Most characters the control takes; kNoLimit for any number.
    int limit = kNoLimit;
    PageControlType type = PageControlType::Edit;
    // Placed to the right of the control before it instead of below.
    bool sameRow = false;
    // The entries of a drop-down over a text field that is not the kind's enumeration.
    std::span<const char* const> entries = {};
};

struct KindPage {
    const char* caption;
    const char* defaultName;
    std::span<const PageControl> controls;
};

// The page of type id 0 to 26.
const KindPage& kindPage(int typeId);
// The id of the control that edits `control`'s field (the font choice has two: this is "Small").
int controlId(const PageControl& control);
