#include "ContentScroller.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace {

// The new position for a scroll code, before it is limited.
int wantedPosition(UINT code, int pos, int visible, int max, int thumbPos)
{
    switch (code) {
    case SB_LINEUP:
        return pos - CContentScroller::kLineStep;
    case SB_LINEDOWN:
        return pos + CContentScroller::kLineStep;
    case SB_PAGEUP:
        return pos - visible;
    case SB_PAGEDOWN:
        return pos + visible;
    case SB_THUMBTRACK:
        return thumbPos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return max;
    default:
        return pos;
    }
}

UINT codeOfAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return SB_ENDSCROLL;
    }
}

} // namespace

CContentScroller::CContentScroller(QWidget& host) : m_host(host)
{
    m_vertical.bar = new QScrollBar(Qt::Vertical, &host);
    m_horizontal.bar = new QScrollBar(Qt::Horizontal, &host);
    for (Axis* axis : {&m_vertical, &m_horizontal}) {
        axis->bar->hide();
        axis->bar->setSingleStep(kLineStep);
        QObject::connect(axis->bar, &QAbstractSlider::actionTriggered, &host, [this, axis](int action) { followBar(*axis, action); });
    }
}

void CContentScroller::init()
{
    m_contentWidth = m_host.width();
    m_contentHeight = m_host.height();
    m_vScrolling = false;
    m_hScrolling = false;
    m_vertical.pos = 0;
    m_horizontal.pos = 0;
    m_vertical.bar->hide();
    m_horizontal.bar->hide();
    m_initialised = true;
}

QSize CContentScroller::clientSize() const
{
    const int barWidth = m_vScrolling ? m_vertical.bar->sizeHint().width() : 0;
    const int barHeight = m_hScrolling ? m_horizontal.bar->sizeHint().height() : 0;
    return {std::max(0, m_host.width() - barWidth), std::max(0, m_host.height() - barHeight)};
}

void CContentScroller::hostResized()
{
    if (!m_initialised || m_inResize)
        return;
    m_inResize = true;
    const Qt::WindowStates state = m_host.isWindow() ? m_host.windowState() : Qt::WindowNoState;
    const UINT type = state & Qt::WindowMinimized ? SIZE_MINIMIZED : state & Qt::WindowMaximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
    // First as if no bar showed; a scroll bar that appears then narrows the
    // client area, and the next pass sees the area the one before left.
    onSize(type, m_host.width(), m_host.height());
    for (int pass = 0; pass < 2; ++pass) {
        const QSize before = clientSize();
        onSize(type, before.width(), before.height());
        if (clientSize() == before)
            break;
    }
    placeBars();
    m_inResize = false;
}

void CContentScroller::onSize(UINT type, int cx, int cy)
{
    if (!m_initialised || type != SIZE_RESTORED)
        return;
    if (cy >= m_contentHeight)
        stopScrolling(m_vertical, m_vScrolling, m_contentHeight, cy, true);
    else
        fitAxis(m_vertical, m_vScrolling, m_contentHeight, cy, true);
    if (noHorizontal == 0 && cx < m_contentWidth)
        fitAxis(m_horizontal, m_hScrolling, m_contentWidth, cx, false);
    else
        stopScrolling(m_horizontal, m_hScrolling, m_contentWidth, cx, false);
    placeBars();
}

void CContentScroller::fitAxis(Axis& axis, bool& scrolling, int content, int visible, bool vertical)
{
    scrolling = true;
    int pos = axis.pos;
    if (pos + visible > content) {
        pos = content - visible;
        scrollBy(axis, pos, vertical);
    }
    setRange(axis, content - 1, visible);
    setPosition(axis, pos);
}

void CContentScroller::stopScrolling(Axis& axis, bool& scrolling, int content, int visible, bool vertical)
{
    if (!scrolling)
        return;
    scrollBy(axis, 0, vertical);
    setRange(axis, content - 1, visible);
    scrolling = false;
}

void CContentScroller::onVScroll(UINT code, int thumbPos)
{
    if (!m_vScrolling)
        return;
    const Axis& axis = m_vertical;
    const int visible = axis.page;
    int pos = wantedPosition(code, axis.pos, visible, axis.max, thumbPos);
    if (code != SB_TOP)
        pos = std::clamp(pos, 0, std::max(0, axis.max + 1 - visible));
    if (pos != axis.pos)
        scrollBy(m_vertical, pos, true);
}

void CContentScroller::onHScroll(UINT code, int thumbPos)
{
    if (!m_hScrolling)
        return;
    const Axis& axis = m_horizontal;
    const int visible = axis.page;
    int pos = wantedPosition(code, axis.pos, visible, axis.max, thumbPos);
    if (code != SB_LEFT)
        pos = std::clamp(pos, 0, std::max(0, axis.max - 1 - visible));
    if (pos != axis.pos)
        scrollBy(m_horizontal, pos, false);
}

void CContentScroller::hostWheel(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(steps); ++i)
        onVScroll(steps > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    event->setAccepted(m_vScrolling);
}

void CContentScroller::followBar(Axis& axis, int action)
{
    const UINT code = codeOfAction(action);
    if (&axis == &m_vertical)
        onVScroll(code, axis.bar->sliderPosition());
    else
        onHScroll(code, axis.bar->sliderPosition());
    axis.bar->setSliderPosition(axis.pos);
}

void CContentScroller::scrollBy(Axis& axis, int newPos, bool vertical)
{
    const int delta = axis.pos - newPos;
    axis.pos = newPos;
    if (delta != 0) {
        const QPoint shift(vertical ? 0 : delta, vertical ? delta : 0);
        for (QWidget* child : m_host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != m_vertical.bar && child != m_horizontal.bar)
                child->move(child->pos() + shift);
        m_host.update();
    }
    setPosition(axis, newPos);
}

void CContentScroller::setRange(Axis& axis, int max, int page)
{
    axis.max = max;
    axis.page = page;
    const QSignalBlocker block(axis.bar);
    axis.bar->setRange(0, std::max(0, max + 1 - page));
    axis.bar->setPageStep(std::max(1, page));
}

void CContentScroller::setPosition(Axis& axis, int pos)
{
    axis.pos = pos;
    const QSignalBlocker block(axis.bar);
    axis.bar->setValue(pos);
}

void CContentScroller::placeBars()
{
    const int barWidth = m_vertical.bar->sizeHint().width();
    const int barHeight = m_horizontal.bar->sizeHint().height();
    const int right = m_vScrolling ? barWidth : 0;
    const int bottom = m_hScrolling ? barHeight : 0;
    m_vertical.bar->setGeometry(m_host.width() - barWidth, 0, barWidth, m_host.height() - bottom);
    m_horizontal.bar->setGeometry(0, m_host.height() - barHeight, m_host.width() - right, barHeight);
    m_vertical.bar->setVisible(m_vScrolling);
    m_horizontal.bar->setVisible(m_hScrolling);
    m_vertical.bar->raise();
    m_horizontal.bar->raise();
}
