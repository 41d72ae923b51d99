#include "FontSetup.h"

#include <QFontInfo>
#include <QRawFont>

namespace {

constexpr const char* kRealFamily = "DejaVu Sans";
constexpr const char* kWindowsFaces[] = {"Areal", "Arial", "MS Sans Serif", "System"};

} // namespace

void installFontSubstitutes()
{
    for (const char* face : kWindowsFaces)
        QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(kRealFamily));
}

bool resolvesToRealFont(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    return QFontInfo(font).family().contains(QLatin1String("DejaVu")) && raw.isValid() && raw.supportsCharacter(QLatin1Char('A'));
}

QFont windowsFont(const char* face, int pixelHeight, int windowsWeight, bool italic, bool underline)
{
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(windowsWeight));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
