// The main() of the Qt-side test programs: the offscreen platform unless a
// display was asked for, one QApplication for the whole run, and a check that
// text will be drawn with a real font (without an installed font Qt draws
// every glyph as a box, silently).
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

bool realFontResolves()
{
    const QFont font(QStringLiteral("DejaVu Sans"));
    const QRawFont raw = QRawFont::fromFont(font);
    return QFontInfo(font).family().contains(QLatin1String("DejaVu")) && raw.isValid()
           && raw.supportsCharacter(QLatin1Char('A'));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!realFontResolves()) {
        std::fprintf(stderr, "No real font resolves (install fonts-dejavu-core): text would be drawn as boxes.\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
