#include "FloatConvert.h"

#include <cctype>

namespace {

constexpr double kLargestIntegerPart = 1.7976931348623158e307;
constexpr double kSmallestPlace = 2.2250738585072014e-307;

} // namespace

CONVERTION_ERRORS _ttod(const char* text, double& out)
{
    out = 0;
    const char* at = text ? text : "";
    while (std::isspace(static_cast<unsigned char>(*at)))
        ++at;
    bool negative = false;
    if (*at == '+' || *at == '-')
        negative = *at++ == '-';

    double value = 0;
    double place = 0; // 0 while in the integer part
    for (; *at; ++at) {
        const char ch = *at;
        if (ch == '.' && place == 0) {
            place = 1;
        } else if (ch >= '0' && ch <= '9') {
            const int digit = ch - '0';
            if (place == 0) {
                value = value * 10 + digit;
                if (value > kLargestIntegerPart)
                    return CE_TOO_BIG;
            } else {
                place /= 10;
                if (place < kSmallestPlace)
                    return CE_TOO_SMALL;
                value += digit * place;
            }
        } else {
            return CE_BAD_CHARACTER;
        }
    }
    out = negative ? -value : value;
    return CE_END_OF_TEXT;
}

CONVERTION_ERRORS _ttof(const char* text, float& out)
{
    double value = 0;
    const CONVERTION_ERRORS code = _ttod(text, value);
    out = static_cast<float>(value);
    return code;
}
