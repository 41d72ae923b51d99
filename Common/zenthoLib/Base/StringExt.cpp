#include "StringExt.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

unsigned int CStringExt::GetUnsigned() const
{
    errno = 0;
    long value = std::strtol(GetString(), nullptr, 10);
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    return static_cast<unsigned int>(static_cast<int>(value));
}

bool CStringExt::GetFloat(float& out) const
{
    int dots = 0;
    int signs = 0;
    bool negative = false;
    double whole = 0;
    double fraction = 0;
    double scale = 0.1;
    for (int i = 0; i < GetLength(); ++i) {
        const char c = GetAt(i);
        if (c == '.') {
            ++dots;
        } else if (c == '+' || c == '-') {
            ++signs;
            negative = c == '-';
        } else if (c >= '0' && c <= '9') {
            if (dots == 0) {
                whole = whole * 10 + (c - '0');
            } else {
                fraction += (c - '0') * scale;
                scale /= 10;
            }
        } else {
            return false;
        }
        if (dots > 1 || signs > 1)
            return false;
    }
    const double value = whole + fraction;
    out = static_cast<float>(negative ? -value : value);
    return true;
}
