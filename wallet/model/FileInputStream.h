// Reads a wallet file. Values have the file's encodings: integers
// little-endian, bool one byte, text as a byte count followed by UTF-16 units.
// The file is held with a lock while open: an exclusive one, so that no other
// open of it (in this process or another) succeeds meanwhile, or a shared one
// that other readers may hold too but no writer. Reads go through an
// internal buffer. Failures set error 1.
#pragma once

#include "platform/FileApi.h"
#include "zenthoLib/Base/InputStream.h"

#include <cstdint>
#include <memory>
#include <vector>

// How an open file is shared with other opens of it.
enum class FileSharing {
    Exclusive, // with nobody
    Readers,   // with other readers; no exclusive lock is taken meanwhile
};

class CFileInputStream : public ZenthoIO::CInputStream {
public:
    CFileInputStream();
    // Reads through the given file calls instead of the installed ones.
    explicit CFileInputStream(IFileApi& files);
    ~CFileInputStream() override;
    CFileInputStream(const CFileInputStream&) = delete;
    CFileInputStream& operator=(const CFileInputStream&) = delete;

    // Opens an existing file (Windows-form path) for reading. A file shared
    // with readers is read without changing its access time where the
    // system lets this process ask for that (it owns the file).
    bool open(const CString& name, FileSharing sharing = FileSharing::Exclusive);
    // Reads the file `owner` holds open, through the same handle but with
    // its own position and buffer, so that two threads can read the file at
    // once. The owner must stay open while the view is used, and both must
    // read through the same file calls (files()).
    bool openView(const CFileInputStream& owner);
    bool close();
    bool getSize(std::uint32_t& size);
    // The file's read-only attribute (no write permission for anybody).
    bool isReadOnly(bool& readOnly);

    using ZenthoIO::CInputStream::operator>>;
    // n (unsigned 32-bit), then n + 1 UTF-16 units read up to the first zero unit.
    CInputStream& operator>>(CString& value) override;
    // Four bytes in one read; the other integers of four bytes come here too.
    CInputStream& operator>>(unsigned int& value) override;
    // One byte, non-zero is true.
    CInputStream& operator>>(bool& value) override;

    // Back to offset 0; error 1 when that fails.
    void Restart() override;
    unsigned char ReadByte() override;
    // Reads exactly n bytes and returns n; else sets error 1 and returns 0xFFFFFFFF.
    std::uint32_t ReadBytes(unsigned char* buffer, std::uint32_t n) override;
    bool setCurrentPosition(std::uint32_t position) override;
    bool getCurrentStreamPosition(std::uint32_t& position) override;
    // A size larger than what is left of the file is refused before anything is allocated.
    bool readArray(CSizedArray& array) override;

    const CString& getFileName() const { return fileName; }
    // The file calls this stream reads through.
    IFileApi& files() const { return api; }

private:
    bool isOpen() const { return handle >= 0; }
    void attach(int openHandle, std::uint64_t size, bool owned);
    std::uint64_t position() const { return bufferStart + bufferIndex; }
    std::uint64_t bytesLeft() const;
    bool fillBuffer();
    // False (with error 1) unless `count` more bytes can be read.
    bool canRead(std::uint64_t count);
    // The next `count` bytes, in place when the buffer holds them all, else
    // gathered into `straddling`; null (with error 1) when they cannot be read.
    const unsigned char* nextBytes(std::size_t count)
    {
        if (!isOpen() || bufferLength - bufferIndex < count)
            return gatherBytes(count);
        const unsigned char* bytes = buffer.get() + bufferIndex;
        bufferIndex += count;
        return bytes;
    }
    const unsigned char* gatherBytes(std::size_t count);

    IFileApi& api;
    CString fileName;
    int handle = -1;
    bool ownsHandle = true;
    std::uint64_t fileSize = 0;
    // The buffer holds the file's bytes from bufferStart.
    std::unique_ptr<unsigned char[]> buffer;
    std::size_t bufferLength = 0;
    std::uint64_t bufferStart = 0;
    std::size_t bufferIndex = 0;
    // Holds a value that lies across the buffer's end; it only grows, which
    // spares an allocation per value.
    std::vector<unsigned char> straddling;
    // Holds a text beyond ASCII while it is converted; it only grows too.
    std::vector<char> decodedText;
};
