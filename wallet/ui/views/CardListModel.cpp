#include "views/CardListModel.h"

#include "cards/CardTypeTable.h"
#include "images/IconNames.h"
#include "images/qt/QtImageLists.h"
#include "model/Category.h"
#include "views/ViewTexts.h"
#include "zenthoLib/Ui/QtText.h"

#include <QDateTime>

#include <algorithm>

CardListModel::CardListModel(CImageServer& images, QObject* parent) : QAbstractTableModel(parent), m_images(images) {}

void CardListModel::show(CCategory* category)
{
    beginResetModel();
    m_category = category;
    m_path.clear();
    m_rows.clear();
    for (const CNode* above = category; above; above = above->getParent())
        m_path.push_back(above);
    if (category)
        m_rows.fill(*category);
    endResetModel();
}

bool CardListModel::listsWithin(const CNode* node) const { return std::find(m_path.begin(), m_path.end(), node) != m_path.end(); }

int CardListModel::upRows() const { return m_category && m_category->getParent() ? 1 : 0; }

bool CardListModel::isUpRow(const QModelIndex& index) const { return index.isValid() && index.row() < upRows(); }

CNode* CardListModel::node(const QModelIndex& index) const
{
    if (!index.isValid() || !m_category || isUpRow(index))
        return nullptr;
    const auto row = static_cast<std::size_t>(index.row() - upRows());
    const auto& subcategories = m_category->getSubcategories();
    if (row < static_cast<std::size_t>(m_rows.subcategoryCount()))
        return row < subcategories.size() ? subcategories[row].get() : nullptr;
    const auto& cards = m_category->getCards();
    const std::size_t card = row - static_cast<std::size_t>(m_rows.subcategoryCount());
    return card < cards.size() ? cards[card].get() : nullptr;
}

QModelIndex CardListModel::indexOf(const CNode* node) const
{
    const int row = m_rows.rowOf(node);
    return row < 0 ? QModelIndex() : index(row + upRows(), NameColumn);
}

void CardListModel::nodeDeleted(const CNode* node)
{
    const int row = m_rows.rowOf(node);
    if (row < 0)
        return;
    beginRemoveRows({}, row + upRows(), row + upRows());
    m_rows.remove(*m_category, node);
    endRemoveRows();
}

void CardListModel::nodeWritten(CNode& node)
{
    const int from = m_rows.rowOf(&node);
    if (from < 0)
        return;
    m_rows.renumber(*m_category);
    const int to = m_rows.rowOf(&node);
    if (from != to && beginMoveRows({}, from + upRows(), from + upRows(), {}, upRows() + (to > from ? to + 1 : to)))
        endMoveRows();
    const int row = to + upRows();
    emit dataChanged(index(row, NameColumn), index(row, ModifiedColumn));
}

int CardListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_category ? 0 : upRows() + m_rows.count();
}

int CardListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CardListModel::data(const QModelIndex& index, int role) const
{
    if (isUpRow(index)) {
        if (index.column() != NameColumn)
            return {};
        if (role == Qt::DisplayRole)
            return QString::fromLatin1(ViewTexts::kUpRow);
        if (role == Qt::DecorationRole)
            return catalogueIcon(m_images, IconNames::kUpIndex);
        return {};
    }
    const CNode* item = node(index);
    if (!item)
        return {};
    if (role == Qt::DisplayRole)
        return text(*item, index.column());
    if (role == Qt::DecorationRole && index.column() == NameColumn)
        return nodeIcon(m_images, *item);
    return {};
}

QVariant CardListModel::text(const CNode& node, int column) const
{
    switch (column) {
    case NameColumn:
        return toQString(node.getName());
    case TypeColumn:
        return QString::fromLatin1(cardTypeRow(node.getTypeId()).displayName);
    case ModifiedColumn:
        if (node.isCard())
            return QDateTime::fromSecsSinceEpoch(node.getModifiedTime()).toString(QString::fromLatin1(ViewTexts::kModifiedFormat));
        break;
    }
    return {};
}

QVariant CardListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static constexpr const char* kTitles[ColumnCount] = {ViewTexts::kNameColumn, ViewTexts::kTypeColumn, ViewTexts::kModifiedColumn};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(kTitles[section]);
}

Qt::ItemFlags CardListModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | (index.isValid() && !isUpRow(index) ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}
