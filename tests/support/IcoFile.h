// Hand-built icon files for tests.
//
// Every image has the same picture, so a test can check what was read: the
// top row is green, every other row red, and the right half is transparent.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ico {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t green = 0xFF00FF00u;
constexpr std::uint32_t red = 0xFFFF0000u;

inline void put16(Bytes& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

inline std::size_t rowBytes(int width, int bitCount) { return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4; }

inline void setBits(Bytes& row, int x, int bitCount, unsigned value)
{
    const unsigned pos = static_cast<unsigned>(x) * bitCount;
    const unsigned shift = 8 - bitCount - pos % 8;
    row[pos / 8] = static_cast<std::uint8_t>(row[pos / 8] | (value << shift));
}

// One pixel of the test picture in a row of the given depth: through the
// colour table up to 8 bits, the colour itself above.
inline void putPixel(Bytes& row, int x, int bitCount, bool top)
{
    const std::uint32_t argb = top ? green : red;
    switch (bitCount) {
    case 1:
        setBits(row, x, 1, top ? 0 : 1);
        break;
    case 16: {
        const unsigned v = top ? 0x03E0 : 0x7C00;
        row[static_cast<std::size_t>(x) * 2] = static_cast<std::uint8_t>(v);
        row[static_cast<std::size_t>(x) * 2 + 1] = static_cast<std::uint8_t>(v >> 8);
        break;
    }
    case 24:
    case 32:
        for (int c = 0; c < bitCount / 8; ++c)
            row[static_cast<std::size_t>(x) * (bitCount / 8) + c] = c < 3 ? static_cast<std::uint8_t>(argb >> (8 * c)) : 0;
        break;
    default:
        setBits(row, x, bitCount, top ? 2 : 1);
    }
}

struct ImageOptions {
    ImageOptions(int width_ = 16, int height_ = 16, int bitCount_ = 4, std::uint32_t headerSize_ = 40,
                 std::uint32_t compression_ = 0, std::optional<std::size_t> maskBytes_ = std::nullopt)
        : width(width_), height(height_), bitCount(bitCount_), headerSize(headerSize_), compression(compression_),
          maskBytes(maskBytes_)
    {
    }
    int width;
    int height;
    int bitCount;
    std::uint32_t headerSize;
    std::uint32_t compression;
    std::optional<std::size_t> maskBytes; // how much of the mask is stored; all of it by default
};

// The bytes of one image: header (height doubled), colour table, colour rows, mask rows.
inline Bytes bitmapImage(const ImageOptions& o)
{
    Bytes out;
    put32(out, o.headerSize);
    put32(out, static_cast<std::uint32_t>(o.width));
    put32(out, static_cast<std::uint32_t>(o.height * 2));
    put16(out, 1);
    put16(out, static_cast<unsigned>(o.bitCount));
    put32(out, o.compression);
    for (int i = 0; i < 5; ++i)
        put32(out, 0);
    out.resize(o.headerSize > 40 && o.headerSize < 4096 ? o.headerSize : out.size(), 0);
    if (o.bitCount <= 8)
        for (int i = 0; i < (1 << o.bitCount); ++i)
            put32(out, i == 1 ? (red & 0xFFFFFF) : (i == 2 || o.bitCount == 1) ? (green & 0xFFFFFF) : 0x808080u);
    for (int y = o.height - 1; y >= 0; --y) {
        Bytes row(rowBytes(o.width, o.bitCount), 0);
        for (int x = 0; x < o.width; ++x)
            putPixel(row, x, o.bitCount, y == 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    Bytes mask;
    for (int y = o.height - 1; y >= 0; --y) {
        Bytes row(rowBytes(o.width, 1), 0);
        for (int x = o.width / 2; x < o.width; ++x)
            setBits(row, x, 1, 1);
        mask.insert(mask.end(), row.begin(), row.end());
    }
    mask.resize(o.maskBytes.value_or(mask.size()));
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

// A directory entry and its image. The directory claims 48x48 for every
// image, which the loader must not believe.
struct Entry {
    Entry(Bytes image_, std::optional<std::uint32_t> offset_ = std::nullopt,
          std::optional<std::uint32_t> size_ = std::nullopt)
        : image(std::move(image_)), offset(offset_), size(size_)
    {
    }
    Bytes image;
    std::optional<std::uint32_t> offset; // where the image lies; right after the previous one by default
    std::optional<std::uint32_t> size;   // the size the directory gives; the image's own by default
};

inline Bytes iconFile(const std::vector<Entry>& entries, unsigned reserved = 0, unsigned type = 1)
{
    Bytes out;
    put16(out, reserved);
    put16(out, type);
    put16(out, static_cast<unsigned>(entries.size()));
    std::uint32_t next = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.push_back(48);
        out.push_back(48);
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, 4);
        put32(out, e.size.value_or(static_cast<std::uint32_t>(e.image.size())));
        put32(out, e.offset.value_or(next));
        next += static_cast<std::uint32_t>(e.image.size());
    }
    for (const Entry& e : entries)
        out.insert(out.end(), e.image.begin(), e.image.end());
    return out;
}

inline void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A good icon file with a 16x16 and a 32x32 image of the given depth.
inline Bytes standardIcon(int bitCount = 4)
{
    return iconFile({{bitmapImage({16, 16, bitCount})}, {bitmapImage({32, 32, bitCount})}});
}

} // namespace ico
