#include "SizedArray.h"

#include <cstring>
#include <new>
#include <utility>

CSizedArray::CSizedArray(const CSizedArray& other) : CRefCntBase() { copyFrom(other); }

CSizedArray& CSizedArray::operator=(const CSizedArray& other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

CSizedArray::CSizedArray(CSizedArray&& other) noexcept : CRefCntBase(), size(std::exchange(other.size, 0)), data(std::exchange(other.data, nullptr)) {}

CSizedArray& CSizedArray::operator=(CSizedArray&& other) noexcept
{
    if (this != &other) {
        done();
        size = std::exchange(other.size, 0);
        data = std::exchange(other.data, nullptr);
    }
    return *this;
}

CSizedArray::~CSizedArray() { done(); }

bool CSizedArray::init(std::uint32_t n)
{
    done();
    if (n == 0)
        return true;
    data = new (std::nothrow) unsigned char[n];
    if (!data)
        return false;
    size = n;
    return true;
}

void CSizedArray::done()
{
    delete[] data;
    data = nullptr;
    size = 0;
}

bool CSizedArray::setSize(std::uint32_t n)
{
    if (n <= size) {
        size = n;
        return true;
    }
    auto* grown = new (std::nothrow) unsigned char[n];
    if (!grown)
        return false;
    if (data)
        std::memcpy(grown, data, size);
    delete[] data;
    data = grown;
    size = n;
    return true;
}

bool CSizedArray::copyFrom(const CSizedArray& other)
{
    if (!init(other.size))
        return false;
    if (other.size)
        std::memcpy(data, other.data, other.size);
    return true;
}
