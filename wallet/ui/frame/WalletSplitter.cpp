#include "frame/WalletSplitter.h"

#include <algorithm>

CWalletSplitter::CWalletSplitter(QWidget* list, QWidget* card, QWidget* notes, QWidget* parent)
    : QSplitter(Qt::Vertical, parent), m_list(list), m_card(card), m_notes(notes)
{
    addWidget(m_list);
    addWidget(m_card);
    addWidget(m_notes);
    setChildrenCollapsible(false);
    setWalletLayout(ListLayout, height());
}

void CWalletSplitter::setWalletLayout(Layout layout, int clientHeight)
{
    m_layout = layout;
    m_list->setVisible(layout == ListLayout);
    m_card->setVisible(layout == CardLayout);
    m_notes->setVisible(layout != ListLayout);
    if (layout == CardLayout)
        setSizes({0, kCardViewHeight, std::max(clientHeight - kCardViewHeight, 1)});
}
