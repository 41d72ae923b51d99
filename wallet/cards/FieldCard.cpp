#include "FieldCard.h"

#include "model/StreamValues.h"
#include "platform/CodePage.h"

#include <cassert>

namespace {

bool occursIn(const CString& field, const CString& text, bool caseSensitive)
{
    return caseSensitive ? field.str().find(text.view()) != std::string::npos : ansiLowerContains(field.view(), text.view());
}

} // namespace

CFieldCard::CFieldCard(const CardKind& kind) : CCard(kind.typeId), kind(&kind), values(kind.fields.size())
{
    setHiddenMode(kind.newHiddenMode);
    setShowIcon(kind.newShowIcon);
    setPicturePlacement(kind.newPicturePlacement);
}

bool CFieldCard::save(COutputStream& out)
{
    if (!CCard::save(out))
        return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const FieldValue& value = values[i];
        bool written = false;
        switch (kind->fields[i]) {
        case FieldType::Text:
            written = write(out, value.text);
            break;
        case FieldType::Integer:
        case FieldType::ListIndex:
            written = write(out, value.number);
            break;
        case FieldType::Boolean:
            written = write(out, value.number != 0);
            break;
        }
        if (!written)
            return false;
    }
    return true;
}

bool CFieldCard::load(ZenthoIO::CInputStream& in, unsigned int version)
{
    if (!CCard::load(in, version))
        return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        FieldValue& value = values[i];
        bool flag = false;
        bool readOk = false;
        switch (kind->fields[i]) {
        case FieldType::Text:
            readOk = read(in, value.text);
            break;
        case FieldType::Integer:
        case FieldType::ListIndex:
            readOk = read(in, value.number);
            break;
        case FieldType::Boolean:
            readOk = read(in, flag);
            value.number = flag ? 1 : 0;
            break;
        }
        if (!readOk)
            return false;
    }
    applyLengthRules();
    return true;
}

CString CFieldCard::fieldText(int field) const
{
    switch (kind->fields[static_cast<std::size_t>(field)]) {
    case FieldType::Text:
        return text(field);
    case FieldType::Integer:
    case FieldType::Boolean:
        return FormatString("%d", number(field));
    case FieldType::ListIndex: {
        const int index = number(field);
        return index >= 0 && static_cast<std::size_t>(index) < kind->listTexts.size()
            ? CString(kind->listTexts[static_cast<std::size_t>(index)])
            : CString();
    }
    }
    return CString();
}

bool CFieldCard::exportText(COutputStream& out)
{
    if (!writeExportLine(out, "Card Name : ", name))
        return false;
    for (const ExportLine& line : kind->exportLines) {
        const CString label = line.captionField == kNoField ? CString(line.label) : text(line.captionField);
        if (!writeExportLine(out, label, fieldText(line.field)))
            return false;
    }
    return !kind->exportsNotes || writeExportLine(out, "Notes : ", notes);
}

bool CFieldCard::matches(const CString& text, bool includeHidden, bool caseSensitive) const
{
    if (occursIn(name, text, caseSensitive) || occursIn(notes, text, caseSensitive))
        return true;
    for (const bool hiddenPass : {false, true}) {
        if (hiddenPass && !includeHidden)
            break;
        for (const SearchField& searched : kind->searched) {
            if (searched.hidden != hiddenPass)
                continue;
            // A text field is searched in place, the others as the text they show.
            const bool found = fieldType(searched.field) == FieldType::Text ? occursIn(this->text(searched.field), text, caseSensitive)
                                                                             : occursIn(fieldText(searched.field), text, caseSensitive);
            if (found)
                return true;
        }
    }
    return false;
}

void CFieldCard::assign(const CString& newName, const CString& newNotes, std::initializer_list<CString> texts)
{
    setName(newName);
    notes = newNotes;
    auto next = texts.begin();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (kind->fields[i] == FieldType::Text && next != texts.end())
            values[i].text = *next++;
    }
    assert(next == texts.end());
    applyEditRules();
}

void CFieldCard::applyEditRules()
{
    applyLengthRules();
    const Enumeration& enumeration = kind->enumeration;
    if (enumeration.indexField != kNoField)
        setNumber(enumeration.indexField, enumerationIndex());
}

void CFieldCard::applyLengthRules()
{
    for (const LengthRule& rule : kind->lengthRules) {
        CString& value = values[static_cast<std::size_t>(rule.field)].text;
        const std::size_t kept = ansiCharsToBytes(value.view(), static_cast<std::size_t>(rule.maxChars));
        if (kept < value.view().size())
            value = CString(value.view().substr(0, kept));
    }
}

int CFieldCard::enumerationIndex() const
{
    const Enumeration& enumeration = kind->enumeration;
    const CString& value = text(enumeration.textField);
    for (std::size_t i = 0; i < enumeration.list.size(); ++i) {
        const bool equal = enumeration.ignoreCase ? value.CompareNoCase(enumeration.list[i]) == 0 : value == enumeration.list[i];
        if (equal)
            return static_cast<int>(i);
    }
    return -1;
}
