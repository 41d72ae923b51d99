// The contents of one category as the rows of the card list: "Up" when the
// category has a parent, then its sub-categories, then its cards, each in
// list order, with the columns "Name", "Type" and "Modified".
#pragma once

#include "views/ChildRows.h"

#include <QAbstractTableModel>

#include <vector>

class CCategory;
class CImageServer;
class CNode;

class CardListModel : public QAbstractTableModel {
public:
    enum Column { NameColumn, TypeColumn, ModifiedColumn, ColumnCount };

    explicit CardListModel(CImageServer& images, QObject* parent = nullptr);

    // Lists `category` anew (null: no rows).
    void show(CCategory* category);
    CCategory* category() const { return m_category; }
    // Whether the node is the listed category or one above it, checked
    // without touching the node (it may be deleted).
    bool listsWithin(const CNode* node) const;

    // The row's node; null for "Up".
    CNode* node(const QModelIndex& index) const;
    bool isUpRow(const QModelIndex& index) const;
    // Column 0 of the node's row; invalid when it is not listed.
    QModelIndex indexOf(const CNode* node) const;

    // The document's changes, after they happened.
    void nodeDeleted(const CNode* node);
    // The name, icon or time changed; a card may have moved in its list.
    void nodeWritten(CNode& node);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Every row but "Up" can be dragged.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int upRows() const;
    QVariant text(const CNode& node, int column) const;

    CImageServer& m_images;
    CCategory* m_category = nullptr;
    // The listed category and every category above it.
    std::vector<const CNode*> m_path;
    CChildRows m_rows;
};
