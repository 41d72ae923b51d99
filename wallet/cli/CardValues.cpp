#include "CardValues.h"

#include "TerminalText.h"
#include "cards/CardFieldNames.h"
#include "cards/CardTypeTable.h"
#include "cards/FieldCard.h"
#include "model/NodeTreeState.h"
#include "images/IconIndex.h"

#include <charconv>
#include <optional>

namespace {

enum class ValueType { Text, Number, Flag, OptionalText };

// One setting every card shares.
struct SharedSetting {
    const char* name;
    ValueType type;
    Json (*get)(const CFieldCard&);
    void (*set)(CFieldCard&, const Json&);
};

Json textJson(const CString& text) { return toTerminal(text); }
CString jsonText(const Json& value) { return fromTerminal(value.get<std::string>()); }
Json optionalJson(const std::optional<CString>& text) { return text ? textJson(*text) : Json(nullptr); }
std::optional<CString> jsonOptional(const Json& value)
{
    return value.is_null() ? std::nullopt : std::optional<CString>(jsonText(value));
}

const SharedSetting kShared[] = {
    {"name", ValueType::Text, [](const CFieldCard& c) { return textJson(c.getName()); },
     [](CFieldCard& c, const Json& v) { c.setName(jsonText(v)); }},
    {"notes", ValueType::Text, [](const CFieldCard& c) { return textJson(c.getNotes()); },
     [](CFieldCard& c, const Json& v) { c.getNotes() = jsonText(v); }},
    {"icon", ValueType::Text, [](const CFieldCard& c) { return textJson(NodeTreeState::iconIndex().iconName(c.getIconIndex())); },
     [](CFieldCard& c, const Json& v) { c.setIconIndex(NodeTreeState::iconIndex().imageIndex(jsonText(v), true)); }},
    {"cardColor", ValueType::Number, [](const CFieldCard& c) { return Json(c.getCardColor()); },
     [](CFieldCard& c, const Json& v) { c.setCardColor(v.get<COLORREF>()); }},
    {"textColor", ValueType::Number, [](const CFieldCard& c) { return Json(c.getTextColor()); },
     [](CFieldCard& c, const Json& v) { c.setTextColor(v.get<COLORREF>()); }},
    {"hiddenMode", ValueType::Number, [](const CFieldCard& c) { return Json(c.getHiddenMode()); },
     [](CFieldCard& c, const Json& v) { c.setHiddenMode(v.get<int>()); }},
    {"cornerSetting", ValueType::Number, [](const CFieldCard& c) { return Json(c.getCornerSetting()); },
     [](CFieldCard& c, const Json& v) { c.setCornerSetting(v.get<int>()); }},
    {"picturePlacement", ValueType::Number, [](const CFieldCard& c) { return Json(c.getPicturePlacement()); },
     [](CFieldCard& c, const Json& v) { c.setPicturePlacement(v.get<int>()); }},
    {"playOnOpen", ValueType::Flag, [](const CFieldCard& c) { return Json(c.getPlayOnOpen()); },
     [](CFieldCard& c, const Json& v) { c.setPlayOnOpen(v.get<bool>()); }},
    {"border", ValueType::Flag, [](const CFieldCard& c) { return Json(c.getBorder()); },
     [](CFieldCard& c, const Json& v) { c.setBorder(v.get<bool>()); }},
    {"showIcon", ValueType::Flag, [](const CFieldCard& c) { return Json(c.getShowIcon()); },
     [](CFieldCard& c, const Json& v) { c.setShowIcon(v.get<bool>()); }},
    {"reservedFlag", ValueType::Flag, [](const CFieldCard& c) { return Json(c.getReservedFlag()); },
     [](CFieldCard& c, const Json& v) { c.setReservedFlag(v.get<bool>()); }},
    {"picturePath", ValueType::OptionalText, [](const CFieldCard& c) { return optionalJson(c.getPicturePath()); },
     [](CFieldCard& c, const Json& v) { c.setPicturePath(jsonOptional(v)); }},
    {"soundPath", ValueType::OptionalText, [](const CFieldCard& c) { return optionalJson(c.getSoundPath()); },
     [](CFieldCard& c, const Json& v) { c.setSoundPath(jsonOptional(v)); }},
};

const SharedSetting* findShared(std::string_view name)
{
    for (const SharedSetting& setting : kShared) {
        if (name == setting.name)
            return &setting;
    }
    return nullptr;
}

ValueType kindValueType(FieldType type)
{
    switch (type) {
    case FieldType::Text:
        return ValueType::Text;
    case FieldType::Boolean:
        return ValueType::Flag;
    case FieldType::Integer:
    case FieldType::ListIndex:
        break;
    }
    return ValueType::Number;
}

bool hasType(const Json& value, ValueType type)
{
    switch (type) {
    case ValueType::Text:
        return value.is_string();
    case ValueType::OptionalText:
        return value.is_string() || value.is_null();
    case ValueType::Flag:
        return value.is_boolean();
    case ValueType::Number:
        break;
    }
    return value.is_number_integer() && value.get<std::int64_t>() >= INT32_MIN && value.get<std::int64_t>() <= UINT32_MAX;
}

const char* typeName(ValueType type)
{
    switch (type) {
    case ValueType::Text:
        return "a text";
    case ValueType::OptionalText:
        return "a text or null";
    case ValueType::Flag:
        return "true or false";
    case ValueType::Number:
        break;
    }
    return "a whole number of at most 32 bits";
}

std::optional<std::int64_t> parseNumber(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    std::int64_t number = 0;
    const auto [stop, failure] = std::from_chars(begin, end, number, hex ? 16 : 10);
    if (failure != std::errc() || stop != end || begin == end)
        return std::nullopt;
    return number;
}

std::optional<bool> parseFlag(const std::string& text)
{
    for (const char* yes : {"on", "yes", "true", "1"}) {
        if (text == yes)
            return true;
    }
    for (const char* no : {"off", "no", "false", "0"}) {
        if (text == no)
            return false;
    }
    return std::nullopt;
}

std::string unknownName(const CFieldCard& card, std::string_view name)
{
    std::string error = "A " + std::string(cardTypeRow(card.getTypeId()).displayName) + " card has no value \"" + std::string(name) + "\"; it has:";
    for (const SharedSetting& setting : kShared)
        error += std::string(" ") + setting.name;
    for (const char* field : kindFieldNames(card.getTypeId()))
        error += std::string(" ") + field;
    return error;
}

} // namespace


