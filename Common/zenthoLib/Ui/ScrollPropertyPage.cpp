#include "ScrollPropertyPage.h"

#include <QResizeEvent>

CScrollPropertyPage::CScrollPropertyPage(UINT templateId, QWidget* parent) : QWidget(parent), m_templateId(templateId), m_scroller(*this) {}

void CScrollPropertyPage::initPage(const QSize& templateSize)
{
    resize(templateSize);
    m_scroller.init();
}

void CScrollPropertyPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scroller.hostResized();
}

void CScrollPropertyPage::wheelEvent(QWheelEvent* event)
{
    m_scroller.hostWheel(event);
}
