// The card fields that hold a password or a PIN, and what the generator
// makes for each: a PIN gets digits as long as its field takes (a bank PIN
// 4, a credit-card PIN up to 6), a password every class of character, as
// long as the field allows up to the generator's default.
#pragma once

#include "PasswordGenerator.h"

#include <optional>
#include <string_view>

// What to generate for the field `fieldName` (the card classes' name) of
// kind `typeId`, whose editor takes at most `limit` characters (0: no
// limit); nothing for a field that holds no secret.
std::optional<PasswordRules> generatorRulesFor(int typeId, std::string_view fieldName, int limit);