void writeCardValues(const CFieldCard& card, Json& node)
{
    for (const SharedSetting& setting : kShared)
        node[setting.name] = setting.get(card);
    Json fields = Json::object();
    const auto names = kindFieldNames(card.getTypeId());
    for (int i = 0; i < card.fieldCount(); ++i) {
        const char* name = names[static_cast<std::size_t>(i)];
        switch (card.fieldType(i)) {
        case FieldType::Text:
            fields[name] = textJson(card.text(i));
            break;
        case FieldType::Boolean:
            fields[name] = card.number(i) != 0;
            break;
        case FieldType::Integer:
        case FieldType::ListIndex:
            fields[name] = card.number(i);
            break;
        }
    }
    node["fields"] = std::move(fields);
}

bool setCardValue(CFieldCard& card, std::string_view name, const Json& value, std::string& error)
{
    const SharedSetting* shared = findShared(name);
    const int field = shared ? -1 : kindFieldIndex(card.getTypeId(), name);
    if (!shared && field < 0) {
        error = unknownName(card, name);
        return false;
    }
    const ValueType type = shared ? shared->type : kindValueType(card.fieldType(field));
    if (!hasType(value, type)) {
        error = "\"" + std::string(name) + "\" takes " + typeName(type) + ".";
        return false;
    }
    if (shared)
        shared->set(card, value);
    else if (type == ValueType::Text)
        card.setText(field, jsonText(value));
    else if (type == ValueType::Flag)
        card.setNumber(field, value.get<bool>() ? 1 : 0);
    else
        card.setNumber(field, static_cast<int>(value.get<std::int64_t>()));
    return true;
}

bool parseCardValue(const CFieldCard& card, std::string_view name, const std::string& text, Json& value, std::string& error)
{
    const SharedSetting* shared = findShared(name);
    const int field = shared ? -1 : kindFieldIndex(card.getTypeId(), name);
    if (!shared && field < 0) {
        error = unknownName(card, name);
        return false;
    }
    const ValueType type = shared ? shared->type : kindValueType(card.fieldType(field));
    if (type == ValueType::Text) {
        value = text;
        return true;
    }
    if (type == ValueType::OptionalText) {
        value = text.empty() ? Json(nullptr) : Json(text);
        return true;
    }
    if (type == ValueType::Flag) {
        const std::optional<bool> flag = parseFlag(text);
        if (flag)
            value = *flag;
        else
            error = "\"" + std::string(name) + "\" takes on or off, not \"" + text + "\".";
        return flag.has_value();
    }
    if (field >= 0 && card.fieldType(field) == FieldType::ListIndex) {
        const auto& list = card.getKind().listTexts;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (text == list[i] && !text.empty()) {
                value = static_cast<int>(i);
                return true;
            }
        }
    }
    const std::optional<std::int64_t> number = parseNumber(text);
    if (number && hasType(Json(*number), type)) {
        value = *number;
        return true;
    }
    error = "\"" + std::string(name) + "\" takes a whole number, not \"" + text + "\".";
    return false;
}
