// One value of a card by the name the dump gives it: a field of its kind
// ("pin", "cardNumber") or a setting every card shares ("notes"), as the
// tool's --field and clip hand it to scripts and the clipboard.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CCard;

// The value as text: a text as it is (UTF-8), a number in decimal, a flag as
// "true" or "false", an absent picture or sound path as the empty text.
// Nothing when the card has no value of that name.
std::optional<std::string> cardFieldText(const CCard& card, std::string_view name);

// The message for a name the card does not have, listing the names it has.
std::string unknownFieldMessage(const CCard& card, std::string_view name);
