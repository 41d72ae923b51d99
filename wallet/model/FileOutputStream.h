// Writes a wallet file. Values have the file's encodings: integers
// little-endian, bool one byte, text as a byte count followed by UTF-16 units.
// The file is held with an exclusive lock while open. Writes gather in an
// internal buffer; flush writes it out and makes it durable (fsync).
//
// A failure sets error 1, and from then on no byte of this stream reaches the
// file: a record that could not be written is never followed by an offset
// slot that points at it.
#pragma once

#include "model/BackgroundWriter.h"
#include "model/FileStreamLimits.h"
#include "platform/FileApi.h"
#include "zenthoLib/Base/OutputStream.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CFileOutputStream : public COutputStream {
public:
    CFileOutputStream();
    // Writes through the given file calls instead of the installed ones.
    explicit CFileOutputStream(IFileApi& files);
    ~CFileOutputStream() override;
    CFileOutputStream(const CFileOutputStream&) = delete;
    CFileOutputStream& operator=(const CFileOutputStream&) = delete;

    // Opens (Windows-form path) for writing without sharing; a missing file is
    // created with mode 0600. `truncate` empties the file once the lock is
    // held; otherwise its content is kept. Writing starts at offset 0.
    bool open(const CString& name, bool truncate);
    // Flushes, then closes (also when the flush failed); true when both worked.
    bool close();
    // Writes out the buffer and syncs the file to the disk.
    bool flush();
    bool seekToEnd();
    bool seekRelative(std::int32_t distance);
    // Flushes everything written so far, then moves to `position`. Overwrite
    // an offset slot only after this, so that the slot never points at a
    // record that is not yet on the disk.
    bool syncAndSetPosition(std::uint32_t position);
    // Reads back the byte array (unsigned 32-bit size, then the bytes) that
    // lies at `offset`, once what is pending is written out; the writing
    // position stays where it was.
    bool readArrayAt(std::uint32_t offset, CSizedArray& array);
    // From now on full buffers of a larger size are written on a thread of
    // their own while the next is filled; whatever needs the file as written
    // (flush, a seek, a read back, close) waits for them, and a failed write
    // shows there. For one long sequential write; right after open. False
    // when it cannot be had (the stream then writes as before).
    bool writeBehind();
    // Writes exactly n bytes, else sets error 1.
    bool writeRaw(const unsigned char* data, std::uint32_t n);

    using COutputStream::operator<<;
    // n = the text's length in bytes (unsigned 32-bit); when n > 0, then
    // n + 1 UTF-16 units: the text, its terminator and zero units up to n + 1.
    COutputStream& operator<<(const CString& value) override;
    COutputStream& operator<<(const char* value) override;
    // Stored as the same text, converted to the process code page.
    COutputStream& operator<<(const WCHAR* value) override;
    // One byte, 0 or 1.
    COutputStream& operator<<(bool value) override;
    // Four bytes in one write; the other integers of four bytes come here too.
    COutputStream& operator<<(unsigned int value) override;
    // The size, then the bytes in one write.
    bool operator<<(CSizedArray& array) override;

    // The current position.
    std::uint32_t getDataSize() override;
    bool getCurrentStreamPosition(std::uint32_t& position) override;
    bool setCurrentPosition(std::uint32_t position) override;
    void WriteByte(unsigned char value) override;
    // The file's name and size, for diagnostics.
    CString DUMP_CONTENT() override;

    bool isOpen() const { return handle >= 0; }
    const CString& getFileName() const { return fileName; }

private:
    std::uint64_t position() const { return pendingStart + pendingLength; }
    // True when the stream may write; otherwise sets error 1.
    bool writable();
    // True when `count` more bytes may be written; otherwise sets error 1.
    bool canWrite(std::uint64_t count)
    {
        if (isOpen() && error == 0 && position() + count <= kMaxFileOffset)
            return true;
        setError(1);
        return false;
    }
    // Claims the buffer's next `count` bytes for the caller to fill; null
    // when the buffer has no room for them all.
    unsigned char* claimRoom(std::size_t count)
    {
        if (capacity - pendingLength < count)
            return nullptr;
        unsigned char* room = pending.get() + pendingLength;
        pendingLength += count;
        return room;
    }
    // Writes out the buffer (and waits for what was handed over).
    bool writeOut();
    // A full buffer goes out: handed over when writing behind, else written.
    bool handOff();
    void useBlocks(std::size_t size);
    bool moveTo(std::uint64_t target);
    void writeText(std::string_view ansi);
    bool readExactly(void* buffer, std::size_t size, std::uint64_t offset);

    IFileApi& api;
    CString fileName;
    int handle = -1;
    // The first pendingLength bytes are not yet written and belong at
    // pendingStart; the file's own offset is pendingStart.
    std::unique_ptr<unsigned char[]> pending;
    std::size_t capacity = 0;
    std::size_t pendingLength = 0;
    std::uint64_t pendingStart = 0;
    // The UTF-16 bytes of a text longer than the room left in `pending`, kept
    // to spare an allocation per such text.
    std::vector<unsigned char> textBytes;
    std::unique_ptr<CBackgroundWriter> behind;
};
