// Passwords and passphrases from the system's cryptographic random source
// (libsodium's randombytes), with their strength in bits.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PasswordRules {
    int length = 20;
    // The character classes to draw from; none chosen means all four.
    bool digits = false;
    bool lower = false;
    bool upper = false;
    bool symbols = false;
    // Leaves out characters that are easily taken for others (0 O o I l 1 | and quotes).
    bool noLookalikes = false;
};

inline constexpr int kMaxPasswordLength = 1024;
inline constexpr int kMaxPassphraseWords = 64;

// The characters of each class the rules draw from, in class order.
std::vector<std::string> passwordClasses(const PasswordRules& rules);

// A password of the rules' length holding at least one character of every
// chosen class; nothing when the length is below the number of classes or
// above kMaxPasswordLength.
std::optional<std::string> generatePassword(const PasswordRules& rules);

// The strength of a password made by these rules, in bits: the base-2
// logarithm of how many passwords they allow (each class at least once).
double passwordBits(const PasswordRules& rules);

// `words` words of the passphrase list with a blank between them; nothing beyond kMaxPassphraseWords.
std::optional<std::string> generatePassphrase(int words);
double passphraseBits(int words);

// The strength of a password someone typed, in bits: its length times the
// base-2 logarithm of the classes of characters it uses (digits 10, each
// case of letters 26, ASCII signs 33, anything else 100 more). An estimate of
// what guessing would cost if it were random; typed words are weaker.
double typedPasswordBits(std::string_view password);
