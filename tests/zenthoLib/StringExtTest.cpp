#include "zenthoLib/Base/StringExt.h"

#include <gtest/gtest.h>

namespace {

TEST(StringExt, ReadsTheLeadingNumber)
{
    EXPECT_EQ(CStringExt("42abc").GetUnsigned(), 42u);
    EXPECT_EQ(CStringExt("  7").GetUnsigned(), 7u);
    EXPECT_EQ(CStringExt("x").GetUnsigned(), 0u);
    EXPECT_EQ(CStringExt("99999999999999").GetUnsigned(), 2147483647u);
}

TEST(StringExt, ReadsSignedDecimals)
{
    const struct {
        const char* text;
        bool ok;
        float value;
    } cases[] = {
        {"-1.25", true, -1.25f}, {"+3", true, 3.0f},   {".5", true, 0.5f},   {"2.", true, 2.0f},
        {"1.2.3", false, 0},     {"--1", false, 0},    {"+-1", false, 0},    {"1e5", false, 0},
        {"1,5", false, 0},       {"", true, 0.0f},
    };
    for (const auto& c : cases) {
        float value = 99;
        EXPECT_EQ(CStringExt(c.text).GetFloat(value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_FLOAT_EQ(value, c.value) << c.text;
        }
    }
}

} // namespace
