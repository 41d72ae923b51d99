// The status bar's three lock-key panes: "CAP", "NUM" and "SCRL" while
// Caps Lock, Num Lock and Scroll Lock are on, blank while they are off.
// The states are read from the X server; elsewhere the panes stay blank.
#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

class CLockKeyPanes : public QObject {
    Q_OBJECT
public:
    // Adds the panes to the right end of `bar` and follows the keys.
    explicit CLockKeyPanes(QStatusBar& bar);

    void refresh();
    QLabel* pane(int index) const { return m_panes[index]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panes[3];
};
