#include "PasswordGenerator.h"

#include "PassphraseWords.h"

#include <sodium.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kSymbols = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
constexpr std::string_view kLookalikes = "0OoIl1|`'\"";

std::uint32_t randomBelow(std::size_t bound)
{
    static const bool ready = sodium_init() >= 0;
    (void)ready;
    return randombytes_uniform(static_cast<std::uint32_t>(bound));
}

} // namespace

std::vector<std::string> passwordClasses(const PasswordRules& rules)
{
    const bool any = rules.digits || rules.lower || rules.upper || rules.symbols;
    std::vector<std::string> classes;
    const std::pair<bool, std::string_view> all[] = {
        {rules.digits, kDigits}, {rules.lower, kLower}, {rules.upper, kUpper}, {rules.symbols, kSymbols}};
    for (const auto& [chosen, characters] : all) {
        if (any && !chosen)
            continue;
        std::string kept;
        for (const char c : characters) {
            if (!rules.noLookalikes || kLookalikes.find(c) == std::string_view::npos)
                kept += c;
        }
        classes.push_back(std::move(kept));
    }
    return classes;
}

std::optional<std::string> generatePassword(const PasswordRules& rules)
{
    const std::vector<std::string> classes = passwordClasses(rules);
    if (rules.length < static_cast<int>(classes.size()) || rules.length > kMaxPasswordLength)
        return std::nullopt;
    std::string alphabet;
    for (const std::string& characters : classes)
        alphabet += characters;
    // Drawn whole and drawn again until every class is in it, so that each
    // allowed password is equally likely.
    for (;;) {
        std::string password;
        for (int i = 0; i < rules.length; ++i)
            password += alphabet[randomBelow(alphabet.size())];
        const bool everyClass = std::all_of(classes.begin(), classes.end(), [&](const std::string& characters) {
            return password.find_first_of(characters) != std::string::npos;
        });
        if (everyClass)
            return password;
        sodium_memzero(password.data(), password.size());
    }
}

double passwordBits(const PasswordRules& rules)
{
    const std::vector<std::string> classes = passwordClasses(rules);
    std::size_t total = 0;
    for (const std::string& characters : classes)
        total += characters.size();
    if (rules.length < static_cast<int>(classes.size()) || total == 0)
        return 0;
    // Inclusion and exclusion over the classes left out: the share of all
    // strings of the alphabet that hold every class.
    double share = 0;
    const std::size_t subsets = std::size_t{1} << classes.size();
    for (std::size_t mask = 0; mask < subsets; ++mask) {
        std::size_t missing = 0;
        int count = 0;
        for (std::size_t c = 0; c < classes.size(); ++c) {
            if (mask & (std::size_t{1} << c)) {
                missing += classes[c].size();
                ++count;
            }
        }
        const double term = std::pow(1.0 - static_cast<double>(missing) / static_cast<double>(total), rules.length);
        share += count % 2 ? -term : term;
    }
    return rules.length * std::log2(static_cast<double>(total)) + std::log2(share);
}

std::optional<std::string> generatePassphrase(int words)
{
    const std::vector<std::string_view>& list = passphraseWords();
    if (words < 1 || words > kMaxPassphraseWords || list.empty())
        return std::nullopt;
    std::string phrase;
    for (int i = 0; i < words; ++i)
        phrase += (i ? " " : "") + std::string(list[randomBelow(list.size())]);
    return phrase;
}

double passphraseBits(int words) { return words * std::log2(static_cast<double>(passphraseWords().size())); }

double typedPasswordBits(std::string_view password)
{
    bool digit = false, lower = false, upper = false, sign = false, other = false;
    std::size_t characters = 0;
    for (const char c : password) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte of a character already counted
        ++characters;
        digit = digit || kDigits.find(c) != std::string_view::npos;
        lower = lower || kLower.find(c) != std::string_view::npos;
        upper = upper || kUpper.find(c) != std::string_view::npos;
        sign = sign || (byte < 0x80 && (kSymbols.find(c) != std::string_view::npos || c == ' '));
        other = other || byte >= 0x80;
    }
    const int pool = (digit ? 10 : 0) + (lower ? 26 : 0) + (upper ? 26 : 0) + (sign ? 33 : 0) + (other ? 100 : 0);
    return pool ? static_cast<double>(characters) * std::log2(pool) : 0;
}
