#include "views/CategoryTreeModel.h"

#include "images/qt/QtImageLists.h"
#include "model/Category.h"
#include "views/ViewTexts.h"
#include "zenthoLib/Ui/QtText.h"

#include <utility>

CategoryTreeModel::CategoryTreeModel(CImageServer& images, QObject* parent) : QAbstractItemModel(parent), m_images(images)
{
    m_top.state = Branch::State::Filled;
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setRoot(CCategory* root)
{
    beginResetModel();
    m_top.children.clear();
    m_branches.clear();
    m_cardOwners.clear();
    if (root)
        m_top.children.push_back(makeBranch(*root, m_top));
    endResetModel();
}

CCategory* CategoryTreeModel::root() const { return m_top.children.empty() ? nullptr : m_top.children.front()->category; }

bool CategoryTreeModel::isSealed(const CCategory& category) { return category.isEncrypted() && category.hasSealedCards(); }

std::unique_ptr<CategoryTreeModel::Branch> CategoryTreeModel::makeBranch(CCategory& category, Branch& parent)
{
    auto branch = std::make_unique<Branch>();
    branch->category = &category;
    branch->parent = &parent;
    m_branches.insert(&category, branch.get());
    return branch;
}

CategoryTreeModel::Branch* CategoryTreeModel::parentBranch(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Branch*>(index.internalPointer()) : nullptr;
}

CategoryTreeModel::Branch* CategoryTreeModel::branchOf(const QModelIndex& index) const
{
    if (!index.isValid())
        return const_cast<Branch*>(&m_top);
    Branch* parent = parentBranch(index);
    if (parent->state != Branch::State::Filled || index.row() >= static_cast<int>(parent->children.size()))
        return nullptr;
    return parent->children[static_cast<std::size_t>(index.row())].get();
}

int CategoryTreeModel::rowInParent(const Branch& branch) const
{
    return branch.parent == &m_top ? 0 : branch.parent->rows.rowOf(branch.category);
}

QModelIndex CategoryTreeModel::indexOfBranch(const Branch& branch) const
{
    if (&branch == &m_top)
        return {};
    return createIndex(rowInParent(branch), 0, branch.parent);
}

CNode* CategoryTreeModel::node(const QModelIndex& index) const
{
    Branch* parent = parentBranch(index);
    if (!parent || parent->state != Branch::State::Filled)
        return nullptr;
    const auto row = static_cast<std::size_t>(index.row());
    if (row < parent->children.size())
        return parent->children[row]->category;
    const auto& cards = parent->category->getCards();
    const std::size_t card = row - parent->children.size();
    return card < cards.size() ? cards[card].get() : nullptr;
}

bool CategoryTreeModel::isPlaceholder(const QModelIndex& index) const
{
    const Branch* parent = parentBranch(index);
    return parent && parent->state == Branch::State::Placeholder;
}

QModelIndex CategoryTreeModel::indexOf(const CNode* node) const
{
    if (const Branch* branch = m_branches.value(node))
        return indexOfBranch(*branch);
    if (Branch* owner = m_cardOwners.value(node))
        return createIndex(owner->rows.rowOf(node), 0, owner);
    return {};
}

QModelIndex CategoryTreeModel::reveal(const CNode* node)
{
    std::vector<const CCategory*> path;
    for (const CCategory* category = node->getParent(); category; category = category->getParent())
        path.push_back(category);
    for (auto category = path.rbegin(); category != path.rend(); ++category) {
        Branch* branch = m_branches.value(*category);
        if (!branch)
            return {};
        if (branch->state == Branch::State::Unfilled)
            fill(*branch);
        if (branch->state != Branch::State::Filled)
            return {};
    }
    return indexOf(node);
}

void CategoryTreeModel::fill(Branch& branch)
{
    CCategory& category = *branch.category;
    const QModelIndex parent = indexOfBranch(branch);
    if (isSealed(category)) {
        beginInsertRows(parent, 0, 0);
        branch.state = Branch::State::Placeholder;
        endInsertRows();
        return;
    }
    const int count = static_cast<int>(category.getSubcategories().size() + category.getCards().size());
    if (count == 0) {
        branch.state = Branch::State::Filled;
        return;
    }
    beginInsertRows(parent, 0, count - 1);
    branch.rows.fill(category);
    for (const auto& subcategory : category.getSubcategories())
        branch.children.push_back(makeBranch(*subcategory, branch));
    for (const auto& card : category.getCards())
        m_cardOwners.insert(card.get(), &branch);
    branch.state = Branch::State::Filled;
    endInsertRows();
}

// The branches go only after the views have let go of their indexes.
void CategoryTreeModel::empty(Branch& branch)
{
    const int count = rowCount(indexOfBranch(branch));
    if (count > 0)
        beginRemoveRows(indexOfBranch(branch), 0, count - 1);
    forget(branch);
    const std::vector<std::unique_ptr<Branch>> removed = std::move(branch.children);
    branch.children.clear();
    branch.rows.clear();
    branch.state = Branch::State::Unfilled;
    if (count > 0)
        endRemoveRows();
}

// Drops the lookups of everything below the branch; its nodes may be deleted already.
void CategoryTreeModel::forget(Branch& branch)
{
    for (const auto& child : branch.children) {
        forget(*child);
        m_branches.remove(child->category);
    }
    for (auto row = branch.rows.rows().cbegin(); row != branch.rows.rows().cend(); ++row)
        if (row.value() >= branch.rows.subcategoryCount())
            m_cardOwners.remove(row.key());
}

void CategoryTreeModel::nodeAdded(CCategory& parent, CNode& node)
{
    Branch* branch = m_branches.value(&parent);
    if (!branch || branch->state != Branch::State::Filled)
        return;
    const int row = CChildRows::placeIn(parent, node);
    if (row < 0)
        return;
    beginInsertRows(indexOfBranch(*branch), row, row);
    branch->rows.insert(parent, node);
    if (node.isCategory())
        branch->children.insert(branch->children.begin() + row, makeBranch(static_cast<CCategory&>(node), *branch));
    else
        m_cardOwners.insert(&node, branch);
    endInsertRows();
}

void CategoryTreeModel::nodeDeleted(const CNode* node)
{
    if (Branch* doomed = m_branches.value(node)) {
        Branch& parent = *doomed->parent;
        const int row = rowInParent(*doomed);
        beginRemoveRows(indexOfBranch(parent), row, row);
        const std::unique_ptr<Branch> removed = std::move(parent.children[static_cast<std::size_t>(row)]);
        parent.children.erase(parent.children.begin() + row);
        forget(*removed);
        m_branches.remove(node);
        parent.rows.remove(*parent.category, node);
        endRemoveRows();
    } else if (Branch* owner = m_cardOwners.value(node)) {
        const int row = owner->rows.rowOf(node);
        beginRemoveRows(indexOfBranch(*owner), row, row);
        owner->rows.remove(*owner->category, node);
        m_cardOwners.remove(node);
        endRemoveRows();
    }
}

void CategoryTreeModel::nodeWritten(CNode& node)
{
    if (Branch* owner = m_cardOwners.value(&node)) {
        const QModelIndex parent = indexOfBranch(*owner);
        const int from = owner->rows.rowOf(&node);
        owner->rows.renumber(*owner->category);
        const int to = owner->rows.rowOf(&node);
        if (from != to && beginMoveRows(parent, from, from, parent, to > from ? to + 1 : to))
            endMoveRows();
    }
    const QModelIndex item = indexOf(&node);
    if (item.isValid())
        emit dataChanged(item, item);
}

void CategoryTreeModel::categoryOpened(CCategory& category)
{
    Branch* branch = m_branches.value(&category);
    if (!branch || branch->state != Branch::State::Placeholder)
        return;
    empty(*branch);
    fill(*branch);
}

void CategoryTreeModel::refreshOpenedCategories()
{
    std::vector<CCategory*> opened;
    for (const Branch* branch : std::as_const(m_branches))
        if (branch->state == Branch::State::Placeholder && !isSealed(*branch->category))
            opened.push_back(branch->category);
    for (CCategory* category : opened)
        categoryOpened(*category);
}

std::vector<QModelIndex> CategoryTreeModel::closeEncryptedCategories()
{
    std::vector<QModelIndex> closed;
    closeBelow(m_top, closed);
    return closed;
}

void CategoryTreeModel::closeBelow(Branch& branch, std::vector<QModelIndex>& closed)
{
    for (const auto& child : branch.children) {
        CCategory& category = *child->category;
        if (!category.isEncrypted()) {
            closeBelow(*child, closed);
            continue;
        }
        if (child->state != Branch::State::Filled)
            continue;
        const bool holdsCards = !category.getCards().empty() || category.hasSealedCards();
        const QModelIndex item = indexOfBranch(*child);
        empty(*child);
        if (holdsCards) {
            beginInsertRows(item, 0, 0);
            child->state = Branch::State::Placeholder;
            endInsertRows();
        }
        closed.push_back(item);
    }
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    Branch* branch = branchOf(parent);
    if (!branch || column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    return createIndex(row, column, branch);
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& child) const
{
    const Branch* branch = parentBranch(child);
    return branch ? indexOfBranch(*branch) : QModelIndex();
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    const Branch* branch = parent.column() > 0 ? nullptr : branchOf(parent);
    if (!branch)
        return 0;
    if (branch == &m_top)
        return static_cast<int>(m_top.children.size());
    switch (branch->state) {
    case Branch::State::Placeholder:
        return 1;
    case Branch::State::Filled:
        return branch->rows.count();
    case Branch::State::Unfilled:
        break;
    }
    return 0;
}

int CategoryTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool CategoryTreeModel::hasChildren(const QModelIndex& parent) const
{
    const Branch* branch = branchOf(parent);
    if (!branch || branch->state != Branch::State::Unfilled)
        return rowCount(parent) > 0;
    const CCategory& category = *branch->category;
    return isSealed(category) || !category.getSubcategories().empty() || !category.getCards().empty();
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (isPlaceholder(index))
        return role == Qt::DisplayRole ? QVariant(QString::fromLatin1(ViewTexts::kPlaceholder)) : QVariant();
    const CNode* item = node(index);
    if (!item)
        return {};
    if (role == Qt::DisplayRole)
        return toQString(item->getName());
    if (role == Qt::DecorationRole)
        return nodeIcon(m_images, *item);
    return {};
}

Qt::ItemFlags CategoryTreeModel::flags(const QModelIndex& index) const
{
    if (isPlaceholder(index))
        return Qt::ItemIsEnabled;
    // Asked while the document's hints are followed: no node is touched.
    return QAbstractItemModel::flags(index) | Qt::ItemIsDragEnabled;
}

bool CategoryTreeModel::canFetchMore(const QModelIndex& parent) const
{
    const Branch* branch = branchOf(parent);
    return branch && branch != &m_top && branch->state == Branch::State::Unfilled;
}

void CategoryTreeModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent))
        fill(*branchOf(parent));
}
