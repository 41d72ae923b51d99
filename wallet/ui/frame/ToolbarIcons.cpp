#include "frame/ToolbarIcons.h"

#include "frame/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kInk(60, 60, 70);
const QColor kPaper(250, 250, 245);
const QColor kFolder(235, 190, 80);
const QColor kCard(120, 170, 220);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 50, 40);
const QColor kMetal(190, 150, 60);

void drawSheet(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(12.5, 4.5);
    sheet.lineTo(12.5, 14.5);
    sheet.lineTo(3.5, 14.5);
    sheet.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void drawFolder(QPainter& p)
{
    p.setBrush(kFolder);
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
}

void drawPlus(QPainter& p, QPointF centre)
{
    p.save();
    p.setPen(QPen(kGreen, 2));
    p.drawLine(centre - QPointF(3, 0), centre + QPointF(3, 0));
    p.drawLine(centre - QPointF(0, 3), centre + QPointF(0, 3));
    p.restore();
}

void drawNew(QPainter& p) { drawSheet(p); }

void drawOpen(QPainter& p)
{
    drawFolder(p);
    p.setBrush(kPaper);
    QPolygonF flap({QPointF(4.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)});
    p.drawPolygon(flap);
}

void drawNewCategory(QPainter& p)
{
    drawFolder(p);
    drawPlus(p, QPointF(11, 11));
}

void drawNewCard(QPainter& p)
{
    p.setBrush(kCard);
    p.drawRoundedRect(QRectF(0.5, 3.5, 13, 9), 1.5, 1.5);
    p.drawLine(QPointF(2.5, 6.5), QPointF(8.5, 6.5));
    drawPlus(p, QPointF(12, 12));
}

void drawDelete(QPainter& p)
{
    p.setPen(QPen(kRed, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawLock(QPainter& p)
{
    p.save();
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 6), QPointF(4.5, 7.5));
    p.drawLine(QPointF(11.5, 6), QPointF(11.5, 7.5));
    p.restore();
    p.setBrush(kMetal);
    p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1, 1);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8, 10.5), 1, 1);
}

void drawFind(QPainter& p)
{
    p.save();
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    p.restore();
    p.setBrush(QColor(200, 225, 245));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
}

void drawArrow(QPainter& p, bool forward)
{
    const qreal tip = forward ? 14 : 2;
    const qreal back = forward ? 7 : 9;
    QPolygonF arrow({QPointF(tip, 8), QPointF(back, 2.5), QPointF(back, 5.5), QPointF(16 - tip, 5.5), QPointF(16 - tip, 10.5),
                     QPointF(back, 10.5), QPointF(back, 13.5)});
    p.setBrush(kCard);
    p.drawPolygon(arrow);
}

void drawFindPrev(QPainter& p) { drawArrow(p, false); }
void drawFindNext(QPainter& p) { drawArrow(p, true); }

struct IconPainter {
    int id;
    void (*paint)(QPainter&);
};

const IconPainter kPainters[] = {
    {CommandId::New, drawNew},
    {CommandId::Open, drawOpen},
    {CommandId::NewCategory, drawNewCategory},
    {CommandId::NewCard, drawNewCard},
    {CommandId::Delete, drawDelete},
    {CommandId::Lock, drawLock},
    {CommandId::Find, drawFind},
    {CommandId::FindPrev, drawFindPrev},
    {CommandId::FindNext, drawFindNext},
};

} // namespace

QIcon toolbarIcon(int id)
{
    for (const IconPainter& painter : kPainters) {
        if (painter.id != id)
            continue;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1));
        painter.paint(p);
        return QIcon(pixmap);
    }
    return QIcon();
}
