#include "views/WalletTreeView.h"

#include "clipboard/NodeDragTarget.h"
#include "clipboard/NodeMimeData.h"
#include "frame/IWalletFrame.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "views/CategoryTreeModel.h"
#include "views/PlaceholderDelegate.h"
#include "views/CategoryUnlock.h"
#include "views/NodeMenus.h"
#include "views/WrittenNode.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

CWalletTreeView::CWalletTreeView(UiServices& services, IWalletFrame& frame, QWidget* parent)
    : QTreeView(parent), m_services(services), m_frame(frame), m_model(new CategoryTreeModel(services.images, this)),
      m_dropTarget(std::make_unique<CNodeDragTarget>(services, *this))
{
    setModel(m_model);
    setItemDelegate(new CPlaceholderDelegate(*m_model, this));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(true);
    setDragEnabled(true);
    viewport()->setAcceptDrops(true);
    connect(this, &QTreeView::expanded, this, &CWalletTreeView::itemExpanded);
    connect(this, &QTreeView::clicked, this, &CWalletTreeView::itemClicked);
    m_services.document.addObserver(this);
}

CWalletTreeView::~CWalletTreeView() { m_services.document.removeObserver(this); }

QModelIndex CWalletTreeView::indexOf(CNode* node) const { return node ? m_model->reveal(node) : QModelIndex(); }

void CWalletTreeView::onUpdate(const UpdateHint& hint)
{
    switch (hint.kind) {
    case UpdateHint::CardAdded:
    case UpdateHint::CategoryAdded: {
        CCategory& parent = static_cast<CCategory&>(*hint.first);
        m_model->nodeAdded(parent, *hint.third);
        expand(m_model->reveal(&parent));
        break;
    }
    case UpdateHint::CardDeleted:
    case UpdateHint::CategoryDeleted:
        selectItem(m_model->indexOf(hint.first).parent());
        m_model->nodeDeleted(hint.first);
        break;
    case UpdateHint::CardWritten:
    case UpdateHint::CategoryWritten:
        m_model->nodeWritten(writtenNode(hint));
        break;
    case UpdateHint::TreeLoaded:
        showTree();
        break;
    case UpdateHint::CategoryOpened:
        followSelection(static_cast<CCategory*>(hint.first), static_cast<CCard*>(hint.second));
        break;
    }
}

void CWalletTreeView::showTree()
{
    m_model->setRoot(&m_services.document.getRoot());
    expand(m_model->indexOf(m_model->root()));
}

void CWalletTreeView::followSelection(CCategory* category, CCard* card)
{
    const QScopedValueRollback<bool> following(m_following, true);
    if (card) {
        selectItem(m_model->reveal(card));
        return;
    }
    if (!category)
        return;
    const QModelIndex item = m_model->reveal(category);
    m_model->categoryOpened(*category);
    expand(item);
    selectItem(item);
}

void CWalletTreeView::selectItem(const QModelIndex& item)
{
    if (!item.isValid())
        return;
    for (QModelIndex above = item.parent(); above.isValid(); above = above.parent())
        expand(above);
    setCurrentIndex(item);
    scrollTo(item);
}

void CWalletTreeView::selectQuietly(const QModelIndex& item)
{
    const QScopedValueRollback<bool> following(m_following, true);
    if (item.isValid())
        setCurrentIndex(item);
    else
        selectionModel()->clear();
}

void CWalletTreeView::onLocking()
{
    selectItem(m_model->indexOf(m_model->root()));
    for (const QModelIndex& closed : m_model->closeEncryptedCategories())
        collapse(closed);
}

bool CWalletTreeView::refreshAfterDecrypting()
{
    m_model->refreshOpenedCategories();
    return true;
}

bool CWalletTreeView::needsUnlocking(const CCategory& category) const
{
    if (!category.isEncrypted())
        return false;
    return category.hasSealedCards() || !m_services.document.isUnlocked();
}

bool CWalletTreeView::unlock(CCategory& category)
{
    if (m_services.document.obtainDocumentKey() != CWalletDoc::kKeyHeld)
        return false;
    if (!category.hasSealedCards())
        return true;
    return openSealedCategory(m_services, category);
}

void CWalletTreeView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    if (m_following || selected.indexes().isEmpty())
        return;
    const QModelIndex item = selected.indexes().front();
    CNode* node = m_model->node(item);
    if (node && node->isCategory() && needsUnlocking(static_cast<CCategory&>(*node))) {
        if (!unlock(static_cast<CCategory&>(*node))) {
            selectQuietly(deselected.indexes().isEmpty() ? QModelIndex() : deselected.indexes().front());
            return;
        }
    }
    reportSelection(item);
}

void CWalletTreeView::reportSelection(const QModelIndex& item)
{
    CNode* node = m_model->node(item);
    if (!node)
        return;
    if (node->isCategory())
        m_frame.select(this, static_cast<CCategory*>(node), nullptr, nullptr);
    else
        m_frame.select(this, node->getParent(), static_cast<CCard*>(node), nullptr);
}

void CWalletTreeView::itemExpanded(const QModelIndex& item)
{
    // The children are there at once, not only at the next layout.
    if (m_model->canFetchMore(item))
        m_model->fetchMore(item);
    CNode* node = m_model->node(item);
    if (m_following || !node || !node->isCategory() || !needsUnlocking(static_cast<CCategory&>(*node)))
        return;
    CCategory& category = static_cast<CCategory&>(*node);
    const bool sealed = category.hasSealedCards();
    if (!unlock(category))
        collapse(item);
    else if (sealed)
        reportSelection(currentIndex()); // the document's hint selected the opened category
}

void CWalletTreeView::itemClicked(const QModelIndex& item)
{
    CNode* node = m_model->node(item);
    if (node && node->isCard())
        m_frame.showCard(static_cast<CCard&>(*node));
}

void CWalletTreeView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTreeView::keyPressEvent(event);
        return;
    }
    const QModelIndex item = currentIndex();
    CNode* node = m_model->node(item);
    if (!node)
        return;
    if (node->isCard())
        m_frame.showCard(static_cast<CCard&>(*node));
    else
        setExpanded(item, !isExpanded(item));
}

void CWalletTreeView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex item = indexAt(event->pos());
    CNode* node = m_model->node(item);
    if (!node)
        return;
    m_frame.setContextNode(node);
    if (node->isCategory() && static_cast<CCategory&>(*node).isEncrypted() &&
        m_services.document.obtainDocumentKey() != CWalletDoc::kKeyHeld)
        return;
    setCurrentIndex(item);
    m_frame.runContextMenu(nodeMenuItems(*node), event->globalPos());
}

void CWalletTreeView::startDrag(Qt::DropActions)
{
    CNode* node = m_model->node(currentIndex());
    // An encrypted category is not dragged out of the tree.
    if (node && !(node->isCategory() && static_cast<CCategory*>(node)->isEncrypted()))
        dragNode(*this, *node);
}

void CWalletTreeView::dragEnterEvent(QDragEnterEvent* event) { m_dropTarget->dragMoved(*event); }

void CWalletTreeView::dragMoveEvent(QDragMoveEvent* event) { m_dropTarget->dragMoved(*event); }

void CWalletTreeView::dropEvent(QDropEvent* event) { m_dropTarget->dropped(*event); }
