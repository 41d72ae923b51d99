#include "platform/CodePage.h"
#include "support/CodePageScope.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <wctype.h>

#include <string>
#include <vector>

namespace {

TEST(CodePage, Windows1252TextRoundTripsThroughUtf16)
{
    CodePageScope cp(CP_WINDOWS_1252);
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::u16string wide = ansiToWide(all);
    EXPECT_EQ(wide[0x80 - 1], u'\u20AC'); // euro sign
    EXPECT_EQ(wide[0x9F - 1], u'\u0178');
    EXPECT_EQ(wide[0xE9 - 1], u'\u00E9');
    EXPECT_EQ(wideToAnsi(wide), all);
}

TEST(CodePage, Utf8TextOutsideLatin1RoundTripsThroughUtf16)
{
    CodePageScope cp(CP_UTF8);
    const std::string text = "Kon\xC3\xA9 \xD0\x96 \xE2\x82\xAC \xF0\x9F\x94\x91"; // e-acute, Zhe, euro, key (outside the BMP)
    const std::u16string wide = ansiToWide(text);
    EXPECT_EQ(wide, u"Kon\u00E9 \u0416 \u20AC \U0001F511");
    EXPECT_EQ(wideToAnsi(wide), text);
}

TEST(CodePage, InvalidUtf8BytesAreReadAsWindows1252)
{
    CodePageScope cp(CP_UTF8);
    const struct {
        std::string bytes;
        std::u16string wide;
    } cases[] = {
        {"caf\xE9", u"caf\u00E9"},                  // a lone Latin-1 byte
        {"\x80 5", u"\u20AC 5"},                    // a 1252 euro sign
        {"\xC3", u"\u00C3"},                        // a lead byte at the end
        {"\xC0\xAF", u"\u00C0\u00AF"},              // an overlong form
        {"\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},    // an encoded surrogate
        {"ok \xC3\xA9", u"ok \u00E9"},              // valid UTF-8 stays as it is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ansiToWide(c.bytes), c.wide) << c.bytes;
        EXPECT_EQ(ansiFromLegacyBytes(c.bytes), wideToAnsi(c.wide)) << c.bytes;
    }
}

TEST(CodePage, Utf8ConversionIgnoresTheProcessCodePage)
{
    CodePageScope cp(CP_WINDOWS_1252);
    EXPECT_EQ(utf8ToWide("\xE2\x82\xAC\xF0\x9F\x94\x91"), u"\u20AC\U0001F511");
    EXPECT_EQ(utf8ToWide("a\xE9" "b"), u"a\uFFFDb"); // malformed: replaced, not read as 1252
    EXPECT_EQ(wideToUtf8(u"\u20AC\U0001F511"), "\xE2\x82\xAC\xF0\x9F\x94\x91");
}

std::vector<unsigned char> littleEndianUnits(std::u16string_view wide)
{
    std::vector<unsigned char> units;
    for (const char16_t unit : wide) {
        units.push_back(static_cast<unsigned char>(unit & 0xFF));
        units.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return units;
}

std::u16string unitsOfAnsi(const std::string& ansi)
{
    std::vector<unsigned char> units(2 * ansi.size());
    std::u16string wide(ansiToUnits(ansi, units.data()), u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(units[2 * i] | units[2 * i + 1] << 8);
    return wide;
}

// The straight conversions between little-endian units and the code page
// give what the conversions through a wide string give.
TEST(CodePage, UnitsConvertAsTheWideStringsDo)
{
    using namespace std::string_literals;
    const std::u16string texts[] = {
        u""s, u"plain ASCII longer than a block of units"s, u"caf\u00E9 cr\u00E8me \u20AC 12"s,
        u"\u0152uvre \u2026 \u017D"s, u"key \U0001F511 end"s, u"lone \xD800 surrogate \xDC00"s, u"\u0416\u0443\u043A"s,
        u"\x0081\x008D control"s, u"abc\0after the zero unit"s, u"abcd\0after a block"s,
    };
    for (const UINT page : {CP_WINDOWS_1252, CP_UTF8}) {
        CodePageScope scope(page);
        for (const std::u16string& wide : texts) {
            const std::vector<unsigned char> units = littleEndianUnits(wide);
            std::string ansi(3 * wide.size(), '\0');
            ansi.resize(unitsToAnsi(units.data(), wide.size(), ansi.data()));
            EXPECT_EQ(ansi, wideToAnsi(wide.substr(0, wide.find(u'\0')))) << page;
            EXPECT_EQ(unitsOfAnsi(ansi), ansiToWide(ansi)) << page;
        }
    }
    // Bytes that are not UTF-8 are read as Windows-1252, as ansiToWide reads them.
    CodePageScope scope(CP_UTF8);
    const std::string legacy = "caf\xE9 \x80 \xC3";
    EXPECT_EQ(unitsOfAnsi(legacy), ansiToWide(legacy));
}

TEST(CodePage, CharactersWithoutAWindows1252ByteBecomeQuestionMarks)
{
    CodePageScope cp(CP_WINDOWS_1252);
    EXPECT_EQ(wideToAnsi(u"a\u0416b\U0001F511"), "a?b?");
}

TEST(CodePage, CaseFoldingIsUnicodeInBothCodePages)
{
    {
        CodePageScope cp(CP_UTF8);
        EXPECT_EQ(ansiToLower("AB\xC3\x84\xD0\x96"), "ab\xC3\xA4\xD0\xB6");
        EXPECT_EQ(ansiCompareNoCase("\xC3\x84pfel", "\xC3\xA4PFEL"), 0);
    }
    {
        CodePageScope cp(CP_WINDOWS_1252);
        EXPECT_EQ(ansiToLower("\xC4\x8A"), "\xE4\x9A"); // A-umlaut and S-caron
        EXPECT_EQ(ansiToUpper("\xE4"), "\xC4");
    }
}

// Folding through UTF-16, character by character: what the folding of whole
// texts must give in both code pages.
std::string foldedThroughUtf16(const std::string& ansi, bool upper)
{
    const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    std::u16string folded;
    for (const char16_t unit : ansiToWide(ansi))
        folded += static_cast<char16_t>(upper ? towupper_l(unit, loc) : towlower_l(unit, loc));
    freelocale(loc);
    return wideToAnsi(folded);
}

TEST(CodePage, FoldingATextFoldsEachOfItsCharacters)
{
    {
        CodePageScope cp(CP_WINDOWS_1252);
        std::string all;
        for (int b = 1; b < 256; ++b)
            all += static_cast<char>(b);
        EXPECT_EQ(ansiToLower(all), foldedThroughUtf16(all, false));
        EXPECT_EQ(ansiToUpper(all), foldedThroughUtf16(all, true));
        EXPECT_EQ(ansiToUpper("\xB5"), "?"); // micro sign: its capital has no byte
    }
    {
        CodePageScope cp(CP_UTF8);
        // Every character below U+3000, and bytes that are not UTF-8 (read as
        // Windows-1252) between them.
        std::string text = "\x80 \xC3 \xE9x \xED\xA0\x80 ";
        for (char16_t unit = 0x20; unit < 0x3000; ++unit)
            if (unit < 0xD800)
                text += wideToAnsi(std::u16string(1, unit));
        EXPECT_EQ(ansiToLower(text), foldedThroughUtf16(text, false));
        EXPECT_EQ(ansiToUpper(text), foldedThroughUtf16(text, true));
    }
}

// An ASCII text is looked for in the ASCII bytes of a text beyond ASCII,
// except where a character folds into ASCII.
TEST(CodePage, LowerContainsFindsTextsThroughTheirFoldedCharacters)
{
    const struct {
        UINT codePage;
        const char* text;
        const char* lowered;
        bool found;
    } cases[] = {
        {CP_UTF8, "\xC3\x84rger im HARBOUR", "harbour", true},
        {CP_UTF8, "\xC3\x84rger im HARB\xC3\x96UR", "harbour", false},
        {CP_UTF8, "\xD0\x96\xD0\x96", "\xD0\xB6\xD0\xB6", true},
        {CP_UTF8, "P\xC4\xB0N \xC3\xA9", "pin", true},         // capital I with a dot
        {CP_UTF8, "5 \xE2\x84\xAA \xC3\xA9", "5 k", true},     // kelvin sign
        {CP_UTF8, "\xC3\xA9t\xC3\xA9", "", true},
        {CP_WINDOWS_1252, "\xC4rger im HARBOUR", "harbour", true},
        {CP_WINDOWS_1252, "\x8A\xC4", "\x9A\xE4", true},
        {CP_WINDOWS_1252, "\xB5m", "?m", false},                   // micro sign lowers to itself
    };
    for (const auto& c : cases) {
        CodePageScope cp(c.codePage);
        EXPECT_EQ(ansiLowerContains(c.text, c.lowered), c.found) << c.text << " / " << c.lowered;
    }
}

// Names order by their folded bytes compared unsigned, as on Windows: in
// Windows-1252 the characters kept at 0x80..0x9F go before the accented
// letters, in UTF-8 (code-point order) after them.
TEST(CodePage, NoCaseOrderComparesFoldedBytes)
{
    const struct {
        const char* a; // as UTF-8, converted to the code page under test
        const char* b;
        int in1252, inUtf8;
    } cases[] = {
        {"\xE2\x80\xA6", "\xC3\xA0", -1, 1},           // ellipsis 0x85, a-grave 0xE0
        {"\xC5\x93uvre", "\xC3\x84", -1, 1},           // oe 0x9C, A-umlaut 0xC4 folded to 0xE4
        {"\xE2\x82\xAC", "\xC3\xA9", -1, 1},           // euro 0x80, e-acute 0xE9
        {"\xC5\xA0", "\xC3\xA9", -1, 1},               // S-caron 0x8A folded to 0x9A
        {"\xC5\x92UVRE", "\xC5\x93uvre", 0, 0},        // OE 0x8C folds to oe 0x9C
        {"\xC5\xB8", "\xC3\xBD", 1, 1},                // Y-diaeresis folds to 0xFF, after y-acute
        {"\xC3\x84pfel", "\xC3\xA4PFEL", 0, 0},
        {"Zebra", "\xC3\x84pfel", -1, -1},
        {"_x", "a", -1, -1},                           // folding to lower case puts "_" before letters
        {"apple", "Banana", -1, -1},
        {"b", "A", 1, 1},
        {"ab", "ABC", -1, -1},
        {"", "", 0, 0},
        // Past an equal ASCII start, what follows is folded as a whole.
        {"Card \xC3\x84", "card \xC3\xA4", 0, 0},
        {"Card \xC3\x84", "card \xC3\xA4x", -1, -1},
        {"card z", "Card \xC3\xA4", -1, -1},
        {"Card \xC3\xA4" "b", "CARD \xC3\x84" "A", 1, 1},
    };
    const auto sign = [](int r) { return r < 0 ? -1 : (r > 0 ? 1 : 0); };
    for (const UINT page : {CP_WINDOWS_1252, CP_UTF8}) {
        CodePageScope scope(page);
        for (const auto& c : cases) {
            const int expected = page == CP_UTF8 ? c.inUtf8 : c.in1252;
            const std::string a = wideToAnsi(utf8ToWide(c.a)), b = wideToAnsi(utf8ToWide(c.b));
            EXPECT_EQ(sign(ansiCompareNoCase(a, b)), expected) << page << ": " << c.a << " / " << c.b;
            EXPECT_EQ(sign(ansiCompareNoCase(b, a)), -expected) << page << ": " << c.b << " / " << c.a;
        }
    }
}

TEST(CodePage, LowerContainsFoldsTheTextOnly)
{
    CodePageScope cp(CP_UTF8);
    const struct {
        const char* text;
        const char* lowered;
        bool found;
    } cases[] = {
        {"Harbour Bank", "harbour", true},  {"HARBOUR", "bour", true},         {"harbou", "harbour", false},
        {"Harbour", "Harbour", false},      {"anything", "", true},            {"", "a", false},
        {"Gr\xC3\x9c\xC3\x9f", "\xC3\xBC", true}, {"Strasse", "\xC3\x9f", false}, {"aab", "ab", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ansiLowerContains(c.text, c.lowered), c.found) << c.text << " / " << c.lowered;
}

TEST(CodePage, CutsNeverSplitACharacter)
{
    CodePageScope cp(CP_UTF8);
    const std::string text = "a\xE2\x82\xAC" "b"; // a, euro (3 bytes), b
    EXPECT_EQ(ansiPrefixLength(text, 1), 1u);
    EXPECT_EQ(ansiPrefixLength(text, 3), 1u);
    EXPECT_EQ(ansiPrefixLength(text, 4), 4u);
    EXPECT_EQ(ansiPrefixLength(text, 10), 5u);
    EXPECT_EQ(ansiCharsToBytes(text, 2), 4u);
    EXPECT_EQ(ansiCharCount(text), 3u);
}

TEST(CodePage, ParsesCodePageNames)
{
    EXPECT_EQ(parseCodePageName("1252"), CP_WINDOWS_1252);
    EXPECT_EQ(parseCodePageName("UTF-8"), CP_UTF8);
    EXPECT_EQ(parseCodePageName("65001"), CP_UTF8);
    EXPECT_EQ(parseCodePageName("437"), 0u);
    EXPECT_FALSE(setAnsiCodePage(437));
}

} // namespace
