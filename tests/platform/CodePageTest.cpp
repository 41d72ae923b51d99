#include "platform/CodePage.h"
#include "support/CodePageScope.h"

#include <gtest/gtest.h>

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

TEST(CodePage, NoCaseOrderFoldsToLowerCase)
{
    // Folding to lower case puts "_" (0x5F) before letters.
    EXPECT_LT(ansiCompareNoCase("_x", "a"), 0);
    EXPECT_LT(ansiCompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(ansiCompareNoCase("b", "A"), 0);
    EXPECT_LT(ansiCompareNoCase("ab", "ABC"), 0);
    // ASCII against text beyond it orders by code point as well.
    EXPECT_LT(ansiCompareNoCase("Zebra", "\xC3\x84pfel"), 0);
    EXPECT_EQ(ansiCompareNoCase("", ""), 0);
    // Past an equal ASCII start, what follows is folded as a whole.
    CodePageScope cp(CP_UTF8);
    EXPECT_EQ(ansiCompareNoCase("Card \xC3\x84", "card \xC3\xA4"), 0);
    EXPECT_LT(ansiCompareNoCase("Card \xC3\x84", "card \xC3\xA4x"), 0);
    EXPECT_LT(ansiCompareNoCase("card z", "Card \xC3\xA4"), 0);
    EXPECT_GT(ansiCompareNoCase("Card \xC3\xA4" "b", "CARD \xC3\x84" "A"), 0);
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
