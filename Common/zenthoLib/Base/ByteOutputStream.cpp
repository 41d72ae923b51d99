#include "ByteOutputStream.h"

bool CByteOutputStream::getCurrentStreamPosition(std::uint32_t& position)
{
    position = pos;
    return true;
}

bool CByteOutputStream::setCurrentPosition(std::uint32_t position)
{
    if (position >= capacity)
        return false;
    pos = position;
    return true;
}

void CByteOutputStream::WriteByte(unsigned char value)
{
    if (pos >= capacity)
        setError(STREAM_E_END_OF_DATA);
    else
        buffer[pos] = value;
    ++pos;
}

CString CByteOutputStream::DUMP_CONTENT()
{
    CString text;
    const std::uint32_t stored = pos < capacity ? pos : capacity;
    for (std::uint32_t i = 0; i < stored; ++i)
        text.AppendFormat("%X,", buffer[i]);
    return text;
}
