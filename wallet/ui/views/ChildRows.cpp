#include "views/ChildRows.h"

#include "model/Category.h"

void CChildRows::fill(const CCategory& category)
{
    clear();
    m_subcategories = static_cast<int>(category.getSubcategories().size());
    m_cards = static_cast<int>(category.getCards().size());
    m_rows.reserve(count());
    int row = 0;
    for (const auto& subcategory : category.getSubcategories())
        m_rows.insert(subcategory.get(), row++);
    for (const auto& card : category.getCards())
        m_rows.insert(card.get(), row++);
}

void CChildRows::clear()
{
    m_rows.clear();
    m_subcategories = 0;
    m_cards = 0;
}

int CChildRows::rowOf(const CNode* node) const { return m_rows.value(node, -1); }

int CChildRows::placeIn(const CCategory& category, const CNode& node)
{
    const auto& subcategories = category.getSubcategories();
    const auto& cards = category.getCards();
    if (node.isCategory()) {
        for (std::size_t i = 0; i < subcategories.size(); ++i)
            if (subcategories[i].get() == &node)
                return static_cast<int>(i);
    } else {
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (cards[i].get() == &node)
                return static_cast<int>(subcategories.size() + i);
    }
    return -1;
}

void CChildRows::insert(const CCategory& category, const CNode& node)
{
    ++(node.isCategory() ? m_subcategories : m_cards);
    m_rows.insert(&node, -1);
    renumber(category);
}

void CChildRows::remove(const CCategory& category, const CNode* node)
{
    if (!m_rows.contains(node))
        return;
    // The node may be gone already: which count it was in comes from its row.
    --(m_rows.take(node) < m_subcategories ? m_subcategories : m_cards);
    renumber(category);
}

// Only the nodes that have a row move: a node the document has put in the
// lists but not announced yet keeps none until its own change arrives.
void CChildRows::renumber(const CCategory& category)
{
    int row = 0;
    const auto place = [&](const CNode* node) {
        const auto found = m_rows.find(node);
        if (found != m_rows.end())
            *found = row++;
    };
    for (const auto& subcategory : category.getSubcategories())
        place(subcategory.get());
    for (const auto& card : category.getCards())
        place(card.get());
}
