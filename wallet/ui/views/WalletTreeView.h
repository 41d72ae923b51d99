// The left pane: the wallet's categories and cards as a tree. Selecting an
// item tells the frame; clicking a card shows it; encrypted categories open
// behind the password on expand or select; the tree follows the document's
// update hints.
#pragma once

#include "model/UpdateHint.h"

#include <QTreeView>

#include <memory>

class CategoryTreeModel;
class CNodeDragTarget;
class CCard;
class CCategory;
class IWalletFrame;
struct UiServices;

class CWalletTreeView : public QTreeView, public IDocumentObserver {
public:
    CWalletTreeView(UiServices& services, IWalletFrame& frame, QWidget* parent = nullptr);
    ~CWalletTreeView() override;

    void onUpdate(const UpdateHint& hint) override;
    // Closes the encrypted categories: their cards are about to be sealed.
    void onLocking() override;
    // Fills every category whose cards were opened behind the tree's back.
    bool refreshAfterDecrypting();
    // The node's item; invalid when the node lies in a closed encrypted category.
    QModelIndex indexOf(CNode* node) const;
    CategoryTreeModel& treeModel() const { return *m_model; }
    CNodeDragTarget& dropTarget() const { return *m_dropTarget; }

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showTree();
    void followSelection(CCategory* category, CCard* card);
    void selectItem(const QModelIndex& item);
    void selectQuietly(const QModelIndex& item);
    void reportSelection(const QModelIndex& item);
    bool needsUnlocking(const CCategory& category) const;
    // False when the category stays closed.
    bool unlock(CCategory& category);
    void itemExpanded(const QModelIndex& item);
    void itemClicked(const QModelIndex& item);

    UiServices& m_services;
    IWalletFrame& m_frame;
    CategoryTreeModel* m_model;
    std::unique_ptr<CNodeDragTarget> m_dropTarget;
    // Set while the view moves its own selection after a hint, so that the
    // move is not reported back to the frame.
    bool m_following = false;
};
