// The fast paths between ASCII text and UTF-16 units, at every length around
// the block sizes and with the first unfit unit or byte at every position.
#include "model/AsciiUnits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::size_t kLongest = 40;

std::string asciiText(std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>(' ' + (i * 7) % 95);
    return text;
}

std::vector<unsigned char> unitsOf(const std::string& text)
{
    std::vector<unsigned char> units;
    for (const char c : text) {
        units.push_back(static_cast<unsigned char>(c));
        units.push_back(0);
    }
    return units;
}

} // namespace

TEST(AsciiUnits, AsciiTextsOfEveryLengthTurnIntoTheirUnitsAndBack)
{
    for (std::size_t length = 0; length <= kLongest; ++length) {
        const std::string text = asciiText(length);
        std::vector<unsigned char> units(2 * length + 2, 0xEE);
        ASSERT_TRUE(widenAsciiUnits(text.data(), length, units.data())) << length;
        EXPECT_EQ(std::vector<unsigned char>(units.begin(), units.begin() + static_cast<long>(2 * length)), unitsOf(text)) << length;
        EXPECT_EQ(units[2 * length], 0xEE) << "nothing is written past the text, length " << length;

        std::string back(length + 1, '#');
        ASSERT_TRUE(narrowAsciiUnits(units.data(), length, back.data())) << length;
        EXPECT_EQ(back, text + "#") << length;
    }
}

TEST(AsciiUnits, AnyUnitThatIsZeroOrNotAsciiStopsTheNarrowing)
{
    const unsigned char unfit[][2] = {{0x00, 0x00}, {0x80, 0x00}, {0xFF, 0x00}, {0x41, 0x01}, {0x00, 0x80}, {0xE9, 0x00}};
    for (std::size_t length = 1; length <= kLongest; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const auto& unit : unfit) {
                std::vector<unsigned char> units = unitsOf(asciiText(length));
                units[2 * at] = unit[0];
                units[2 * at + 1] = unit[1];
                std::string out(length, '\0');
                EXPECT_FALSE(narrowAsciiUnits(units.data(), length, out.data())) << length << " at " << at << " unit " << int(unit[1]) * 256 + unit[0];
            }
        }
    }
}

TEST(AsciiUnits, AnyByteOutsideAsciiStopsTheWidening)
{
    for (std::size_t length = 1; length <= kLongest; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const char byte : {'\x80', '\xC3', '\xFF'}) {
                std::string text = asciiText(length);
                text[at] = byte;
                std::vector<unsigned char> units(2 * length);
                EXPECT_FALSE(widenAsciiUnits(text.data(), length, units.data())) << length << " at " << at;
            }
        }
    }
}
