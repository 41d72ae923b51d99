// The hits of a search as the rows of the results list: the card's name
// with its icon, and the name of the category that holds it.
#pragma once

#include <QAbstractTableModel>

class CImageServer;
class SearchResult;

class SearchResultsModel : public QAbstractTableModel {
public:
    enum Column { CardColumn, CategoryColumn, ColumnCount };

    // The result set and the catalogue outlive the model.
    SearchResultsModel(CImageServer& images, const SearchResult& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    CImageServer& m_images;
    const SearchResult& m_results;
};
