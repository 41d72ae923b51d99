#include "views/PlaceholderDelegate.h"

#include "views/CategoryTreeModel.h"

void CPlaceholderDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_model.isPlaceholder(index))
        QStyledItemDelegate::paint(painter, option, index);
}
