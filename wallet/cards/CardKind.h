// A card kind described as data: its fields in stored order, the lines it
// writes into the text export, the fields the search looks at, its length
// rules, its enumeration and the settings of a new card of the kind.
#pragma once

#include <array>
#include <span>

enum class FieldType {
    Text,
    Integer,
    // An integer that stands for an entry of the kind's list and is shown as its text.
    ListIndex,
    Boolean,
};

// Field numbers are the positions in the stored order.
inline constexpr int kNoField = -1;

struct ExportLine {
    const char* label;
    int field;
    // When set, the line's label is the text of this field instead.
    int captionField = kNoField;
};

struct SearchField {
    int field;
    // Searched only when hidden fields are included.
    bool hidden = false;
};

// A text field cut to its leftmost characters whenever it takes a value.
struct LengthRule {
    int field;
    int maxChars;
};

// An integer field that holds the position of a text field's value in a
// fixed list (first entry the empty text), or -1 when the value is not listed.
struct Enumeration {
    int textField = kNoField;
    int indexField = kNoField;
    std::span<const char* const> list;
    bool ignoreCase = false;
};

struct CardKind {
    int typeId;
    std::span<const FieldType> fields;
    std::span<const ExportLine> exportLines = {};
    std::span<const SearchField> searched = {};
    // The texts of the ListIndex fields.
    std::span<const char* const> listTexts = {};
    std::span<const LengthRule> lengthRules = {};
    Enumeration enumeration = {};
    // Settings a new card of the kind starts with.
    int newHiddenMode = 0;
    bool newShowIcon = true;
    int newPicturePlacement = 0;
    // Whether the export ends with the notes.
    bool exportsNotes = true;
};

// N text fields, then the fields of `more`.
template <std::size_t N, class... More> constexpr std::array<FieldType, N + sizeof...(More)> textFields(More... more)
{
    std::array<FieldType, N + sizeof...(More)> fields{};
    fields.fill(FieldType::Text);
    std::size_t next = N;
    ((fields[next++] = more), ...);
    return fields;
}
