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

std::string SampleText::word() { return pick(random, kWords); }

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
    return words(1, 3);
}

std::string SampleText::cardName() { return capitalised() + " " + word() + " " + digits(number(2, 4)); }

std::string SampleText::categoryName() { return capitalised() + " " + capitalised(); }

std::string SampleText::notes()
{
    if (number(0, 1) == 0)
        return std::string();
    std::string text;
    for (int sentence = number(1, 3); sentence > 0; --sentence) {
        std::string line = words(4, 12);
        line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
        text += (text.empty() ? "" : " ") + line + ".";
    }
    return text;
}
