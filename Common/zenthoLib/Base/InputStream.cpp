#include "InputStream.h"

#include "ErrorUtil.h"
#include "SizedArray.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ZenthoIO {

void CInputStream::setError(HRESULT code)
{
    error = code;
    recordFailure(code);
}

bool CInputStream::eof() { return error == STREAM_E_END_OF_DATA; }

std::uint16_t CInputStream::readUInt16()
{
    const std::uint16_t b0 = ReadByte();
    const std::uint16_t b1 = ReadByte();
    return static_cast<std::uint16_t>(b0 | (b1 << 8));
}

std::uint32_t CInputStream::readUInt32()
{
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<std::uint32_t>(ReadByte()) << shift;
    return value;
}

CInputStream& CInputStream::operator>>(unsigned int& value)
{
    value = readUInt32();
    return *this;
}

CInputStream& CInputStream::operator>>(int& value)
{
    unsigned int bits = 0;
    *this >> bits;
    value = static_cast<int>(bits);
    return *this;
}

CInputStream& CInputStream::operator>>(unsigned long& value)
{
    unsigned int bits = 0;
    *this >> bits;
    value = bits;
    return *this;
}

CInputStream& CInputStream::operator>>(long& value)
{
    unsigned long bits = 0;
    *this >> bits;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    return *this;
}

CInputStream& CInputStream::operator>>(unsigned short& value)
{
    value = readUInt16();
    return *this;
}

CInputStream& CInputStream::operator>>(short& value)
{
    unsigned short bits = 0;
    *this >> bits;
    value = static_cast<short>(bits);
    return *this;
}

CInputStream& CInputStream::operator>>(unsigned char& value)
{
    value = ReadByte();
    return *this;
}

CInputStream& CInputStream::operator>>(char& value)
{
    unsigned char bits = 0;
    *this >> bits;
    value = static_cast<char>(bits);
    return *this;
}

CInputStream& CInputStream::operator>>(bool& value)
{
    unsigned short bits = 0;
    *this >> bits;
    value = (bits & 0xFF) != 0;
    return *this;
}

CInputStream& CInputStream::operator>>(float& value)
{
    unsigned char bytes[sizeof(float)];
    for (unsigned char& b : bytes)
        b = ReadByte();
    std::memcpy(&value, bytes, sizeof bytes);
    return *this;
}

CInputStream& CInputStream::operator>>(double& value)
{
    unsigned char bytes[sizeof(double)];
    for (unsigned char& b : bytes)
        b = ReadByte();
    std::memcpy(&value, bytes, sizeof bytes);
    return *this;
}

CInputStream& CInputStream::operator>>(CString& value)
{
    unsigned int length = 0;
    *this >> length;
    if (eof())
        return *this;
    std::string bytes;
    for (unsigned int i = 0; i < length && !eof(); ++i) {
        unsigned int unit = 0;
        *this >> unit;
        if (!eof())
            bytes += static_cast<char>(unit & 0xFF);
    }
    value = CString(ansiFromLegacyBytes(bytes));
    return *this;
}

CInputStream& CInputStream::operator>>(_variant_t& value)
{
    unsigned short tag = 0;
    *this >> tag;
    value.Clear();
    value.vt = tag;
    switch (tag) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_I2:
    case VT_UI2:
        *this >> value.uiVal;
        break;
    case VT_I4:
    case VT_UI4:
        *this >> value.ulVal;
        break;
    case VT_R4:
        *this >> value.fltVal;
        break;
    case VT_R8:
    case VT_DATE:
        *this >> value.dblVal;
        break;
    case VT_BSTR: {
        CString text;
        *this >> text;
        value.bstrVal = ansiToWide(text.view());
        break;
    }
    case VT_BOOL: {
        unsigned char b = 0;
        *this >> b;
        value.boolVal = b == 1 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    case VT_I1:
    case VT_UI1:
        *this >> value.bVal;
        break;
    default:
        setError(DISP_E_BADVARTYPE);
        break;
    }
    return *this;
}

std::uint32_t CInputStream::ReadBytes(unsigned char* buffer, std::uint32_t n)
{
    std::uint32_t count = 0;
    for (; count < n; ++count) {
        unsigned char b = 0;
        *this >> b;
        if (error == STREAM_E_END_OF_DATA)
            break;
        buffer[count] = b;
    }
    return count;
}

bool CInputStream::readArray(CSizedArray& array)
{
    unsigned int size = 0;
    *this >> size;
    if (error != 0)
        return false;
    // The size comes from the data: read in chunks so that a damaged size
    // cannot allocate more than the stream really holds.
    constexpr std::uint32_t kChunk = 64 * 1024;
    std::vector<unsigned char> bytes;
    while (bytes.size() < size && error == 0) {
        const std::uint32_t want = std::min<std::uint32_t>(kChunk, size - static_cast<std::uint32_t>(bytes.size()));
        const std::size_t at = bytes.size();
        bytes.resize(at + want);
        bytes.resize(at + ReadBytes(bytes.data() + at, want));
    }
    if (error != 0 || !array.init(size))
        return false;
    if (size != 0)
        std::memcpy(array.getData(), bytes.data(), size);
    return true;
}

} // namespace ZenthoIO
