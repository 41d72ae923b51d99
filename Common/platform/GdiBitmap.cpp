#include "GdiBitmap.h"

#include "platform/LastError.h"

#include <algorithm>
#include <limits>
#include <vector>

struct GdiBitmap {
    LONG width = 0;
    LONG height = 0;
    WORD bitCount = 0;
    DWORD rowBytes = 0;
    std::vector<RGBQUAD> colors;
    std::vector<BYTE> bits;
};

namespace {

// The largest side a bitmap may have; bigger requests are refused as the display driver would.
constexpr LONG maxSide = 16384;

bool supportedDepth(WORD bitCount)
{
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        return true;
    default:
        return false;
    }
}

BYTE* pixelRow(GdiBitmap& bitmap, int y)
{
    return bitmap.bits.data() + static_cast<std::size_t>(bitmap.height - 1 - y) * bitmap.rowBytes;
}

bool inside(const GdiBitmap& bitmap, int x, int y)
{
    return x >= 0 && y >= 0 && x < bitmap.width && y < bitmap.height;
}

unsigned paletteIndex(const BYTE* row, int x, WORD bitCount)
{
    const unsigned bitPos = static_cast<unsigned>(x) * bitCount;
    const unsigned shift = 8 - bitCount - bitPos % 8;
    return (row[bitPos / 8] >> shift) & ((1u << bitCount) - 1);
}

void setPaletteIndex(BYTE* row, int x, WORD bitCount, unsigned index)
{
    const unsigned bitPos = static_cast<unsigned>(x) * bitCount;
    const unsigned shift = 8 - bitCount - bitPos % 8;
    const unsigned mask = ((1u << bitCount) - 1) << shift;
    BYTE& byte = row[bitPos / 8];
    byte = static_cast<BYTE>((byte & ~mask) | ((index << shift) & mask));
}

DWORD argbOf(const RGBQUAD& q, BYTE alpha)
{
    return (DWORD{alpha} << 24) | (DWORD{q.rgbRed} << 16) | (DWORD{q.rgbGreen} << 8) | q.rgbBlue;
}

int channelDistance(const RGBQUAD& q, DWORD argb)
{
    const int dr = q.rgbRed - static_cast<int>((argb >> 16) & 0xFF);
    const int dg = q.rgbGreen - static_cast<int>((argb >> 8) & 0xFF);
    const int db = q.rgbBlue - static_cast<int>(argb & 0xFF);
    return dr * dr + dg * dg + db * db;
}

