// The scrolling of a page or dialog whose window is smaller than its
// template: the host's child controls are moved along, and a scroll bar
// shows on the side that scrolls.
//
// The host widget forwards its resize and wheel events; CScrollPropertyPage
// and CScrollDialog do so. Positions, ranges and pages follow the Windows
// scroll-bar model: a range 0 ... max with a page of the visible size.
#pragma once

#include "platform/WinTypes.h"

#include <QSize>

class QScrollBar;
class QWheelEvent;
class QWidget;

// Scroll codes, as the Windows scroll messages number them.
enum ScrollCode : UINT {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

// Size types of a resize, as the Windows size message numbers them.
enum SizeType : UINT { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

class CContentScroller {
public:
    static constexpr int kLineStep = 20;

    explicit CContentScroller(QWidget& host);
    CContentScroller(const CContentScroller&) = delete;
    CContentScroller& operator=(const CContentScroller&) = delete;

    // Takes the host's present size as its content size, scrolls nothing and
    // starts following resizes.
    void init();
    // A resize to a client area of cx x cy; only a restored host (type 0) scrolls.
    void onSize(UINT type, int cx, int cy);
    void onVScroll(UINT code, int thumbPos);
    void onHScroll(UINT code, int thumbPos);

    // Called by the host from its resize and wheel events.
    void hostResized();
    void hostWheel(QWheelEvent* event);

    BYTE noHorizontal = 0;
    bool initialised() const { return m_initialised; }
    int contentWidth() const { return m_contentWidth; }
    int contentHeight() const { return m_contentHeight; }
    bool vScrolling() const { return m_vScrolling; }
    bool hScrolling() const { return m_hScrolling; }
    int vPosition() const { return m_vertical.pos; }
    int hPosition() const { return m_horizontal.pos; }
    // The client area: the host less the scroll bars that show.
    QSize clientSize() const;

private:
    struct Axis {
        QScrollBar* bar = nullptr;
        int pos = 0;
        int max = 0;
        int page = 0;
    };

    void followBar(Axis& axis, int action);
    // Shrinking or growing along one axis (`vertical` picks which).
    void fitAxis(Axis& axis, bool& scrolling, int content, int visible, bool vertical);
    void stopScrolling(Axis& axis, bool& scrolling, int content, int visible, bool vertical);
    void scrollBy(Axis& axis, int newPos, bool vertical);
    void setRange(Axis& axis, int max, int page);
    void setPosition(Axis& axis, int pos);
    void placeBars();

    QWidget& m_host;
    Axis m_vertical;
    Axis m_horizontal;
    bool m_initialised = false;
    int m_contentWidth = 0;
    int m_contentHeight = 0;
    bool m_vScrolling = false;
    bool m_hScrolling = false;
    bool m_inResize = false;
};
