// Memory streams that encode values as the wallet file does: integers raw
// little-endian, a bool as one byte, and a text as its byte count in the
// process code page followed, unless empty, by that many UTF-16 units plus
// the terminating zero (zero-padded when the conversion yields fewer units).
// Seeking works as on a file: any offset is accepted, and reading past the
// end fails.
#pragma once

#include "platform/CodePage.h"
#include "zenthoLib/Base/InputStream.h"
#include "zenthoLib/Base/OutputStream.h"

#include <cstdint>
#include <string>
#include <vector>

class FileEncodingOutputStream : public COutputStream {
public:
    using COutputStream::operator<<;

    COutputStream& operator<<(bool value) override { return *this << static_cast<unsigned char>(value ? 1 : 0); }
    COutputStream& operator<<(const CString& value) override
    {
        const auto length = static_cast<unsigned int>(value.GetLength());
        *this << length;
        if (length == 0)
            return *this;
        std::u16string units = ansiToWide(value.view());
        units.resize(length + 1, u'\0');
        for (char16_t unit : units)
            *this << static_cast<unsigned short>(unit);
        return *this;
    }

    std::uint32_t getDataSize() override { return static_cast<std::uint32_t>(bytes.size()); }
    bool getCurrentStreamPosition(std::uint32_t& position) override
    {
        position = pos;
        return true;
    }
    bool setCurrentPosition(std::uint32_t position) override
    {
        pos = position;
        return true;
    }
    void WriteByte(unsigned char value) override
    {
        if (pos >= bytes.size())
            bytes.resize(pos + 1);
        bytes[pos++] = value;
    }
    CString DUMP_CONTENT() override { return CString(); }

    std::vector<unsigned char> bytes;

private:
    std::uint32_t pos = 0;
};

namespace ZenthoIO {

class FileEncodingInputStream : public CInputStream {
public:
    explicit FileEncodingInputStream(std::vector<unsigned char> data) : data(std::move(data)) {}

    using CInputStream::operator>>;

    CInputStream& operator>>(bool& value) override
    {
        unsigned char byte = 0;
        *this >> byte;
        value = byte != 0;
        return *this;
    }
    CInputStream& operator>>(CString& value) override
    {
        unsigned int length = 0;
        *this >> length;
        if (error != 0 || length == 0) {
            value.Empty();
            return *this;
        }
        // A count that the rest of the data cannot hold is an error, not an allocation.
        if (pos > data.size() || (static_cast<std::uint64_t>(length) + 1) * 2 > data.size() - pos) {
            setError(STREAM_E_END_OF_DATA);
            return *this;
        }
        std::u16string units;
        for (unsigned int i = 0; i <= length; ++i) {
            unsigned short unit = 0;
            *this >> unit;
            units += static_cast<char16_t>(unit);
        }
        value = CString(wideToAnsi(units.substr(0, units.find(u'\0'))));
        return *this;
    }

    void Restart() override
    {
        pos = 0;
        error = 0;
    }
    unsigned char ReadByte() override
    {
        if (pos >= data.size()) {
            setError(STREAM_E_END_OF_DATA);
            return 0;
        }
        return data[pos++];
    }
    bool setCurrentPosition(std::uint32_t position) override
    {
        pos = position;
        return true;
    }
    bool getCurrentStreamPosition(std::uint32_t& position) override
    {
        position = pos;
        return true;
    }

private:
    std::vector<unsigned char> data;
    std::uint32_t pos = 0;
};

} // namespace ZenthoIO
