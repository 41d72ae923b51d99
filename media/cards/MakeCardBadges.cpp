// Draws the card-maker badges of the credit-card display: one plain rounded
// rectangle per maker in a colour of its own, with the maker's name on it.
// Run it with the folder to write into; it writes one PNG file per maker.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace {

struct Badge {
    const char* file;
    // The name as drawn, "\n" between the lines.
    const char* caption;
    int width;
    int height;
    QRgb fill;
};

constexpr Badge kBadges[] = {
    {"american-express.png", "American\nExpress", 90, 48, 0xff6a4c93},
    {"dinners-club.png", "Dinner's\nClub", 88, 44, 0xff7a7f2a},
    {"discover.png", "Discover", 110, 42, 0xff1f6f6f},
    {"mastercard.png", "MasterCard", 100, 50, 0xff8e3b6e},
    {"switch.png", "Switch", 80, 44, 0xff8a5a2b},
    {"visa.png", "VISA", 100, 44, 0xff4d6b3c},
};

constexpr int kCornerRadius = 7;
constexpr int kFramePen = 2;
constexpr int kTextMargin = 5;
constexpr int kLargestTextSize = 16;
constexpr int kSmallestTextSize = 8;

QImage drawBadge(const Badge& badge)
{
    QImage image(badge.width, badge.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = QColor::fromRgba(badge.fill);
    painter.setPen(QPen(fill.darker(140), kFramePen));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(image.rect()).adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);

    const QString caption = QString::fromUtf8(badge.caption);
    const QRect textBox = image.rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    QFont font("DejaVu Sans");
    font.setBold(true);
    // The largest size at which the name fits inside the frame.
    for (int size = kLargestTextSize; size > kSmallestTextSize; --size) {
        font.setPixelSize(size);
        if (textBox.contains(QFontMetrics(font).boundingRect(textBox, Qt::AlignCenter, caption)))
            break;
    }
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(textBox, Qt::AlignCenter, caption);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const Badge& badge : kBadges) {
        const QString path = folder + '/' + badge.file;
        if (!drawBadge(badge).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
