// An image list: numbered pictures of one size with their transparency.
//
// Pictures are kept as 0xAARRGGBB rows from the top. The list may be filled
// on one thread and read on another: every operation takes the list's lock.
#pragma once

#include "platform/GdiIcon.h"

#include <mutex>
#include <vector>

// Creation flags, as the Windows image-list flags; every list keeps transparency.
constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLORDDB = 0x00FE;

class CImageList {
public:
    CImageList() = default;
    virtual ~CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Makes the list empty for images of cx x cy with room for `initial`
    // images; it grows as needed. False for a size below 1 or a negative count.
    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    bool IsCreated() const;
    SIZE GetImageSize() const;
    int GetImageCount() const;

    // Appends the icon, scaled to the list's size; its index, or -1.
    int Add(HICON icon);
    // Puts the icon (scaled) in place of image `index`; false for a bad index or icon.
    bool Replace(int index, HICON icon);
    // A new icon of image `index`, null for a bad index.
    HICON ExtractIcon(int index) const;
    // A copy of image `index`'s pixels; empty for a bad index.
    std::vector<DWORD> GetImagePixels(int index) const;

private:
    std::vector<DWORD> scaled(HICON icon) const;

    mutable std::mutex m_lock;
    bool m_created = false;
    int m_cx = 0;
    int m_cy = 0;
    std::vector<std::vector<DWORD>> m_images;
};
