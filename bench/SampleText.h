// Invented but realistic values for cards: names, numbers, dates, addresses
// and notes of the lengths people type, from a seeded generator, so the same
// seed always gives the same wallet.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

class SampleText {
public:
    explicit SampleText(std::uint32_t seed) : random(seed) {}

    // A value for a text field, chosen by the field's name ("email",
    // "telephone", "cardNumber", "expiresOn", ...).
    std::string field(std::string_view fieldName);
    // A card's name: a word or two and a number, as people label cards.
    std::string cardName();
    std::string categoryName();
    // Empty for about half the cards, else one to three sentences.
    std::string notes();
    // A whole number in [low, high].
    int number(int low, int high);

    // The word every search of the benchmark looks for; it is one word of
    // the word list, so about one card in a few hundred holds it.
    static constexpr const char* kSearchedWord = "harbour";

private:
    std::string word();
    std::string capitalised();
    std::string personName();
    std::string digits(int count);
    std::string date();
    std::string telephone();
    std::string words(int low, int high);

    std::mt19937 random;
};
