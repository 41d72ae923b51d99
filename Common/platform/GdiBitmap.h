// Device-independent bitmaps: the platform's colour and mask bitmaps.
//
// A bitmap keeps its pixels as a Windows DIB does: rows bottom-up, each row
// padded to 4 bytes, 1, 4 or 8 bits per pixel through a colour table, or 16,
// 24 or 32 bits of direct colour (blue first). Pixels read out as 0xAARRGGBB.
#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <type_traits>

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};
static_assert(sizeof(RGBQUAD) == 4);

struct SIZE {
    LONG cx;
    LONG cy;
};

constexpr DWORD BI_RGB = 0;

struct GdiBitmap;
using HBITMAP = GdiBitmap*;

// Bytes of one padded row of a bitmap `width` pixels wide.
DWORD DibRowBytes(LONG width, WORD bitCount);

// A bottom-up bitmap of the header's width, height and depth (1, 4, 8, 16, 24
// or 32 bits, BI_RGB only), its colour table taken from `colors` (biClrUsed
// entries, or all 2^depth when that is 0; none for direct colour). Pixels start
// at 0. `bits`, when given, receives the start of the pixel rows.
// Null with the last error set when the header is not usable.
HBITMAP CreateDIBSection(const BITMAPINFOHEADER& header, const RGBQUAD* colors, void** bits);
// Frees a bitmap; false for a null handle.
bool DeleteObject(HBITMAP bitmap);

// What a bitmap is: size, depth, row length and where its rows start.
struct BITMAP {
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmBitsPixel;
    void* bmBits;
};
bool GetBitmapInfo(HBITMAP bitmap, BITMAP& out);

// The colour of pixel (x, y), y counted from the top, as 0xAARRGGBB. Alpha is
// the stored one for 32-bit pixels and 0xFF for every other depth.
DWORD GetBitmapPixel(HBITMAP bitmap, int x, int y);
// Stores the nearest colour the bitmap can hold (the nearest colour-table entry for 1 to 8 bits).
void SetBitmapPixel(HBITMAP bitmap, int x, int y, DWORD argb);
// True for 32-bit bitmaps whose alpha bytes are not all 0.
bool BitmapHasAlpha(HBITMAP bitmap);

// A new bitmap of the same size holding the same picture at `bitCount` bits
// (the source's colour table for 1 to 8 bits when the depth is kept, black and
// white for a new 1-bit bitmap).
HBITMAP CopyBitmap(HBITMAP source, WORD bitCount);
// Copies a width x height block from (sx, sy) of `source` to (x, y) of
// `target`, both from the top, converting colours; the block is clipped to both.
bool BitBlt(HBITMAP target, int x, int y, int width, int height, HBITMAP source, int sx, int sy);

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using UniqueBitmap = std::unique_ptr<GdiBitmap, BitmapDeleter>;
