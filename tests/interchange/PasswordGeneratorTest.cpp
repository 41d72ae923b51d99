// The generator: lengths, classes, look-alikes, the strength in bits, and
// that its passwords do not repeat and use every allowed character.
#include "passwords/PassphraseWords.h"
#include "passwords/PasswordGenerator.h"
#include "passwords/SecretFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

PasswordRules rules(int length, bool digits, bool lower, bool upper, bool symbols, bool noLookalikes = false)
{
    return {length, digits, lower, upper, symbols, noLookalikes};
}

} // namespace

TEST(PasswordGenerator, LengthsAndClasses)
{
    struct Case {
        const char* name;
        PasswordRules rules;
        std::string allowed;
    };
    const Case cases[] = {
        {"digits", rules(4, true, false, false, false), "0123456789"},
        {"lower and upper", rules(12, false, true, true, false), "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"symbols", rules(30, false, false, false, true), "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"},
        {"none named: all four", rules(64, false, false, false, false),
         "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"},
        {"no look-alikes", rules(40, true, true, true, true, true),
         "23456789abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ!#$%&()*+,-./:;<=>?@[\\]^_{}~"},
        {"longest", rules(kMaxPasswordLength, true, false, false, false), "0123456789"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int run = 0; run < 50; ++run) {
            const std::optional<std::string> password = generatePassword(c.rules);
            ASSERT_TRUE(password);
            EXPECT_EQ(password->size(), static_cast<std::size_t>(c.rules.length));
            EXPECT_EQ(password->find_first_not_of(c.allowed), std::string::npos) << *password;
            for (const std::string& characters : passwordClasses(c.rules))
                EXPECT_NE(password->find_first_of(characters), std::string::npos) << "a class is missing from " << *password;
        }
    }
    EXPECT_FALSE(generatePassword(rules(3, true, true, true, true)));
    EXPECT_FALSE(generatePassword(rules(kMaxPasswordLength + 1, true, false, false, false)));
}

TEST(PasswordGenerator, StrengthInBits)
{
    struct Case {
        const char* name;
        PasswordRules rules;
        double bits;
    };
    const Case cases[] = {
        {"4 digits: 10^4", rules(4, true, false, false, false), std::log2(1e4)},
        {"2 letters of both cases: 52^2 - 2 * 26^2", rules(2, false, true, true, false), std::log2(52.0 * 52 - 2 * 26 * 26)},
        {"20 of all 94, each class once at least", rules(20, false, false, false, false), 130.93},
        {"no look-alikes leave 84 characters", rules(16, true, true, true, true, true), 101.93},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(passwordBits(c.rules), c.bits, 0.01);
    }
    EXPECT_NEAR(passphraseBits(5), 5 * std::log2(7776.0), 1e-9);
    EXPECT_NEAR(typedPasswordBits("abc"), 3 * std::log2(26.0), 1e-9);
    EXPECT_NEAR(typedPasswordBits("aB3!"), 4 * std::log2(95.0), 1e-9);
    EXPECT_NEAR(typedPasswordBits("Grüße"), 5 * std::log2(152.0), 1e-9);
    EXPECT_EQ(typedPasswordBits(""), 0);
}

TEST(PasswordGenerator, TenThousandWithoutRepeatsAndEveryCharacter)
{
    const PasswordRules all = rules(16, true, true, true, true, true);
    std::set<std::string> seen;
    std::set<char> used;
    for (int i = 0; i < 10000; ++i) {
        const std::string password = generatePassword(all).value();
        EXPECT_TRUE(seen.insert(password).second) << "repeated: " << password;
        used.insert(password.begin(), password.end());
    }
    std::string allowed;
    for (const std::string& characters : passwordClasses(all))
        allowed += characters;
    EXPECT_EQ(used, std::set<char>(allowed.begin(), allowed.end()));
}

TEST(PasswordGenerator, PassphrasesFromTheWordList)
{
    const auto& words = passphraseWords();
    ASSERT_EQ(words.size(), 7776u);
    EXPECT_EQ(words.front(), "abacus");
    EXPECT_EQ(words.back(), "zoom");
    const std::set<std::string_view> list(words.begin(), words.end());
    for (const int count : {1, 6, kMaxPassphraseWords}) {
        const std::string phrase = generatePassphrase(count).value();
        std::size_t parts = 0;
        for (std::size_t start = 0; start <= phrase.size(); ++parts) {
            const std::size_t blank = std::min(phrase.find(' ', start), phrase.size());
            EXPECT_TRUE(list.count(std::string_view(phrase).substr(start, blank - start))) << phrase;
            start = blank + 1;
        }
        EXPECT_EQ(parts, static_cast<std::size_t>(count));
    }
    EXPECT_FALSE(generatePassphrase(0));
    EXPECT_FALSE(generatePassphrase(kMaxPassphraseWords + 1));
}

TEST(PasswordGenerator, RulesOfTheFieldsThatHoldSecrets)
{
    struct Case {
        int typeId;
        const char* field;
        int limit;
        std::optional<std::pair<int, bool>> lengthAndDigitsOnly;
    };
    const Case cases[] = {
        {0, "pin", 4, std::pair{4, true}},           // bank PIN: 4 digits
        {7, "pin", 6, std::pair{6, true}},           // credit-card PIN: up to 6
        {7, "pin", 0, std::pair{6, true}},
        {2, "pin", 4, std::pair{4, true}},           // calling card, as its editor takes it
        {19, "password", 30, std::pair{20, false}},  // a password: the default length within the limit
        {19, "password", 12, std::pair{12, false}},
        {26, "password", 0, std::pair{20, false}},
        {26, "username", 0, std::nullopt},
        {7, "cardNumber", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.typeId) + " " + c.field);
        const std::optional<PasswordRules> rules = generatorRulesFor(c.typeId, c.field, c.limit);
        ASSERT_EQ(rules.has_value(), c.lengthAndDigitsOnly.has_value());
        if (!rules)
            continue;
        const std::string secret = generatePassword(*rules).value();
        EXPECT_EQ(secret.size(), static_cast<std::size_t>(c.lengthAndDigitsOnly->first));
        EXPECT_EQ(secret.find_first_not_of("0123456789") == std::string::npos, c.lengthAndDigitsOnly->second) << secret;
    }
}
