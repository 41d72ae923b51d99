// A string with two number readers.
#pragma once

#include "platform/CString.h"

class CStringExt : public CString {
public:
    using CString::CString;
    CStringExt(const CString& text) : CString(text) {}

    // The leading decimal number as atoi reads it, 0 when there is none.
    unsigned int GetUnsigned() const;
    // False for more than one ".", more than one sign, or a character other
    // than "+", "-", "." and the digits; otherwise the signed value.
    bool GetFloat(float& out) const;
};
