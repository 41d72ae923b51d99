// The toolbar's pictures, drawn at 16 x 16 pixels in one flat style.
#pragma once

#include <QIcon>

// The picture of command `id`; a null icon for a command without one.
QIcon toolbarIcon(int id);
