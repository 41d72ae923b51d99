#include "platform/CString.h"
#include "support/CodePageScope.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, FindsAndCutsByBytePosition)
{
    const CString s("Banking\\Cards\\Visa");
    EXPECT_EQ(s.Find('\\'), 7);
    EXPECT_EQ(s.Find('\\', 8), 13);
    EXPECT_EQ(s.Find("Cards"), 8);
    EXPECT_EQ(s.Find("Nope"), -1);
    EXPECT_EQ(s.Find('x', 99), -1);
    EXPECT_EQ(s.ReverseFind('\\'), 13);
    EXPECT_EQ(s.FindOneOf("VC"), 8);
    EXPECT_EQ(s.Left(7), "Banking");
    EXPECT_EQ(s.Mid(8, 5), "Cards");
    EXPECT_EQ(s.Mid(14), "Visa");
    EXPECT_EQ(s.Right(4), "Visa");
    // Out-of-range arguments are clamped, never undefined.
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Mid(100), "");
    EXPECT_EQ(s.Mid(-5, 2), "Ba");
    EXPECT_EQ(s.Right(100), s);
}

TEST(CString, TrimsBlanks)
{
    CString s(" \t name \r\n");
    EXPECT_EQ(s.Trim(), "name");
    CString dots("..a..");
    EXPECT_EQ(dots.TrimLeft('.'), "a..");
    EXPECT_EQ(dots.TrimRight('.'), "a");
    CString blank("   ");
    EXPECT_TRUE(blank.Trim().IsEmpty());
}

TEST(CString, ComparesWithAndWithoutCase)
{
    const CString s("Visa");
    EXPECT_EQ(s.Compare("Visa"), 0);
    EXPECT_LT(s.Compare("visa"), 0);
    EXPECT_EQ(s.CompareNoCase("VISA"), 0);
    EXPECT_GT(s.CompareNoCase("amex"), 0);
    EXPECT_LT(CString("_x").CompareNoCase("a"), 0);
}

TEST(CString, FormatsAnyLength)
{
    CString s;
    s.Format("%d-%s", 42, "x");
    EXPECT_EQ(s, "42-x");
    const std::string longText(10000, 'y');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ(s.GetLength(), 10002);
    s.AppendFormat("%c", 'z');
    EXPECT_EQ(s.Right(2), "]z");
}

TEST(CString, ReplacesInsertsAndDeletes)
{
    CString s("a\tb\tc");
    EXPECT_EQ(s.Replace("\t", "--"), 2);
    EXPECT_EQ(s, "a--b--c");
    EXPECT_EQ(s.Replace('-', '+'), 4);
    s.Insert(1, "X");
    EXPECT_EQ(s, "aX++b++c");
    s.Delete(1, 3);
    EXPECT_EQ(s, "ab++c");
    s.Delete(3, 100);
    EXPECT_EQ(s, "ab+");
}

TEST(CString, ChangesCaseInTheProcessCodePage)
{
    CodePageScope cp(CP_UTF8);
    CString s("\xC3\x84rger");
    EXPECT_EQ(s.MakeLower(), "\xC3\xA4rger");
    EXPECT_EQ(s.MakeUpper(), "\xC3\x84RGER");
}

} // namespace
