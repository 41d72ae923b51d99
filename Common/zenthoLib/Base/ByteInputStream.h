// An input stream over a caller-owned block of bytes.
#pragma once

#include "InputStream.h"

namespace ZenthoIO {

class CByteInputStream : public CInputStream {
public:
    CByteInputStream(const unsigned char* data, std::uint32_t size) : data(data), size(size) {}

    void Restart() override;
    unsigned char ReadByte() override;
    // Accepts only positions inside the data (the size itself is refused).
    bool setCurrentPosition(std::uint32_t position) override;
    bool getCurrentStreamPosition(std::uint32_t& position) override;

private:
    const unsigned char* data;
    std::uint32_t size;
    std::uint32_t pos = 0;
};

} // namespace ZenthoIO
