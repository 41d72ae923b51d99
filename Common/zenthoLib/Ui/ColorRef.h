// Windows colour values (0x00BBGGRR) as Qt colours and back.
#pragma once

#include "platform/WinTypes.h"

#include <QColor>

inline QColor toQColor(COLORREF color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF), static_cast<int>((color >> 16) & 0xFF));
}

inline COLORREF toColorRef(const QColor& color)
{
    return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}

// The colours of a link before and after it was opened.
inline constexpr COLORREF kLinkColor = 0xFF0000;
inline constexpr COLORREF kVisitedLinkColor = 0x800080;
