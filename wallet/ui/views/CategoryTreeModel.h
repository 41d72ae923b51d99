// The document's node tree as an item model: the root category as the only
// top item, under each category its sub-categories, then its cards. A
// category's items are made when a view first asks for them; an encrypted
// category whose cards are sealed shows one placeholder item ("Dummy", no
// node) instead, until its cards are opened.
#pragma once

#include "views/ChildRows.h"

#include <QAbstractItemModel>
#include <QHash>

#include <memory>
#include <vector>

class CCard;
class CCategory;
class CImageServer;
class CNode;

class CategoryTreeModel : public QAbstractItemModel {
public:
    explicit CategoryTreeModel(CImageServer& images, QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    // Shows the tree of `root` anew (null: nothing).
    void setRoot(CCategory* root);
    CCategory* root() const;

    // The item's node; null for the placeholder.
    CNode* node(const QModelIndex& index) const;
    bool isPlaceholder(const QModelIndex& index) const;
    // The node's item, made first along the path to it when needed; invalid
    // when the node lies inside a category whose cards are sealed.
    QModelIndex reveal(const CNode* node);
    // The node's item if it has one already.
    QModelIndex indexOf(const CNode* node) const;

    // The document's changes, after they happened.
    void nodeAdded(CCategory& parent, CNode& node);
    void nodeDeleted(const CNode* node);
    // The node's name or icon changed; a card may have moved in its list.
    void nodeWritten(CNode& node);
    // The category's cards were opened: its placeholder gives way to its children.
    void categoryOpened(CCategory& category);
    // Before the wallet is locked: every encrypted category whose cards are
    // open loses its items and gets its placeholder back (when it holds
    // cards); the result are their items, for the view to collapse.
    std::vector<QModelIndex> closeEncryptedCategories();
    // Every category whose placeholder still shows while its cards were
    // opened meanwhile gets its children.
    void refreshOpenedCategories();

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    // A category that has an item. Indexes point at the branch of their
    // parent, which the model owns, so that no index reaches a deleted node.
    struct Branch {
        enum class State { Unfilled, Placeholder, Filled };
        CCategory* category = nullptr;
        Branch* parent = nullptr;
        State state = State::Unfilled;
        // When filled: the branch of each sub-category in list order, and every child's row.
        std::vector<std::unique_ptr<Branch>> children;
        CChildRows rows;
    };

    static bool isSealed(const CCategory& category);
    Branch* branchOf(const QModelIndex& index) const;
    Branch* parentBranch(const QModelIndex& index) const;
    QModelIndex indexOfBranch(const Branch& branch) const;
    int rowInParent(const Branch& branch) const;
    void fill(Branch& branch);
    void empty(Branch& branch);
    void forget(Branch& branch);
    std::unique_ptr<Branch> makeBranch(CCategory& category, Branch& parent);
    void closeBelow(Branch& branch, std::vector<QModelIndex>& closed);

    CImageServer& m_images;
    // The invisible parent of the root's item.
    Branch m_top;
    // Every category that has an item, and the branch that holds each card's item.
    QHash<const CNode*, Branch*> m_branches;
    QHash<const CNode*, Branch*> m_cardOwners;
};
