#include "SecretFields.h"

#include <algorithm>

namespace {

struct SecretField {
    int typeId;
    const char* field;
    bool pin;
    // The length of a generated PIN when the editor sets no limit.
    int pinLength = 0;
};

constexpr SecretField kSecretFields[] = {
    {0, "pin", true, 4},          // Bank Account
    {2, "pin", true, 4},          // Calling Card
    {5, "combination", true, 6},  // Combination Lock
    {7, "pin", true, 6},          // Credit Card
    {19, "password", false},      // Password
    {24, "password", true, 4},    // Voice Mail Info: the mailbox's PIN
    {26, "password", false},      // Web Site
};

} // namespace

std::optional<PasswordRules> generatorRulesFor(int typeId, std::string_view fieldName, int limit)
{
    for (const SecretField& secret : kSecretFields) {
        if (secret.typeId != typeId || fieldName != secret.field)
            continue;
        PasswordRules rules;
        if (secret.pin) {
            rules.digits = true;
            rules.length = limit > 0 ? std::min(limit, secret.pinLength) : secret.pinLength;
        } else {
            rules.length = limit > 0 ? std::min(limit, rules.length) : rules.length;
        }
        return rules;
    }
    return std::nullopt;
}
