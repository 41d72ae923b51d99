// Invented but realistic values for cards: names, numbers, dates, addresses
// and notes of the lengths people type, from a seeded generator, so the same
// seed always gives the same wallet. With long texts the notes run to a
// paragraph and the free texts of the fields to a sentence, half of
// them in plain ASCII and half with accented words and signs among them.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

class SampleText {
public:
    enum class Lengths { Everyday, Long };

    explicit SampleText(std::uint32_t seed, Lengths lengths = Lengths::Everyday) : random(seed), lengths(lengths) {}
    void setLengths(Lengths chosen) { lengths = chosen; }

    // A value for a text field, chosen by the field's name ("email",
    // "telephone", "cardNumber", "expiresOn", ...).
    std::string field(std::string_view fieldName);
    // A card's name: a word or two and a number, as people label cards.
    std::string cardName();
    std::string categoryName();
    // Everyday: empty for about half the cards, else one to three sentences.
    // Long: five to ten sentences for every card.
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
    std::string sentences(int low, int high, int lowWords, int highWords);
    // A free text: a few words, or with long texts a sentence.
    std::string freeText();

    std::mt19937 random;
    Lengths lengths;
    // While a long text is made: whether its words may be accented ones.
    bool accented = false;
};
