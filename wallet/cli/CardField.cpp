#include "CardField.h"

#include "NodePath.h"
#include "WalletJson.h"
#include "model/Card.h"

namespace {

// The card's values by name: the kind's fields first, then the shared
// settings (everything of the dump's object that is no object itself).
template <class Visit>
void forEachValue(const Json& card, Visit visit)
{
    for (const auto& [name, value] : card["fields"].items())
        visit(name, value);
    for (const auto& [name, value] : card.items()) {
        if (!value.is_object())
            visit(name, value);
    }
}

std::string valueText(const Json& value)
{
    if (value.is_string())
        return value.get<std::string>();
    return value.is_null() ? std::string() : value.dump();
}

} // namespace

std::optional<std::string> cardFieldText(const CCard& card, std::string_view name)
{
    std::optional<std::string> found;
    forEachValue(nodeToJson(card), [&](const std::string& key, const Json& value) {
        if (!found && key == name)
            found = valueText(value);
    });
    return found;
}

std::string unknownFieldMessage(const CCard& card, std::string_view name)
{
    std::string names;
    forEachValue(nodeToJson(card), [&](const std::string& key, const Json&) { names += (names.empty() ? "" : ", ") + key; });
    return "The card \"" + nodePath(card) + "\" has no field \"" + std::string(name) + "\". Its fields: " + names + ".";
}
