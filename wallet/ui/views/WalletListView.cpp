#include "views/WalletListView.h"

#include "clipboard/NodeDragTarget.h"
#include "clipboard/NodeMimeData.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "views/CardListModel.h"
#include "views/CategoryUnlock.h"
#include "views/NodeMenus.h"
#include "views/WrittenNode.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

CWalletListView::CWalletListView(UiServices& services, IWalletFrame& frame, QWidget* parent)
    : QTreeView(parent), m_services(services), m_frame(frame), m_model(new CardListModel(services.images, this)),
      m_dropTarget(std::make_unique<CNodeDragTarget>(services, *this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(true);
    viewport()->setAcceptDrops(true);
    header()->setStretchLastSection(false);
    header()->resizeSection(CardListModel::TypeColumn, kTypeWidth);
    header()->resizeSection(CardListModel::ModifiedColumn, kModifiedWidth);
    connect(this, &QTreeView::clicked, this, &CWalletListView::rowClicked);
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& row) { activateRow(row, false); });
    m_services.document.addObserver(this);
}

CWalletListView::~CWalletListView() { m_services.document.removeObserver(this); }

CCategory* CWalletListView::shownCategory() const { return m_model->category(); }

void CWalletListView::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    fitNameColumn();
}

void CWalletListView::fitNameColumn()
{
    header()->resizeSection(CardListModel::NameColumn, std::max(0, viewport()->width() - kNameWidthReserve));
}

void CWalletListView::onUpdate(const UpdateHint& hint)
{
    switch (hint.kind) {
    case UpdateHint::CardAdded:
    case UpdateHint::CategoryAdded: {
        CCategory* selected = m_frame.selectedCategory();
        refill(selected ? selected : &m_services.document.getRoot(), m_frame.selectedCard(), m_frame.listCategory());
        break;
    }
    case UpdateHint::TreeLoaded:
        // Whatever the frame held belonged to the tree that went.
        refill(&m_services.document.getRoot(), nullptr, nullptr);
        break;
    case UpdateHint::CardDeleted:
    case UpdateHint::CategoryDeleted:
        if (m_model->listsWithin(hint.first))
            refill(&m_services.document.getRoot(), nullptr, nullptr);
        else
            m_model->nodeDeleted(hint.first);
        break;
    case UpdateHint::CardWritten:
    case UpdateHint::CategoryWritten:
        m_model->nodeWritten(writtenNode(hint));
        break;
    case UpdateHint::CategoryOpened:
        follow(static_cast<CCategory*>(hint.first), static_cast<CCard*>(hint.second), static_cast<CCategory*>(hint.third));
        break;
    }
}

void CWalletListView::onLocking()
{
    CCategory* shown = m_model->category();
    if (shown && shown->isEncrypted())
        refill(&m_services.document.getRoot(), nullptr, nullptr);
}

void CWalletListView::refill(CCategory* category, CCard* card, CCategory* subcategory)
{
    const QScopedValueRollback<bool> following(m_following, true);
    m_model->show(category);
    fitNameColumn();
    selectRows(card, subcategory);
    m_filled = true;
}

void CWalletListView::follow(CCategory* category, CCard* card, CCategory* subcategory)
{
    if (category != m_model->category()) {
        refill(category, card, subcategory);
        return;
    }
    const QScopedValueRollback<bool> following(m_following, true);
    const QModelIndex row = m_model->indexOf(card ? static_cast<CNode*>(card) : subcategory);
    if (row.isValid()) {
        selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(row);
    } else {
        selectionModel()->clearSelection();
    }
}

void CWalletListView::selectRows(CCard* card, CCategory* subcategory)
{
    const QModelIndex cardRow = m_model->indexOf(card);
    const QModelIndex subcategoryRow = m_model->indexOf(subcategory);
    if (cardRow.isValid()) {
        selectionModel()->select(cardRow, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(cardRow);
    }
    if (subcategoryRow.isValid()) {
        selectionModel()->setCurrentIndex(subcategoryRow, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(subcategoryRow);
    }
    if (!cardRow.isValid() && !subcategoryRow.isValid()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(m_model->index(0, CardListModel::NameColumn), QItemSelectionModel::NoUpdate);
    }
}

void CWalletListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    if (m_following || !m_filled || !m_model->category())
        return;
    if (!selected.indexes().isEmpty())
        reportRow(selected.indexes().front());
    else if (!deselected.indexes().isEmpty())
        m_frame.select(this, m_model->category(), nullptr, nullptr);
}

void CWalletListView::reportRow(const QModelIndex& row)
{
    CCategory* shown = m_model->category();
    CNode* node = m_model->node(row);
    if (!node)
        m_frame.select(this, shown, nullptr, nullptr);
    else if (node->isCard())
        m_frame.select(this, shown, static_cast<CCard*>(node), nullptr);
    else
        m_frame.select(this, shown, nullptr, static_cast<CCategory*>(node));
}

void CWalletListView::rowClicked(const QModelIndex& row)
{
    CNode* node = m_model->node(row);
    if (node && node->isCard())
        m_frame.showCard(static_cast<CCard&>(*node));
}

void CWalletListView::activateRow(const QModelIndex& row, bool showCards)
{
    CCategory* shown = m_model->category();
    if (m_model->isUpRow(row)) {
        openCategory(*shown->getParent(), true);
        return;
    }
    CNode* node = m_model->node(row);
    if (!node)
        return;
    if (node->isCategory())
        openCategory(static_cast<CCategory&>(*node), false);
    else if (showCards)
        m_frame.showCard(static_cast<CCard&>(*node));
}

void CWalletListView::openCategory(CCategory& category, bool selectLeftBehind)
{
    CCategory* leftBehind = m_model->category();
    if (category.isEncrypted() && category.hasSealedCards() && !openSealedCategory(m_services, category))
        return;
    m_frame.select(nullptr, &category, nullptr, selectLeftBehind ? leftBehind : nullptr);
}

void CWalletListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndexList rows = selectionModel()->selectedRows();
        if (!rows.isEmpty())
            activateRow(rows.front(), true);
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CWalletListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex row = indexAt(event->pos());
    CNode* node = m_model->node(row);
    if (!node)
        return;
    m_frame.setContextNode(node);
    m_frame.runContextMenu(nodeMenuItems(*node), event->globalPos());
}

void CWalletListView::startDrag(Qt::DropActions)
{
    if (CNode* node = m_model->node(currentIndex()))
        dragNode(*this, *node);
}

void CWalletListView::dragEnterEvent(QDragEnterEvent* event) { m_dropTarget->dragMoved(*event); }

void CWalletListView::dragMoveEvent(QDragMoveEvent* event) { m_dropTarget->dragMoved(*event); }

void CWalletListView::dropEvent(QDropEvent* event) { m_dropTarget->dropped(*event); }
