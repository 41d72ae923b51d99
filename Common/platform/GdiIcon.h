// Icons: a picture with its transparency, made from a colour and a mask bitmap.
//
// An icon keeps its pixels as 0xAARRGGBB, rows from the top, ready to be
// drawn. A pixel whose mask bit is set is transparent; any other pixel takes
// the colour bitmap's alpha when that bitmap carries alpha, else it is opaque.
#pragma once

#include "platform/GdiBitmap.h"

#include <vector>

struct GdiIcon;
using HICON = GdiIcon*;

// fIcon and the hot spot matter to cursors only; every handle here is drawn as an icon.
struct ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;
    HBITMAP hbmColor;
};

// A new icon of the colour bitmap's size; null (last error set) without a
// colour bitmap or with a mask of another size.
HICON CreateIconIndirect(const ICONINFO& info);
// A new icon from 0xAARRGGBB pixels, rows from the top.
HICON CreateIconFromPixels(int width, int height, const std::vector<DWORD>& argb);
HICON CopyIcon(HICON icon);
bool DestroyIcon(HICON icon);

SIZE GetIconSize(HICON icon);
// The icon's pixels, rows from the top; empty for a null icon.
const std::vector<DWORD>& GetIconPixels(HICON icon);

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<GdiIcon, IconDeleter>;
