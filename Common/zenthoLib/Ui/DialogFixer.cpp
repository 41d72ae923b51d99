#include "DialogFixer.h"

#include "FontSetup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

CDialogFixer gDialogFixer;

namespace {

constexpr int kPointSize = 9;

// a * b / c rounded half away from zero, as the platform's MulDiv rounds.
int mulDiv(int a, int b, int c)
{
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

bool hasRawSystemFont(const QWidget* window)
{
    return !window->testAttribute(Qt::WA_SetFont) || window->font().family().compare(QLatin1String("System"), Qt::CaseInsensitive) == 0;
}

} // namespace

const QFont& CDialogFixer::font()
{
    if (!m_font) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int dpiY = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
        m_font = windowsFont("MS Sans Serif", mulDiv(kPointSize, dpiY, 72), 400);
    }
    return *m_font;
}

int CDialogFixer::fixDialog(QWidget* dialog)
{
    const QPoint topLeft = dialog->pos();
    // A dialog never placed keeps that state, so that it still opens centred over its window.
    const bool placed = dialog->testAttribute(Qt::WA_Moved);
    for (QWidget* child : dialog->findChildren<QWidget*>())
        fixWindow(child);
    fixWindow(dialog);
    dialog->move(topLeft);
    dialog->setAttribute(Qt::WA_Moved, placed);
    if (QWidget* ok = dialog->findChild<QWidget*>(QStringLiteral("id1")))
        ok->show();
    return 1;
}

void CDialogFixer::fixWindow(QWidget* window)
{
    const QRect rect = window->geometry();
    int left = rect.x();
    int top = rect.y();
    int right = rect.x() + rect.width();
    int bottom = rect.y() + rect.height();
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    left = static_cast<int>(left * xScale);
    right = static_cast<int>(right * xScale);
    top = static_cast<int>(top * yScale);
    bottom = static_cast<int>(bottom * yScale);
    window->setGeometry(left, top, right - left, bottom - top);
    if (hasRawSystemFont(window))
        window->setFont(font());
}
