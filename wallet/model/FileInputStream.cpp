#include "model/FileInputStream.h"

#include "model/AsciiUnits.h"
#include "model/FileStreamLimits.h"
#include "platform/CodePage.h"
#include "platform/NativePath.h"
#include "zenthoLib/Base/SizedArray.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>

namespace {

// Sets `text` to the text stored as `length` units and a zero unit, in the
// process code page; a zero unit before the end ends it early. The text is
// made in `scratch` (most texts are ASCII, the same in every code page: their
// units become its bytes one for one), so that it gets one buffer of its own
// length whatever it holds.
void decodeText(const unsigned char* units, std::size_t length, CString& text, std::vector<char>& scratch)
{
    const std::size_t room = 3 * (length + 1);
    if (scratch.size() < room)
        scratch.resize(room);
    const bool endsWithZero = units[2 * length] == 0 && units[2 * length + 1] == 0;
    std::size_t bytes = length;
    if (!narrowAsciiUnits(units, length, scratch.data()) || !endsWithZero)
        bytes = unitsToAnsi(units, length + 1, scratch.data());
    text = CString(std::string_view(scratch.data(), bytes));
}

} // namespace

CFileInputStream::CFileInputStream() : CFileInputStream(fileApi()) {}

CFileInputStream::CFileInputStream(IFileApi& files)
    : api(files), buffer(std::make_unique_for_overwrite<unsigned char[]>(kFileStreamBufferSize))
{
}

CFileInputStream::~CFileInputStream() { close(); }

bool CFileInputStream::open(const CString& name, FileSharing sharing)
{
    close();
    fileName = name;
    error = 0;
    const std::string path = toNativePath(name);
    const bool readers = sharing == FileSharing::Readers;
    int opened = readers ? api.open(path, O_RDONLY | O_NOATIME, 0) : -1;
    if (opened < 0 && (!readers || errno == EPERM))
        opened = api.open(path, O_RDONLY, 0);
    if (opened < 0)
        return false;
    std::uint64_t size = 0;
    if (!(readers ? api.lockShared(opened) : api.lockExclusive(opened)) || !api.size(opened, size)) {
        api.close(opened);
        return false;
    }
    attach(opened, size, true);
    return true;
}

bool CFileInputStream::openView(const CFileInputStream& owner)
{
    close();
    fileName = owner.fileName;
    error = 0;
    if (!owner.isOpen() || &owner.api != &api)
        return false;
    attach(owner.handle, owner.fileSize, false);
    return true;
}

void CFileInputStream::attach(int openHandle, std::uint64_t size, bool owned)
{
    handle = openHandle;
    ownsHandle = owned;
    fileSize = size;
    bufferLength = 0;
    bufferStart = 0;
    bufferIndex = 0;
}

bool CFileInputStream::close()
{
    if (!isOpen())
        return false;
    const bool closed = !ownsHandle || api.close(handle);
    handle = -1;
    bufferLength = 0;
    return closed;
}

bool CFileInputStream::getSize(std::uint32_t& size)
{
    if (!isOpen() || fileSize > kMaxFileOffset)
        return false;
    size = static_cast<std::uint32_t>(fileSize);
    return true;
}

bool CFileInputStream::isReadOnly(bool& readOnly)
{
    return isOpen() && api.isReadOnly(toNativePath(fileName), readOnly);
}

std::uint64_t CFileInputStream::bytesLeft() const
{
    return position() < fileSize ? fileSize - position() : 0;
}

bool CFileInputStream::canRead(std::uint64_t count)
{
    if (isOpen() && count <= bytesLeft())
        return true;
    setError(1);
    return false;
}

bool CFileInputStream::fillBuffer()
{
    bufferStart += bufferLength;
    bufferIndex = 0;
    const ssize_t count = api.readAt(handle, buffer.get(), kFileStreamBufferSize, static_cast<off_t>(bufferStart));
    bufferLength = count > 0 ? static_cast<std::size_t>(count) : 0;
    return count > 0;
}

unsigned char CFileInputStream::ReadByte()
{
    if (!isOpen() || (bufferIndex == bufferLength && !fillBuffer())) {
        setError(1);
        return 0;
    }
    return buffer[bufferIndex++];
}

std::uint32_t CFileInputStream::ReadBytes(unsigned char* out, std::uint32_t n)
{
    std::uint32_t done = 0;
    while (done < n) {
        if (!isOpen() || (bufferIndex == bufferLength && !fillBuffer())) {
            setError(1);
            return 0xFFFFFFFFu;
        }
        const std::size_t take = std::min<std::size_t>(n - done, bufferLength - bufferIndex);
        std::memcpy(out + done, buffer.get() + bufferIndex, take);
        bufferIndex += take;
        done += static_cast<std::uint32_t>(take);
    }
    return n;
}

const unsigned char* CFileInputStream::gatherBytes(std::size_t count)
{
    if (straddling.size() < count)
        straddling.resize(count);
    return ReadBytes(straddling.data(), static_cast<std::uint32_t>(count)) == count ? straddling.data() : nullptr;
}

CFileInputStream::CInputStream& CFileInputStream::operator>>(unsigned int& value)
{
    const unsigned char* bytes = nextBytes(4);
    value = bytes ? bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned int>(bytes[3]) << 24 : 0;
    return *this;
}

CFileInputStream::CInputStream& CFileInputStream::operator>>(bool& value)
{
    value = ReadByte() != 0;
    return *this;
}

CFileInputStream::CInputStream& CFileInputStream::operator>>(CString& value)
{
    unsigned int length = 0;
    *this >> length;
    if (error != 0)
        return *this;
    if (length == 0) {
        value.Empty();
        return *this;
    }
    // A text holds at most what a CString can count.
    const std::uint64_t unitCount = static_cast<std::uint64_t>(length) + 1;
    if (length > static_cast<unsigned int>(std::numeric_limits<int>::max()) || !canRead(unitCount * 2)) {
        setError(1);
        return *this;
    }
    if (const unsigned char* units = nextBytes(static_cast<std::size_t>(unitCount * 2)))
        decodeText(units, length, value, decodedText);
    return *this;
}

bool CFileInputStream::readArray(CSizedArray& array)
{
    unsigned int size = 0;
    *this >> size;
    if (error != 0 || !canRead(size) || !array.init(size))
        return false;
    return size == 0 || ReadBytes(array.getData(), size) == size;
}

void CFileInputStream::Restart()
{
    if (!setCurrentPosition(0))
        setError(1);
}

bool CFileInputStream::setCurrentPosition(std::uint32_t target)
{
    if (!isOpen())
        return false;
    if (target >= bufferStart && target <= bufferStart + bufferLength) {
        bufferIndex = static_cast<std::size_t>(target - bufferStart);
        return true;
    }
    bufferLength = 0;
    bufferStart = target;
    bufferIndex = 0;
    return true;
}

bool CFileInputStream::getCurrentStreamPosition(std::uint32_t& current)
{
    if (!isOpen() || position() > kMaxFileOffset)
        return false;
    current = static_cast<std::uint32_t>(position());
    return true;
}
