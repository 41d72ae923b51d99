// Drawing pictures the same way on the screen, a printer and an image: each
// is first copied into a plain 24-bit buffer, then drawn unscaled.
#pragma once

#include <QRect>

class QImage;
class QPainter;

// Draws the `rect.size()` top-left part of `bitmap` at `rect`'s top-left
// corner; where the bitmap is smaller than the rectangle, black is drawn.
void DrawAsDib(QPainter& painter, const QImage& bitmap, const QRect& rect);
// Copies `rect.size()` from (0, 0) of `source` to (0, 0) of the painter's device.
void CopyAsDib(QPainter& destination, const QImage& source, const QRect& rect);
