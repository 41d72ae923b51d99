#include "views/CardView.h"

#include "cards/edit/CardSheet.h"
#include "cards/show/ShowCardDialog.h"
#include "clipboard/CardFieldMenu.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "views/NotesView.h"
#include "views/ViewTexts.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/QtText.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

CCardView::CCardView(UiServices& services, IWalletFrame& frame, QWidget* parent)
    : QWidget(parent), m_services(services), m_frame(frame), m_runSheet([](CCardSheet& sheet) { return sheet.exec(); }),
      m_fieldMenu(std::make_unique<CCardFieldMenu>(services.document))
{
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor::fromRgb(kBackground));
    setPalette(grey);
    setAutoFillBackground(true);
    m_services.document.addObserver(this);
}

CCardView::~CCardView() { m_services.document.removeObserver(this); }

void CCardView::setNotesView(CNotesView* notes)
{
    m_notes = notes;
    if (m_notes)
        m_notes->setCardView(this);
}

void CCardView::showDisplay(CShowCardDialog* display, CCard* card)
{
    if (display != m_display)
        dropDisplay();
    m_cardPath.clear();
    m_display = display;
    m_card = card;
    for (const CNode* node = card; node; node = node->getParent())
        m_cardPath.push_back(node);
    if (m_display) {
        m_display->setParent(this);
        m_display->setEditHook([this](CCard& edited) { return editCard(edited); });
        m_display->move(origin());
        m_display->show();
    }
    showNotes();
    update();
}

QPoint CCardView::origin() const
{
    if (!m_display)
        return {};
    return {(width() - m_display->width()) / 2, (height() - m_display->height()) / 2};
}

// The display may be in the middle of its own event (an edit that removed
// the card), so it goes once control is back in the event loop.
void CCardView::dropDisplay()
{
    if (m_display) {
        m_display->hide();
        m_display->deleteLater();
    }
    m_display = nullptr;
    m_card = nullptr;
    m_cardPath.clear();
}

void CCardView::showNotes()
{
    if (m_notes)
        m_notes->setPlainText(m_card ? toQString(m_card->getNotes()) : QString());
}

void CCardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_display)
        m_display->move(origin());
}

void CCardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        editShownCard();
    QWidget::mousePressEvent(event);
}

void CCardView::editShownCard()
{
    if (m_card && editCard(*m_card) && m_display)
        m_display->update();
}

bool CCardView::editCard(CCard& card)
{
    m_frame.restartInactivityTimer();
    CCardSheet sheet(card, m_services.ui, m_services.choosers, m_services.programDir, this);
    if (m_runSheet(sheet) != QDialog::Accepted)
        return false;
    if (!m_services.document.updateCard(card))
        m_services.ui.messageBox(ViewTexts::kUpdateCardError, MB_OK | MB_ICONWARNING);
    if (m_card != &card)
        return false;
    showNotes();
    return true;
}

void CCardView::onUpdate(const UpdateHint& hint)
{
    const bool removed = hint.kind == UpdateHint::CardDeleted || hint.kind == UpdateHint::CategoryDeleted;
    if ((removed && std::find(m_cardPath.begin(), m_cardPath.end(), hint.first) != m_cardPath.end()) ||
        hint.kind == UpdateHint::TreeLoaded) {
        dropDisplay();
        showNotes();
        update();
    }
}

void CCardView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_card || !m_display)
        return;
    QMenu menu(this);
    m_fieldMenu->fill(menu, *m_card);
    if (!menu.isEmpty())
        menu.exec(event->globalPos());
}

void CCardView::onLocking()
{
    // Nothing copied from a card stays on the clipboard of a locked wallet.
    m_fieldMenu->clipboard().clear();
    if (m_card && m_card->getParent() && m_card->getParent()->isEncrypted()) {
        dropDisplay();
        showNotes();
        update();
    }
}