unsigned nearestColor(const std::vector<RGBQUAD>& colors, DWORD argb)
{
    unsigned best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (unsigned i = 0; i < colors.size(); ++i) {
        const int distance = channelDistance(colors[i], argb);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

BYTE expand5(unsigned v) { return static_cast<BYTE>((v << 3) | (v >> 2)); }

} // namespace

DWORD DibRowBytes(LONG width, WORD bitCount)
{
    return static_cast<DWORD>(((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4);
}

HBITMAP CreateDIBSection(const BITMAPINFOHEADER& header, const RGBQUAD* colors, void** bits)
{
    if (bits)
        *bits = nullptr;
    const bool paletted = header.biBitCount <= 8;
    const DWORD colorCount = paletted ? (header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount) : 0;
    if (header.biWidth <= 0 || header.biHeight <= 0 || header.biWidth > maxSide || header.biHeight > maxSide
        || header.biPlanes != 1 || !supportedDepth(header.biBitCount) || header.biCompression != BI_RGB
        || colorCount > 256 || (colorCount && !colors)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = std::make_unique<GdiBitmap>();
    bitmap->width = header.biWidth;
    bitmap->height = header.biHeight;
    bitmap->bitCount = header.biBitCount;
    bitmap->rowBytes = DibRowBytes(header.biWidth, header.biBitCount);
    if (colorCount) {
        bitmap->colors.assign(colors, colors + colorCount);
        // Indexes past a short colour table read as black.
        bitmap->colors.resize(std::size_t{1} << header.biBitCount, RGBQUAD{0, 0, 0, 0});
    }
    bitmap->bits.assign(static_cast<std::size_t>(bitmap->rowBytes) * bitmap->height, 0);
    if (bits)
        *bits = bitmap->bits.data();
    return bitmap.release();
}

bool DeleteObject(HBITMAP bitmap)
{
    delete bitmap;
    return bitmap != nullptr;
}

bool GetBitmapInfo(HBITMAP bitmap, BITMAP& out)
{
    if (!bitmap)
        return false;
    out = BITMAP{bitmap->width, bitmap->height, static_cast<LONG>(bitmap->rowBytes), bitmap->bitCount,
                 bitmap->bits.data()};
    return true;
}

DWORD GetBitmapPixel(HBITMAP bitmap, int x, int y)
{
    if (!bitmap || !inside(*bitmap, x, y))
        return 0;
    const BYTE* row = pixelRow(*bitmap, y);
    switch (bitmap->bitCount) {
    case 16: {
        const unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
        return 0xFF000000u | (DWORD{expand5((v >> 10) & 31)} << 16) | (DWORD{expand5((v >> 5) & 31)} << 8)
            | expand5(v & 31);
    }
    case 24:
        return argbOf(RGBQUAD{row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 0}, 0xFF);
    case 32:
        return argbOf(RGBQUAD{row[x * 4], row[x * 4 + 1], row[x * 4 + 2], 0}, row[x * 4 + 3]);
    default:
        return argbOf(bitmap->colors[paletteIndex(row, x, bitmap->bitCount)], 0xFF);
    }
}

void SetBitmapPixel(HBITMAP bitmap, int x, int y, DWORD argb)
{
    if (!bitmap || !inside(*bitmap, x, y))
        return;
    BYTE* row = pixelRow(*bitmap, y);
    const BYTE red = (argb >> 16) & 0xFF, green = (argb >> 8) & 0xFF, blue = argb & 0xFF;
    switch (bitmap->bitCount) {
    case 16: {
        const unsigned v = ((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3);
        row[x * 2] = static_cast<BYTE>(v);
        row[x * 2 + 1] = static_cast<BYTE>(v >> 8);
        break;
    }
    case 24:
        row[x * 3] = blue;
        row[x * 3 + 1] = green;
        row[x * 3 + 2] = red;
        break;
    case 32:
        row[x * 4] = blue;
        row[x * 4 + 1] = green;
        row[x * 4 + 2] = red;
        row[x * 4 + 3] = static_cast<BYTE>(argb >> 24);
        break;
    default:
        setPaletteIndex(row, x, bitmap->bitCount, nearestColor(bitmap->colors, argb));
    }
}

bool BitmapHasAlpha(HBITMAP bitmap)
{
    if (!bitmap || bitmap->bitCount != 32)
        return false;
    for (std::size_t i = 3; i < bitmap->bits.size(); i += 4)
        if (bitmap->bits[i])
            return true;
    return false;
}

HBITMAP CopyBitmap(HBITMAP source, WORD bitCount)
{
    if (!source) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    static const RGBQUAD blackAndWhite[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    const RGBQUAD* colors = nullptr;
    if (bitCount <= 8)
        colors = bitCount == source->bitCount ? source->colors.data() : bitCount == 1 ? blackAndWhite : nullptr;
    BITMAPINFOHEADER header{40, source->width, source->height, 1, bitCount, BI_RGB, 0, 0, 0, 0, 0};
    if (bitCount <= 8 && !colors) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HBITMAP copy = CreateDIBSection(header, colors, nullptr);
    if (!copy)
        return nullptr;
    if (bitCount == source->bitCount)
        copy->bits = source->bits;
    else
        BitBlt(copy, 0, 0, source->width, source->height, source, 0, 0);
    // A 32-bit copy of a picture without alpha is opaque, so that alpha drawn into it later does not hide it.
    if (bitCount == 32 && !BitmapHasAlpha(source))
        for (std::size_t i = 3; i < copy->bits.size(); i += 4)
            copy->bits[i] = 0xFF;
    return copy;
}

bool BitBlt(HBITMAP target, int x, int y, int width, int height, HBITMAP source, int sx, int sy)
{
    if (!target || !source)
        return false;
    // Alpha comes along between 32-bit bitmaps only; other pixels land opaque.
    const bool keepAlpha = source->bitCount == 32;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            if (!inside(*source, sx + col, sy + row) || !inside(*target, x + col, y + row))
                continue;
            DWORD argb = GetBitmapPixel(source, sx + col, sy + row);
            if (!keepAlpha)
                argb |= 0xFF000000u;
            SetBitmapPixel(target, x + col, y + row, argb);
        }
    return true;
}
