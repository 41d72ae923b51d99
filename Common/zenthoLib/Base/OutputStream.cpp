#include "OutputStream.h"

#include "ErrorUtil.h"
#include "SizedArray.h"
#include "platform/CodePage.h"

#include <cstring>
#include <string>

void COutputStream::setError(HRESULT code)
{
    error = code;
    recordFailure(code);
}

void COutputStream::writeUInt16(std::uint16_t value)
{
    WriteByte(static_cast<unsigned char>(value & 0xFF));
    WriteByte(static_cast<unsigned char>(value >> 8));
}

void COutputStream::writeUInt32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        WriteByte(static_cast<unsigned char>((value >> shift) & 0xFF));
}

COutputStream& COutputStream::operator<<(unsigned int value)
{
    writeUInt32(value);
    return *this;
}

COutputStream& COutputStream::operator<<(int value) { return *this << static_cast<unsigned int>(value); }

COutputStream& COutputStream::operator<<(unsigned long value) { return *this << static_cast<unsigned int>(value); }

COutputStream& COutputStream::operator<<(long value) { return *this << static_cast<unsigned long>(static_cast<std::uint32_t>(value)); }

COutputStream& COutputStream::operator<<(unsigned short value)
{
    writeUInt16(value);
    return *this;
}

COutputStream& COutputStream::operator<<(short value) { return *this << static_cast<unsigned short>(value); }

COutputStream& COutputStream::operator<<(unsigned char value)
{
    WriteByte(value);
    return *this;
}

COutputStream& COutputStream::operator<<(char value) { return *this << static_cast<unsigned char>(value); }

COutputStream& COutputStream::operator<<(bool value) { return *this << static_cast<unsigned short>(value ? 1 : 0); }

COutputStream& COutputStream::operator<<(float value)
{
    unsigned char bytes[sizeof(float)];
    std::memcpy(bytes, &value, sizeof bytes);
    for (unsigned char b : bytes)
        WriteByte(b);
    return *this;
}

COutputStream& COutputStream::operator<<(double value)
{
    unsigned char bytes[sizeof(double)];
    std::memcpy(bytes, &value, sizeof bytes);
    for (unsigned char b : bytes)
        WriteByte(b);
    return *this;
}

void COutputStream::writeCharacters(std::string_view text)
{
    *this << static_cast<unsigned int>(text.size());
    for (char c : text)
        *this << static_cast<int>(static_cast<unsigned char>(c));
}

COutputStream& COutputStream::operator<<(const char* value)
{
    writeCharacters(value ? std::string_view(value) : std::string_view());
    return *this;
}

COutputStream& COutputStream::operator<<(const CString& value)
{
    writeCharacters(value.view());
    return *this;
}

COutputStream& COutputStream::operator<<(const WCHAR* value)
{
    const std::u16string_view text = value ? std::u16string_view(value) : std::u16string_view();
    *this << static_cast<unsigned int>(text.size());
    for (char16_t unit : text)
        *this << static_cast<int>(unit);
    return *this;
}

bool COutputStream::operator<<(CSizedArray& array)
{
    *this << static_cast<unsigned int>(array.getSize());
    if (error != 0)
        return false;
    if (array.getSize() != 0)
        WriteBytes(array.getData(), array.getSize());
    return error == 0;
}

COutputStream& COutputStream::operator<<(const _variant_t& value)
{
    *this << static_cast<unsigned short>(value.vt);
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_I2:
    case VT_UI2:
        *this << value.uiVal;
        break;
    case VT_I4:
    case VT_UI4:
        *this << value.ulVal;
        break;
    case VT_R4:
        *this << value.fltVal;
        break;
    case VT_R8:
    case VT_DATE:
        *this << value.dblVal;
        break;
    case VT_BSTR:
        *this << CString(wideToAnsi(value.bstrVal));
        break;
    case VT_BOOL:
        *this << static_cast<unsigned char>(value.boolVal != 0 ? 1 : 0);
        break;
    case VT_I1:
    case VT_UI1:
        *this << value.bVal;
        break;
    default:
        setError(DISP_E_BADVARTYPE);
        break;
    }
    return *this;
}

std::uint32_t COutputStream::WriteBytes(const unsigned char* buffer, std::uint32_t n)
{
    std::uint32_t count = 0;
    while (count < n && error != STREAM_E_END_OF_DATA)
        *this << buffer[count++];
    return count;
}
