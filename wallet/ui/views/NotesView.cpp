#include "views/NotesView.h"

#include "views/CardView.h"

#include <QMouseEvent>

CNotesView::CNotesView(QWidget* parent) : QPlainTextEdit(parent) { setReadOnly(true); }

void CNotesView::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_cardView)
        m_cardView->editShownCard();
}
