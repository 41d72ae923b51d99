#include "clipboard/NodeDragTarget.h"

#include "clipboard/NodeMimeData.h"
#include "clipboard/NodeTransfer.h"
#include "frame/UiServices.h"
#include "model/Category.h"
#include "model/WalletDoc.h"
#include "views/CardListModel.h"
#include "views/CategoryTreeModel.h"
#include "views/WalletListView.h"
#include "views/WalletTreeView.h"

#include <QDropEvent>

CNode* CNodeDragTarget::draggedNode(const QMimeData& data) const
{
    const std::optional<std::uint32_t> id = draggedNodeId(data);
    return id ? m_services.document.findNode(*id) : nullptr;
}

Qt::DropAction CNodeDragTarget::dragEffect(const QMimeData& data, Qt::KeyboardModifiers modifiers) const
{
    if (!draggedNode(data))
        return Qt::IgnoreAction;
    return modifiers.testFlag(Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

bool CNodeDragTarget::drop(const QMimeData& data, QPoint pos, Qt::DropAction effect)
{
    CNode* node = draggedNode(data);
    if (!node || (effect != Qt::CopyAction && effect != Qt::MoveAction))
        return false;
    CCategory* target = targetAt(pos, *node);
    return target && transferNode(m_services, *node, *target, effect == Qt::MoveAction);
}

CCategory* CNodeDragTarget::targetAt(QPoint pos, const CNode& node) const
{
    CCategory* target = m_list ? listTargetAt(pos) : treeTargetAt(pos);
    return target && canReceive(*target, node) ? target : nullptr;
}

CCategory* CNodeDragTarget::listTargetAt(QPoint pos) const
{
    const QModelIndex row = m_list->indexAt(pos);
    if (!row.isValid())
        return m_list->shownCategory();
    CNode* node = m_list->listModel().node(row);
    return node && node->isCategory() ? static_cast<CCategory*>(node) : nullptr;
}

CCategory* CNodeDragTarget::treeTargetAt(QPoint pos) const
{
    CNode* node = m_tree->treeModel().node(m_tree->indexAt(pos));
    return node && node->isCategory() ? static_cast<CCategory*>(node) : nullptr;
}

void CNodeDragTarget::dragMoved(QDragMoveEvent& event)
{
    m_lastEffect = event.mimeData() ? dragEffect(*event.mimeData(), event.modifiers()) : Qt::IgnoreAction;
    if (m_lastEffect == Qt::IgnoreAction) {
        event.ignore();
        return;
    }
    event.setDropAction(m_lastEffect);
    event.accept();
}

void CNodeDragTarget::dropped(QDropEvent& event)
{
    const Qt::DropAction effect = m_lastEffect;
    m_lastEffect = Qt::IgnoreAction;
    if (!event.mimeData() || effect == Qt::IgnoreAction) {
        event.ignore();
        return;
    }
    event.setDropAction(effect);
    event.accept();
    drop(*event.mimeData(), event.position().toPoint(), effect);
}
