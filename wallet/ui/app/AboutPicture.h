// The picture at the top of the about box: the program's name beside a
// drawn wallet, on a light ground that leaves room for the version text.
#pragma once

#include <QImage>

QImage aboutPicture();
