// The main() of the Qt-side test programs: the offscreen platform unless a
// display was asked for, one QApplication for the whole run with the font
// faces of the dialogs resolved as the program resolves them, and a check
// that text will be drawn with a real font (without an installed font Qt
// draws every glyph as a box, silently).
#include "zenthoLib/Ui/FontSetup.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

bool realFontResolves()
{
    for (const char* face : {"DejaVu Sans", "Areal", "MS Sans Serif"})
        if (!resolvesToRealFont(QFont(QString::fromLatin1(face))))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    if (!realFontResolves()) {
        std::fprintf(stderr, "No real font resolves (install fonts-dejavu-core): text would be drawn as boxes.\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
