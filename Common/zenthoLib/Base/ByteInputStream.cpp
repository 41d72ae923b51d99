#include "ByteInputStream.h"

namespace ZenthoIO {

void CByteInputStream::Restart()
{
    pos = 0;
    error = 0;
}

unsigned char CByteInputStream::ReadByte()
{
    if (pos >= size) {
        setError(STREAM_E_END_OF_DATA);
        return 0;
    }
    return data[pos++];
}

bool CByteInputStream::setCurrentPosition(std::uint32_t position)
{
    if (position >= size)
        return false;
    pos = position;
    return true;
}

bool CByteInputStream::getCurrentStreamPosition(std::uint32_t& position)
{
    position = pos;
    return true;
}

} // namespace ZenthoIO
