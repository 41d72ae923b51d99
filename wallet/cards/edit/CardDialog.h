// What the card kind pages and the media page share: the control that last
// had the focus, on which the page's Cut, Copy and Paste act, and whether the
// page's last confirmation succeeded.
#pragma once

#include "zenthoLib/Ui/ScrollPropertyPage.h"

#include <QPointer>

class CCardDialog : public CScrollPropertyPage {
    Q_OBJECT
public:
    explicit CCardDialog(QWidget* parent = nullptr);

    // The id of the edit box or list that last had the focus, 0 before any did.
    int lastFocusId() const;
    bool lastConfirmationSucceeded() const { return confirmed; }

    void cut();
    void copy();
    void paste();

protected:
    // Remembers `control` (an edit box or a list) whenever it takes the focus.
    void trackFocus(QWidget* control);
    void setConfirmed(bool ok) { confirmed = ok; }
    // The page's controls go on this; finishPage then sizes the page to them.
    QWidget* body() const { return content; }
    void finishPage();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* content;
    QPointer<QWidget> lastFocused;
    bool confirmed = false;
};
