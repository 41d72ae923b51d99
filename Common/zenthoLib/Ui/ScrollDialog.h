// A plain dialog that scrolls its contents as CScrollPropertyPage does.
#pragma once

#include "ContentScroller.h"

#include <QDialog>

class CScrollDialog : public QDialog {
    Q_OBJECT

public:
    explicit CScrollDialog(QWidget* parent = nullptr);

    // Sizes the dialog to its template and takes that as the content size.
    void initDialog(const QSize& templateSize);
    void setNoHorizontal(bool off) { m_scroller.noHorizontal = off ? 1 : 0; }
    const CContentScroller& scroller() const { return m_scroller; }
    CContentScroller& scroller() { return m_scroller; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CContentScroller m_scroller;
};
