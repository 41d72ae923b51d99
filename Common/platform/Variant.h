// A small stand-in for the OLE variant: a type tag and one value.
#pragma once

#include "platform/WinTypes.h"

#include <string>

using VARIANT_BOOL = std::int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

struct _variant_t {
    VARTYPE vt = VT_EMPTY;
    union {
        std::int8_t cVal;
        std::uint8_t bVal;
        std::int16_t iVal;
        std::uint16_t uiVal;
        std::int32_t lVal;
        std::uint32_t ulVal;
        float fltVal;
        double dblVal;
        double date;
        VARIANT_BOOL boolVal;
    };
    std::u16string bstrVal; // the text of a VT_BSTR variant

    _variant_t() : dblVal(0) {}
    explicit _variant_t(VARTYPE type) : vt(type), dblVal(0) {}
    _variant_t(std::int16_t v) : vt(VT_I2), dblVal(0) { iVal = v; }
    _variant_t(std::int32_t v) : vt(VT_I4), dblVal(0) { lVal = v; }
    _variant_t(float v) : vt(VT_R4), dblVal(0) { fltVal = v; }
    _variant_t(double v) : vt(VT_R8), dblVal(v) {}
    _variant_t(bool v) : vt(VT_BOOL), dblVal(0) { boolVal = v ? VARIANT_TRUE : VARIANT_FALSE; }
    _variant_t(std::u16string text) : vt(VT_BSTR), dblVal(0), bstrVal(std::move(text)) {}

    void Clear()
    {
        vt = VT_EMPTY;
        dblVal = 0;
        bstrVal.clear();
    }
};
