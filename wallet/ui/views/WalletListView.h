// The card list: the contents of the shown category in report style with
// single selection. Selecting a row tells the frame, clicking a card shows
// it, double click or Enter opens a category, a right click opens the
// node's context menu; the list follows the document's update hints.
#pragma once

#include "model/UpdateHint.h"

#include <QTreeView>

#include <memory>

class CardListModel;
class CNodeDragTarget;
class CCard;
class CCategory;
class IWalletFrame;
struct UiServices;

class CWalletListView : public QTreeView, public IDocumentObserver {
public:
    static constexpr int kNameWidthReserve = 330;
    static constexpr int kTypeWidth = 180;
    static constexpr int kModifiedWidth = 150;

    CWalletListView(UiServices& services, IWalletFrame& frame, QWidget* parent = nullptr);
    ~CWalletListView() override;

    void onUpdate(const UpdateHint& hint) override;
    // The cards of an encrypted category are about to go: such a category
    // gives way to the root.
    void onLocking() override;
    CCategory* shownCategory() const;
    CardListModel& listModel() const { return *m_model; }
    CNodeDragTarget& dropTarget() const { return *m_dropTarget; }

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // "Name" takes what the two other columns leave of the width.
    void fitNameColumn();
    void refill(CCategory* category, CCard* card, CCategory* subcategory);
    void follow(CCategory* category, CCard* card, CCategory* subcategory);
    void selectRows(CCard* card, CCategory* subcategory);
    void reportRow(const QModelIndex& row);
    // Opens the row: a card is shown, a category listed, "Up" lists the parent.
    void activateRow(const QModelIndex& row, bool showCards);
    void openCategory(CCategory& category, bool selectLeftBehind);
    void rowClicked(const QModelIndex& row);

    UiServices& m_services;
    IWalletFrame& m_frame;
    CardListModel* m_model;
    std::unique_ptr<CNodeDragTarget> m_dropTarget;
    // Set while the view moves its own selection after a hint.
    bool m_following = false;
    // Set after the first fill; row selections before it are not reported.
    bool m_filled = false;
};
