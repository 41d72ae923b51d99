#include "zenthoLib/Base/FloatConvert.h"

#include <gtest/gtest.h>

namespace {

struct ConversionCase {
    const char* text;
    CONVERTION_ERRORS code;
    double value;
};

constexpr ConversionCase kCases[] = {
    {"  -12.5", CE_END_OF_TEXT, -12.5},
    {"+3", CE_END_OF_TEXT, 3},
    {"+", CE_END_OF_TEXT, 0},
    {"", CE_END_OF_TEXT, 0},
    {".25", CE_END_OF_TEXT, 0.25},
    {"1.2.3", CE_BAD_CHARACTER, 0},
    {"12a", CE_BAD_CHARACTER, 0},
    {"1 ", CE_BAD_CHARACTER, 0},
    {"--1", CE_BAD_CHARACTER, 0},
};

TEST(FloatConvertTest, ReadsSignDigitsAndOnePoint)
{
    for (const ConversionCase& c : kCases) {
        double out = 99;
        EXPECT_EQ(_ttod(c.text, out), c.code) << c.text;
        EXPECT_DOUBLE_EQ(out, c.value) << c.text;
        float outFloat = 99;
        EXPECT_EQ(_ttof(c.text, outFloat), c.code) << c.text;
        EXPECT_FLOAT_EQ(outFloat, static_cast<float>(c.value)) << c.text;
    }
}

TEST(FloatConvertTest, TooManyDigitsGiveTheirCodesAndZero)
{
    double out = 99;
    EXPECT_EQ(_ttod(std::string(309, '9').c_str(), out), CE_TOO_BIG);
    EXPECT_EQ(out, 0);
    out = 99;
    EXPECT_EQ(_ttod(("0." + std::string(308, '0') + "1").c_str(), out), CE_TOO_SMALL);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(_ttod(("0." + std::string(300, '0') + "1").c_str(), out), CE_END_OF_TEXT);
}

} // namespace
