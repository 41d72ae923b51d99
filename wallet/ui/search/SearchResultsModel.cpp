#include "search/SearchResultsModel.h"

#include "images/qt/QtImageLists.h"
#include "model/Card.h"
#include "model/Category.h"
#include "model/SearchResult.h"
#include "search/SearchTexts.h"
#include "zenthoLib/Ui/QtText.h"

SearchResultsModel::SearchResultsModel(CImageServer& images, const SearchResult& results, QObject* parent)
    : QAbstractTableModel(parent), m_images(images), m_results(results)
{
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_results.getCount(); }

int SearchResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    const CCard* card = index.isValid() ? m_results.getAt(index.row()) : nullptr;
    if (!card)
        return {};
    if (index.column() == CardColumn) {
        if (role == Qt::DisplayRole)
            return toQString(card->getName());
        if (role == Qt::DecorationRole)
            return nodeIcon(m_images, *card);
        return {};
    }
    if (role == Qt::DisplayRole && card->getParent())
        return toQString(card->getParent()->getName());
    return {};
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return QString::fromLatin1(section == CardColumn ? SearchTexts::kCardColumn : SearchTexts::kCategoryColumn);
}
