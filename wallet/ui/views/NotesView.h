// The notes pane: the shown card's notes as read-only text; a left click
// opens the card editor on the card, as a click on the card pane does.
#pragma once

#include <QPlainTextEdit>

class CCardView;

class CNotesView : public QPlainTextEdit {
public:
    explicit CNotesView(QWidget* parent = nullptr);
    void setCardView(CCardView* view) { m_cardView = view; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    CCardView* m_cardView = nullptr;
};
