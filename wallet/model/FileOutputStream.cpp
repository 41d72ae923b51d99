#include "model/FileOutputStream.h"

#include "model/AsciiUnits.h"
#include "model/FileStreamLimits.h"
#include "platform/CodePage.h"
#include "platform/NativePath.h"
#include "zenthoLib/Base/SizedArray.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>

namespace {

// Writes the text's little-endian UTF-16 units and a zero unit into `units`,
// which has room for one unit more than the text has bytes; what the units
// do not fill stays zero. One byte of the code page never gives more than one
// unit.
void encodeUnits(std::string_view ansi, unsigned char* units)
{
    const std::size_t length = ansi.size();
    if (widenAsciiUnits(ansi.data(), length, units)) {
        units[2 * length] = 0;
        units[2 * length + 1] = 0;
        return;
    }
    const std::size_t written = ansiToUnits(ansi, units);
    std::memset(units + 2 * written, 0, (length + 1 - written) * 2);
}

} // namespace

CFileOutputStream::CFileOutputStream() : CFileOutputStream(fileApi()) {}

CFileOutputStream::CFileOutputStream(IFileApi& files) : api(files) { useBlocks(kFileStreamBufferSize); }

CFileOutputStream::~CFileOutputStream()
{
    if (isOpen())
        close();
}

bool CFileOutputStream::open(const CString& name, bool truncate)
{
    if (isOpen())
        close();
    fileName = name;
    error = 0;
    pendingLength = 0;
    pendingStart = 0;
    useBlocks(kFileStreamBufferSize);
    // Never O_TRUNC: the file is emptied only once its lock is held, so a
    // refused second open leaves it as it was.
    const int opened = api.open(toNativePath(name), O_RDWR | O_CREAT, 0600);
    if (opened < 0)
        return false;
    if (!api.lockExclusive(opened) || (truncate && !api.truncate(opened, 0))) {
        api.close(opened);
        return false;
    }
    handle = opened;
    return true;
}

bool CFileOutputStream::close()
{
    if (!isOpen())
        return false;
    const bool flushed = flush();
    behind.reset();
    const bool closed = api.close(handle);
    handle = -1;
    pendingLength = 0;
    return flushed && closed;
}

bool CFileOutputStream::writable()
{
    if (isOpen() && error == 0)
        return true;
    setError(1);
    return false;
}

bool CFileOutputStream::writeBehind()
{
    if (!isOpen() || pendingLength != 0 || behind)
        return false;
    auto writer = std::make_unique<CBackgroundWriter>(api, handle, kWriteBehindBlockSize);
    if (!writer->isRunning())
        return false;
    useBlocks(kWriteBehindBlockSize);
    behind = std::move(writer);
    return true;
}

void CFileOutputStream::useBlocks(std::size_t size)
{
    if (capacity != size || !pending) {
        pending = std::make_unique_for_overwrite<unsigned char[]>(size);
        capacity = size;
    }
}

bool CFileOutputStream::handOff()
{
    if (!behind)
        return writeOut();
    pending = behind->write(std::move(pending), pendingLength);
    pendingStart += pendingLength;
    pendingLength = 0;
    return true;
}

