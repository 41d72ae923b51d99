#include "app/AboutPicture.h"

#include "zenthoLib/Ui/FontSetup.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr QSize kPictureSize(240, 170);

void drawWallet(QPainter& painter, const QRectF& body)
{
    painter.setPen(QPen(QColor(90, 55, 25), 1.5));
    painter.setBrush(QColor(150, 95, 45));
    painter.drawRoundedRect(body, 8, 8);
    // A card peeks out of the wallet.
    painter.setBrush(QColor(70, 130, 200));
    painter.drawRoundedRect(QRectF(body.left() + 10, body.top() - 14, body.width() - 30, 30), 4, 4);
    painter.setBrush(QColor(170, 110, 55));
    painter.drawRoundedRect(body.adjusted(0, 10, 0, 0), 8, 8);
    const QRectF flap(body.right() - 34, body.center().y() - 2, 36, 24);
    painter.setBrush(QColor(120, 75, 35));
    painter.drawRoundedRect(flap, 6, 6);
    painter.setBrush(QColor(230, 200, 90));
    painter.drawEllipse(QPointF(flap.left() + 11, flap.center().y()), 4, 4);
}

} // namespace

QImage aboutPicture()
{
    QImage picture(kPictureSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, kPictureSize.height());
    ground.setColorAt(0, QColor(205, 225, 245));
    ground.setColorAt(1, QColor(250, 252, 255));
    painter.fillRect(picture.rect(), ground);
    drawWallet(painter, QRectF(130, 40, 95, 62));
    painter.setPen(QColor(25, 45, 85));
    painter.setFont(windowsFont("Areal", 30, 700));
    painter.drawText(QRect(15, 30, 120, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Keldra"));
    return picture;
}
