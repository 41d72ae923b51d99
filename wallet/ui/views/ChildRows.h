// The row of every child of one category as the tree and the list show
// them: its sub-categories first, then its cards, each in list order. The
// document changes the lists before it tells the views, so the rows are
// kept here and follow the change one node at a time.
#pragma once

#include <QHash>

class CCategory;
class CNode;

class CChildRows {
public:
    // Every child of `category`.
    void fill(const CCategory& category);
    void clear();

    // -1 when the node has no row.
    int rowOf(const CNode* node) const;
    // The row the node takes in the category's lists as they are now.
    static int placeIn(const CCategory& category, const CNode& node);

    int subcategoryCount() const { return m_subcategories; }
    // Every node that has a row, with its row.
    const QHash<const CNode*, int>& rows() const { return m_rows; }
    int count() const { return m_subcategories + m_cards; }

    // The node is now in the category's lists: it gets its row there.
    void insert(const CCategory& category, const CNode& node);
    // The node has left the category's lists.
    void remove(const CCategory& category, const CNode* node);
    // A card took another place in the lists.
    void renumber(const CCategory& category);

private:
    QHash<const CNode*, int> m_rows;
    int m_subcategories = 0;
    int m_cards = 0;
};