bool CFileOutputStream::writeOut()
{
    if (behind) {
        // Everything handed over is written before the caller goes on.
        if (pendingLength != 0)
            handOff();
        if (behind->finish())
            return true;
        setError(1);
        return false;
    }
    std::size_t done = 0;
    while (done < pendingLength) {
        const ssize_t count = api.write(handle, pending.get() + done, pendingLength - done);
        if (count <= 0) {
            pendingLength = 0;
            setError(1);
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    pendingStart += pendingLength;
    pendingLength = 0;
    return true;
}

bool CFileOutputStream::flush()
{
    if (!writable() || !writeOut())
        return false;
    if (!api.sync(handle)) {
        setError(1);
        return false;
    }
    return true;
}

bool CFileOutputStream::moveTo(std::uint64_t target)
{
    if (!writable() || !writeOut())
        return false;
    if (target > kMaxFileOffset || api.seek(handle, static_cast<off_t>(target), SEEK_SET) < 0) {
        setError(1);
        return false;
    }
    pendingStart = target;
    return true;
}

bool CFileOutputStream::setCurrentPosition(std::uint32_t target) { return moveTo(target); }

bool CFileOutputStream::seekRelative(std::int32_t distance)
{
    const std::int64_t target = static_cast<std::int64_t>(position()) + distance;
    if (target < 0) {
        setError(1);
        return false;
    }
    return moveTo(static_cast<std::uint64_t>(target));
}

bool CFileOutputStream::seekToEnd()
{
    if (!writable() || !writeOut())
        return false;
    const off_t end = api.seek(handle, 0, SEEK_END);
    if (end < 0) {
        setError(1);
        return false;
    }
    pendingStart = static_cast<std::uint64_t>(end);
    return true;
}

bool CFileOutputStream::readExactly(void* buffer, std::size_t size, std::uint64_t offset)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    for (std::size_t done = 0; done < size;) {
        const ssize_t count = api.readAt(handle, bytes + done, size - done, static_cast<off_t>(offset + done));
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

bool CFileOutputStream::readArrayAt(std::uint32_t offset, CSizedArray& array)
{
    if (!writable() || !writeOut())
        return false;
    std::uint64_t fileSize = 0;
    unsigned char sizeBytes[4];
    if (!api.size(handle, fileSize) || !readExactly(sizeBytes, sizeof sizeBytes, offset))
        return false;
    const std::uint32_t size = sizeBytes[0] | sizeBytes[1] << 8 | sizeBytes[2] << 16 | static_cast<std::uint32_t>(sizeBytes[3]) << 24;
    return std::uint64_t{offset} + sizeof sizeBytes + size <= fileSize && array.init(size) &&
           readExactly(array.getData(), size, std::uint64_t{offset} + sizeof sizeBytes);
}

bool CFileOutputStream::syncAndSetPosition(std::uint32_t target) { return flush() && moveTo(target); }

bool CFileOutputStream::getCurrentStreamPosition(std::uint32_t& current)
{
    if (!isOpen() || position() > kMaxFileOffset)
        return false;
    current = static_cast<std::uint32_t>(position());
    return true;
}

std::uint32_t CFileOutputStream::getDataSize()
{
    std::uint32_t current = 0;
    return getCurrentStreamPosition(current) ? current : 0;
}

bool CFileOutputStream::writeRaw(const unsigned char* data, std::uint32_t n)
{
    if (!canWrite(n))
        return false;
    if (unsigned char* room = claimRoom(n)) {
        std::memcpy(room, data, n);
        return true;
    }
    for (std::uint32_t done = 0; done < n;) {
        if (pendingLength == capacity && !handOff())
            return false;
        const std::size_t take = std::min<std::size_t>(capacity - pendingLength, n - done);
        std::memcpy(pending.get() + pendingLength, data + done, take);
        pendingLength += take;
        done += static_cast<std::uint32_t>(take);
    }
    return true;
}

void CFileOutputStream::WriteByte(unsigned char value) { writeRaw(&value, 1); }

COutputStream& CFileOutputStream::operator<<(unsigned int value)
{
    const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    unsigned char* room = canWrite(sizeof bytes) ? claimRoom(sizeof bytes) : nullptr;
    if (room)
        std::memcpy(room, bytes, sizeof bytes);
    else
        writeRaw(bytes, sizeof bytes);
    return *this;
}

bool CFileOutputStream::operator<<(CSizedArray& array)
{
    *this << static_cast<unsigned int>(array.getSize());
    return error == 0 && (array.getSize() == 0 || writeRaw(array.getData(), array.getSize())) && error == 0;
}

COutputStream& CFileOutputStream::operator<<(bool value)
{
    WriteByte(value ? 1 : 0);
    return *this;
}

void CFileOutputStream::writeText(std::string_view ansi)
{
    if (ansi.size() >= kMaxFileOffset) {
        setError(1);
        return;
    }
    const auto length = static_cast<std::uint32_t>(ansi.size());
    *this << static_cast<unsigned int>(length);
    if (length == 0 || !canWrite((static_cast<std::uint64_t>(length) + 1) * 2))
        return;
    const std::size_t byteCount = (static_cast<std::size_t>(length) + 1) * 2;
    if (unsigned char* units = claimRoom(byteCount)) {
        encodeUnits(ansi, units);
        return;
    }
    textBytes.resize(byteCount);
    encodeUnits(ansi, textBytes.data());
    writeRaw(textBytes.data(), static_cast<std::uint32_t>(byteCount));
}

COutputStream& CFileOutputStream::operator<<(const CString& value)
{
    writeText(value.view());
    return *this;
}

COutputStream& CFileOutputStream::operator<<(const char* value)
{
    writeText(value ? std::string_view(value) : std::string_view());
    return *this;
}

COutputStream& CFileOutputStream::operator<<(const WCHAR* value)
{
    writeText(wideToAnsi(value ? std::u16string_view(value) : std::u16string_view()));
    return *this;
}

CString CFileOutputStream::DUMP_CONTENT()
{
    return FormatString("%s: %u bytes", fileName.GetString(), getDataSize());
}
