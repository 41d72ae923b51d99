#include "SampleText.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace {

constexpr std::array kWords = {
    "account", "amber", "apple", "archive", "autumn", "balance", "bank", "basket", "beacon", "birch", "blue", "branch",
    "bridge", "canal", "castle", "cedar", "central", "chapel", "cherry", "clinic", "cloud", "coast", "copper", "corner",
    "cottage", "credit", "crown", "daily", "delta", "desert", "dove", "eagle", "east", "elm", "emerald", "family",
    "field", "forest", "fox", "garden", "gate", "glade", "gold", "granite", "green", "grove", "harbour", "hazel",
    "heath", "hill", "holiday", "home", "island", "ivy", "jade", "juniper", "lake", "lantern", "laurel", "lily",
    "linden", "maple", "market", "meadow", "mill", "mint", "moss", "mountain", "north", "oak", "office", "olive",
    "orchard", "park", "pearl", "pine", "plaza", "poplar", "quarry", "rain", "raven", "reed", "ridge", "river",
    "robin", "rose", "royal", "sage", "savings", "school", "shore", "silver", "south", "spring", "square", "station",
    "stone", "summer", "swan", "tower", "travel", "union", "valley", "velvet", "village", "violet", "west", "willow",
    "winter", "work",
};
// Words outside ASCII that the long texts mix in: Latin-1 letters, a few
// beyond it and the signs people type (euro, dashes, quotes).
constexpr std::array kAccentedWords = {
    "caf\xC3\xA9", "Gr\xC3\xBC\xC3\x9F" "e", "na\xC3\xAFve", "Stra\xC3\x9F" "e", "\xC3\x98resund", "\xC3\x86r\xC3\xB8",
    "cr\xC3\xA8me", "fa\xC3\xA7" "ade", "Z\xC3\xBCrich", "M\xC3\xA1laga", "Krak\xC3\xB3w", "sm\xC3\xB6rg\xC3\xA5sbord",
    "12\xE2\x82\xAC", "\xE2\x80\x94", "\xE2\x80\x9Equote\xE2\x80\x9C", "\xC5\x93uvre", "\xC5\x81\xC3\xB3\xC5\xBA",
    "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
};
// One word in so many of a text with accented words is one of them.
constexpr int kAccentedOneIn = 5;

constexpr std::array kFirstNames = {"Anna", "Ben", "Carla", "David", "Elena", "Frank", "Grace", "Henrik", "Ines", "Jonas",
                                    "Katrin", "Luis", "Maria", "Nils", "Olga", "Peter", "Rosa", "Stefan", "Tanja", "Victor"};
constexpr std::array kLastNames = {"Andersson", "Becker", "Costa", "Dubois", "Eriksen", "Fischer", "Garcia", "Hoffmann",
                                   "Ivanova", "Jansen", "Keller", "Lambert", "Moreau", "Novak", "Olsen", "Peters",
                                   "Rossi", "Schneider", "Thompson", "Weber"};

bool contains(std::string_view name, std::string_view part)
{
    if (part.size() > name.size())
        return false;
    for (std::size_t i = 0; i + part.size() <= name.size(); ++i) {
        bool equal = true;
        for (std::size_t k = 0; k < part.size() && equal; ++k)
            equal = std::tolower(static_cast<unsigned char>(name[i + k])) == part[k];
        if (equal)
            return true;
    }
    return false;
}

template <class List>
const char* pick(std::mt19937& random, const List& list)
{
    return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)];
}

} // namespace

int SampleText::number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

std::string SampleText::word()
{
    if (accented && number(1, kAccentedOneIn) == 1)
        return pick(random, kAccentedWords);
    return pick(random, kWords);
}

std::string SampleText::capitalised()
{
    std::string text = word();
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string SampleText::personName() { return std::string(pick(random, kFirstNames)) + " " + pick(random, kLastNames); }

std::string SampleText::digits(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += static_cast<char>('0' + number(0, 9));
    return text;
}

std::string SampleText::date()
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", number(1, 28), number(1, 12), number(1950, 2035));
    return text;
}

std::string SampleText::telephone() { return "+" + digits(2) + " " + digits(3) + " " + digits(3) + " " + digits(4); }

std::string SampleText::words(int low, int high)
{
    std::string text;
    for (int i = number(low, high); i > 0; --i)
        text += (text.empty() ? "" : " ") + word();
    return text;
}

std::string SampleText::field(std::string_view name)
{
    if (contains(name, "email"))
        return std::string(pick(random, kFirstNames)) + "." + pick(random, kLastNames) + "@" + word() + "-mail.example";
    if (contains(name, "url"))
        return "https://www." + word() + "-" + word() + ".example/account/login";
    if (contains(name, "phone") || contains(name, "fax") || contains(name, "accessnumber") || contains(name, "lostcard") ||
        contains(name, "ambulance") || contains(name, "fire") || contains(name, "police") || contains(name, "poison"))
        return telephone();
    if (contains(name, "date") || contains(name, "expir") || contains(name, "birthday") || contains(name, "issued") ||
        contains(name, "expires"))
        return date();
    if (contains(name, "password") || contains(name, "combination"))
        return capitalised() + digits(number(2, 4)) + "!" + word();
    if (contains(name, "pin") || contains(name, "ssn") || contains(name, "code") || contains(name, "swift"))
        return digits(number(4, 11));
    if (contains(name, "number") || contains(name, "serial") || contains(name, "passport") || contains(name, "policy") ||
        contains(name, "licen") || contains(name, "id"))
        return digits(number(8, 19));
    if (contains(name, "name") || contains(name, "person") || contains(name, "holder") || contains(name, "doctor") ||
        contains(name, "surname"))
        return personName();
    if (contains(name, "address") || contains(name, "location"))
        return std::to_string(number(1, 250)) + " " + capitalised() + " " + capitalised() + " Street";
    return freeText();
}

std::string SampleText::sentences(int low, int high, int lowWords, int highWords)
{
    accented = lengths == Lengths::Long && number(0, 1) == 1;
    std::string text;
    for (int sentence = number(low, high); sentence > 0; --sentence) {
        std::string line = words(lowWords, highWords);
        line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
        text += (text.empty() ? "" : " ") + line + ".";
    }
    accented = false;
    return text;
}

std::string SampleText::freeText() { return lengths == Lengths::Long ? sentences(1, 1, 8, 20) : words(1, 3); }

std::string SampleText::cardName() { return capitalised() + " " + word() + " " + digits(number(2, 4)); }

std::string SampleText::categoryName() { return capitalised() + " " + capitalised(); }

std::string SampleText::notes()
{
    if (lengths == Lengths::Long)
        return sentences(5, 10, 6, 14);
    return number(0, 1) == 0 ? std::string() : sentences(1, 3, 4, 12);
}
