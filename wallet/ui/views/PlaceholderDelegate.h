// Draws the tree's items, except the placeholder of a closed encrypted
// category: that item only gives the category its expand button, and while
// the password is asked for it must not show.
#pragma once

#include <QStyledItemDelegate>

class CategoryTreeModel;

class CPlaceholderDelegate : public QStyledItemDelegate {
public:
    CPlaceholderDelegate(const CategoryTreeModel& model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const CategoryTreeModel& m_model;
};
