// The values of a card by name, as the dump writes them and as the import
// and the NAME=VALUE arguments of add-card and edit-card set them: the
// settings every card shares ("notes", "cardColor", ...) and the fields of
// its kind (CardFieldNames.h). A text is a JSON string, a number a JSON
// integer, a flag a JSON boolean; an absent picture or sound path is null.
#pragma once

#include "cards/FieldCard.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

class CCard;
class CFieldCard;

using Json = nlohmann::ordered_json;

// Every shared setting at the top level of `node`, the kind's fields in "fields".
void writeCardValues(const CFieldCard& card, Json& node);

// Sets the value called `name`. False, with `error` set, for a name the card
// does not have or a value of the wrong type. Neither the length rules nor
// the enumeration index are applied here.
bool setCardValue(CFieldCard& card, std::string_view name, const Json& value, std::string& error);

// The typed value that `text` stands for when given as NAME=VALUE: texts as
// they are; numbers in decimal or as 0x hexadecimal; flags as on/off,
// yes/no, true/false or 1/0; a list field (lens type, cylinders) as its list
// text or its position; an empty picture or sound path as absent.
bool parseCardValue(const CFieldCard& card, std::string_view name, const std::string& text, Json& value, std::string& error);

