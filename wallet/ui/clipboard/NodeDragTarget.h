// Where the tree and the card list take a dragged node. The effect is a copy
// while Ctrl is held, a move otherwise; a move deletes the node at its place
// once the copy was added. The list takes a drop on a category row or
// outside the rows (its shown category), the tree on a category item; a drop
// on a card, on "Up", on the node itself or on a category below it is
// refused.
#pragma once

#include <QPoint>
#include <Qt>

class CCategory;
class CNode;
class CWalletListView;
class CWalletTreeView;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
struct UiServices;

class CNodeDragTarget {
public:
    CNodeDragTarget(UiServices& services, CWalletListView& list) : m_services(services), m_list(&list) {}
    CNodeDragTarget(UiServices& services, CWalletTreeView& tree) : m_services(services), m_tree(&tree) {}

    // Copy with Ctrl, move without it; no drop when the data carries no
    // node of this program's tree.
    Qt::DropAction dragEffect(const QMimeData& data, Qt::KeyboardModifiers modifiers) const;
    // Drops the data's node at `pos` (in the view's viewport) with `effect`;
    // false when refused or when the copy or the move failed.
    bool drop(const QMimeData& data, QPoint pos, Qt::DropAction effect);

    // The view's drag events: the effect of the last drag over the view is
    // the effect of the drop.
    void dragMoved(QDragMoveEvent& event);
    void dropped(QDropEvent& event);

private:
    CNode* draggedNode(const QMimeData& data) const;
    // The category that takes `node` dropped at `pos`; null when refused.
    CCategory* targetAt(QPoint pos, const CNode& node) const;
    CCategory* listTargetAt(QPoint pos) const;
    CCategory* treeTargetAt(QPoint pos) const;

    UiServices& m_services;
    CWalletListView* m_list = nullptr;
    CWalletTreeView* m_tree = nullptr;
    Qt::DropAction m_lastEffect = Qt::IgnoreAction;
};
