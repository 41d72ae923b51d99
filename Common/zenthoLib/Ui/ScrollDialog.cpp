#include "ScrollDialog.h"

#include <QResizeEvent>

CScrollDialog::CScrollDialog(QWidget* parent) : QDialog(parent), m_scroller(*this) {}

void CScrollDialog::initDialog(const QSize& templateSize)
{
    resize(templateSize);
    m_scroller.init();
}

void CScrollDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_scroller.hostResized();
}

void CScrollDialog::wheelEvent(QWheelEvent* event)
{
    m_scroller.hostWheel(event);
}
