// An owned byte block with its size.
#pragma once

#include "RefCntBase.h"

#include <cstdint>

class CSizedArray : public CRefCntBase {
public:
    CSizedArray() = default;
    CSizedArray(const CSizedArray& other);
    CSizedArray& operator=(const CSizedArray& other);
    // The block moves over; `other` is left empty.
    CSizedArray(CSizedArray&& other) noexcept;
    CSizedArray& operator=(CSizedArray&& other) noexcept;
    ~CSizedArray() override;

    // Frees the old block and allocates n uninitialised bytes; false (and empty) when that fails.
    bool init(std::uint32_t n);
    void done();
    // Shrinking keeps the block; growing copies the old bytes into a new one.
    bool setSize(std::uint32_t n);
    bool copyFrom(const CSizedArray& other);

    unsigned char* getData() const { return data; }
    std::uint32_t getSize() const { return size; }
    bool isEmpty() const { return data == nullptr; }

private:
    std::uint32_t size = 0;
    unsigned char* data = nullptr;
};
