// The font faces the dialogs ask for by their Windows names ("Areal",
// "MS Sans Serif", "System") resolve to DejaVu Sans, which the program
// requires. The application and the test programs call this once, after the
// QApplication exists and before the first window.
#pragma once

#include <QFont>

void installFontSubstitutes();
// True when text in `font` will be drawn with real glyphs of a DejaVu face,
// not the boxes of a fallback that holds no Latin letters.
bool resolvesToRealFont(const QFont& font);

// A font of the face `face` `pixelHeight` pixels high with a Windows weight
// (100 to 900: 300 light, 400 normal, 700 bold, 900 heavy).
QFont windowsFont(const char* face, int pixelHeight, int windowsWeight, bool italic = false, bool underline = false);
