// An output stream into a caller-owned block of fixed capacity. A write past
// the capacity sets the end-of-data error and keeps counting, so that
// getDataSize reports the size the data would have needed.
#pragma once

#include "OutputStream.h"

class CByteOutputStream : public COutputStream {
public:
    CByteOutputStream(unsigned char* buffer, std::uint32_t capacity) : buffer(buffer), capacity(capacity) {}

    std::uint32_t getDataSize() override { return pos; }
    bool getCurrentStreamPosition(std::uint32_t& position) override;
    bool setCurrentPosition(std::uint32_t position) override;
    void WriteByte(unsigned char value) override;
    // The stored bytes as "%X," each.
    CString DUMP_CONTENT() override;

private:
    unsigned char* buffer;
    std::uint32_t capacity;
    std::uint32_t pos = 0;
};
