#include "DibDrawing.h"

#include <QImage>
#include <QPainter>

namespace {

QImage dibCopy(const QImage& bitmap, const QSize& size)
{
    QImage dib(size, QImage::Format_RGB888);
    dib.fill(Qt::black);
    QPainter painter(&dib);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), bitmap);
    return dib;
}

} // namespace

void DrawAsDib(QPainter& painter, const QImage& bitmap, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    painter.drawImage(rect.topLeft(), dibCopy(bitmap, rect.size()));
}

void CopyAsDib(QPainter& destination, const QImage& source, const QRect& rect)
{
    DrawAsDib(destination, source, QRect(QPoint(0, 0), rect.size()));
}
