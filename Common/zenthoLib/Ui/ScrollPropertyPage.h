// The base of a property page whose contents scroll when the page is shown
// smaller than its template.
//
// A derived page places its controls on the page itself, in template
// coordinates, and then calls initPage with the template's size. From then on
// every resize below that size shows a scroll bar and moves the controls
// along; growing back returns them to where they were.
#pragma once

#include "ContentScroller.h"

#include <QWidget>

class CScrollPropertyPage : public QWidget {
    Q_OBJECT

public:
    // `templateId` names the page's template; the page keeps it as `templateId()`.
    explicit CScrollPropertyPage(UINT templateId, QWidget* parent = nullptr);

    // Sizes the page to its template and takes that as the content size.
    void initPage(const QSize& templateSize);
    UINT templateId() const { return m_templateId; }

    // A derived page sets it to 1 before initPage to switch sideways scrolling off.
    void setNoHorizontal(bool off) { m_scroller.noHorizontal = off ? 1 : 0; }
    const CContentScroller& scroller() const { return m_scroller; }
    CContentScroller& scroller() { return m_scroller; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    UINT m_templateId;
    CContentScroller m_scroller;
};
