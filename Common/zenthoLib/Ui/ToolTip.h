// A one-line note inside a window: a thin-bordered, transparent label,
// centred in the width it is given.
#pragma once

#include <QLabel>

class CToolTip : public QLabel {
    Q_OBJECT

public:
    static constexpr int kMargin = 8;

    using QLabel::QLabel;

    // Places `text` at `top` in `parent`, as wide as the text and the margin
    // and centred within `width` when that fits, else spanning 0 ... `width`;
    // the object name is "id<id>".
    bool Create(const QString& text, QWidget* parent, int top, int width, int id);
};
