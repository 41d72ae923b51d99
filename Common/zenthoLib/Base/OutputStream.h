// The abstract binary output stream. Every value is written byte by byte
// through WriteByte, little-endian; a failure is an error code on the stream.
#pragma once

#include "StreamErrors.h"
#include "platform/CString.h"
#include "platform/Variant.h"

#include <cstdint>

class CSizedArray;

class COutputStream {
public:
    virtual ~COutputStream() = default;

    // Writes the size and the bytes; false when the stream is then in error.
    virtual bool operator<<(CSizedArray& array);
    virtual COutputStream& operator<<(float value);
    virtual COutputStream& operator<<(double value);
    // A 32-bit length, then each character as a 32-bit unit (the byte zero-extended).
    virtual COutputStream& operator<<(const CString& value);
    // A 32-bit count of UTF-16 units, then each unit zero-extended to 32 bits.
    virtual COutputStream& operator<<(const WCHAR* value);
    virtual COutputStream& operator<<(const char* value);
    virtual COutputStream& operator<<(bool value);
    virtual COutputStream& operator<<(unsigned int value);
    virtual COutputStream& operator<<(int value);
    virtual COutputStream& operator<<(unsigned char value);
    virtual COutputStream& operator<<(char value);
    virtual COutputStream& operator<<(unsigned short value);
    virtual COutputStream& operator<<(short value);
    virtual COutputStream& operator<<(unsigned long value);
    virtual COutputStream& operator<<(long value);
    virtual std::uint32_t getDataSize() = 0;
    virtual bool getCurrentStreamPosition(std::uint32_t& position) = 0;
    virtual bool setCurrentPosition(std::uint32_t position) = 0;
    virtual void setError(HRESULT code);
    virtual void WriteByte(unsigned char value) = 0;
    // The written bytes formatted for diagnostics.
    virtual CString DUMP_CONTENT() = 0;

    // Not a stream operator: a variant is a tag and a payload by tag.
    COutputStream& operator<<(const _variant_t& value);

    HRESULT getError() const { return error; }
    // Writes the bytes one by one, stopping at the end of data; returns the count written.
    std::uint32_t WriteBytes(const unsigned char* buffer, std::uint32_t n);

protected:
    void writeUInt16(std::uint16_t value);
    void writeUInt32(std::uint32_t value);
    void writeCharacters(std::string_view text);

    HRESULT error = 0;
};
