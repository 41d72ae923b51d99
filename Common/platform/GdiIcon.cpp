#include "GdiIcon.h"

#include "platform/LastError.h"

struct GdiIcon {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
};

HICON CreateIconIndirect(const ICONINFO& info)
{
    BITMAP color{}, mask{};
    if (!GetBitmapInfo(info.hbmColor, color)
        || (info.hbmMask && (!GetBitmapInfo(info.hbmMask, mask) || mask.bmWidth != color.bmWidth
                             || mask.bmHeight != color.bmHeight))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const bool colorAlpha = BitmapHasAlpha(info.hbmColor);
    std::vector<DWORD> pixels;
    pixels.reserve(static_cast<std::size_t>(color.bmWidth) * color.bmHeight);
    for (int y = 0; y < color.bmHeight; ++y)
        for (int x = 0; x < color.bmWidth; ++x) {
            const bool transparent = info.hbmMask && (GetBitmapPixel(info.hbmMask, x, y) & 0xFFFFFF) != 0;
            const DWORD argb = GetBitmapPixel(info.hbmColor, x, y);
            pixels.push_back(transparent ? 0 : colorAlpha ? argb : (argb | 0xFF000000u));
        }
    return CreateIconFromPixels(color.bmWidth, color.bmHeight, pixels);
}

HICON CreateIconFromPixels(int width, int height, const std::vector<DWORD>& argb)
{
    if (width <= 0 || height <= 0 || argb.size() != static_cast<std::size_t>(width) * height) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto icon = new GdiIcon;
    icon->width = width;
    icon->height = height;
    icon->pixels = argb;
    return icon;
}

HICON CopyIcon(HICON icon)
{
    if (!icon) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return new GdiIcon(*icon);
}

bool DestroyIcon(HICON icon)
{
    delete icon;
    return icon != nullptr;
}

SIZE GetIconSize(HICON icon)
{
    return icon ? SIZE{icon->width, icon->height} : SIZE{0, 0};
}

const std::vector<DWORD>& GetIconPixels(HICON icon)
{
    static const std::vector<DWORD> none;
    return icon ? icon->pixels : none;
}
