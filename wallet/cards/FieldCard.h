// A card whose own fields are described by its kind: storing, copying,
// exporting and searching them is the same for every kind.
#pragma once

#include "CardKind.h"
#include "model/Card.h"

#include <initializer_list>
#include <vector>

class CFieldCard : public CCard {
public:
    bool save(COutputStream& out) override;
    bool load(ZenthoIO::CInputStream& in, unsigned int version) override;
    bool exportText(COutputStream& out) override;
    bool matches(const CString& text, bool includeHidden, bool caseSensitive) const override;

    // The value as the export and the search see it: a text as it is, an
    // integer or a boolean in decimal, a list index as its list text (empty
    // when unlisted). Fields are numbered in stored order.
    CString fieldText(int field) const;
    int fieldCount() const { return static_cast<int>(values.size()); }
    const CardKind& getKind() const { return *kind; }
    FieldType fieldType(int field) const { return kind->fields[static_cast<std::size_t>(field)]; }
    // The stored values: the text of a text field, the number of any other.
    const CString& text(int field) const { return values[static_cast<std::size_t>(field)].text; }
    int number(int field) const { return values[static_cast<std::size_t>(field)].number; }

    // Sets one stored value as it is; a tool that copies records field by
    // field (an import) then calls applyLengthRules, one that takes values as
    // the editor does calls applyEditRules.
    void setText(int field, const CString& value) { values[static_cast<std::size_t>(field)].text = value; }
    void setNumber(int field, int value) { values[static_cast<std::size_t>(field)].number = value; }
    void applyLengthRules();
    // The length rules, then the enumeration index worked out anew.
    void applyEditRules();

protected:
    // A card of the kind with the settings of a new card.
    explicit CFieldCard(const CardKind& kind);
    CFieldCard(const CFieldCard&) = default;

    // Takes the name, the notes and every text field in stored order, then
    // applies the length rules and works out the enumeration index.
    void assign(const CString& name, const CString& notes, std::initializer_list<CString> texts);

private:
    struct FieldValue {
        CString text;
        int number = 0;
    };

    int enumerationIndex() const;

    const CardKind* kind;
    std::vector<FieldValue> values;
};

// The card as a CFieldCard (every kind is one).
inline CFieldCard& fieldCard(CCard& card) { return static_cast<CFieldCard&>(card); }
inline const CFieldCard& fieldCard(const CCard& card) { return static_cast<const CFieldCard&>(card); }
