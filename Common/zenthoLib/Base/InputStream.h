// The abstract binary input stream. Every value is read byte by byte through
// ReadByte, little-endian; a failure is an error code on the stream, checked
// by the caller with getError.
#pragma once

#include "StreamErrors.h"
#include "platform/CString.h"
#include "platform/Variant.h"

#include <cstdint>

class CSizedArray;

namespace ZenthoIO {

class CInputStream {
public:
    virtual ~CInputStream() = default;

    // True exactly when the error is the end-of-data code.
    virtual bool eof();
    virtual CInputStream& operator>>(_variant_t& value);
    virtual CInputStream& operator>>(float& value);
    virtual CInputStream& operator>>(double& value);
    // Reads the writer's form: a 32-bit length, then one 32-bit unit per
    // character whose low byte is the character.
    virtual CInputStream& operator>>(CString& value);
    virtual CInputStream& operator>>(bool& value);
    virtual CInputStream& operator>>(unsigned int& value);
    virtual CInputStream& operator>>(int& value);
    virtual CInputStream& operator>>(unsigned char& value);
    virtual CInputStream& operator>>(char& value);
    virtual CInputStream& operator>>(unsigned short& value);
    virtual CInputStream& operator>>(short& value);
    virtual CInputStream& operator>>(unsigned long& value);
    virtual CInputStream& operator>>(long& value);
    virtual void Restart() = 0;
    virtual unsigned char ReadByte() = 0;
    // Reads up to n bytes, stopping at the end of data; returns the count read.
    virtual std::uint32_t ReadBytes(unsigned char* buffer, std::uint32_t n);
    virtual bool setCurrentPosition(std::uint32_t position) = 0;
    virtual bool getCurrentStreamPosition(std::uint32_t& position) = 0;
    virtual bool readArray(CSizedArray& array);

    HRESULT getError() const { return error; }

protected:
    void setError(HRESULT code);
    std::uint16_t readUInt16();
    std::uint32_t readUInt32();

    HRESULT error = 0;
};

} // namespace ZenthoIO
