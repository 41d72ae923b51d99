#include "ToolTip.h"

bool CToolTip::Create(const QString& text, QWidget* parent, int top, int width, int id)
{
    setParent(parent);
    setObjectName(QStringLiteral("id%1").arg(id));
    setText(text);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    const int tipWidth = fontMetrics().horizontalAdvance(text) + kMargin;
    const int height = fontMetrics().height() + 2 * lineWidth();
    if (tipWidth <= width)
        setGeometry((width - tipWidth) / 2, top, tipWidth, height);
    else
        setGeometry(0, top, width, height);
    show();
    return true;
}
