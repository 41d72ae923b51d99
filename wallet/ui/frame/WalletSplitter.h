// The right-hand column of the main window: the card list, the card view and
// the notes view, of which one or two are visible at a time.
#pragma once

#include <QSplitter>

class CWalletSplitter : public QSplitter {
    Q_OBJECT
public:
    enum Layout {
        ListLayout = 0,      // the card list takes the column
        CardLayout = 1,      // the card view over the notes view
        NotesOnlyLayout = 2, // the notes view takes the column
    };
    // The height of the card view in the card layout: the card display
    // (275 x 310 with its notes box) and a margin of 5 above and below.
    static constexpr int kCardViewHeight = 320;

    // The three panes in row order; the column owns them.
    CWalletSplitter(QWidget* list, QWidget* card, QWidget* notes, QWidget* parent = nullptr);

    Layout currentLayout() const { return m_layout; }
    // Shows the rows of `layout`; the hidden rows keep their windows for later.
    // In the card layout the notes view takes what `clientHeight` leaves.
    void setWalletLayout(Layout layout, int clientHeight);

private:
    QWidget* m_list;
    QWidget* m_card;
    QWidget* m_notes;
    Layout m_layout = ListLayout;
};
