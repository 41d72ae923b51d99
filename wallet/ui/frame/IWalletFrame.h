// What the views ask of the main frame: the selection, showing a card, the
// node a context menu was opened on, and the shared actions of the commands.
#pragma once

#include <QPoint>
#include <utility>
#include <vector>

class CCard;
class CCardView;
class CCategory;
class CNode;
class CNotesView;
class IDocumentObserver;
class QAction;
class SearchResult;

class IWalletFrame {
public:
    virtual ~IWalletFrame() = default;

    // Tells every view except `sender` of the new selection (update hint 7
    // with category, card and list category), then sets the selected card,
    // the selected category and the list category, in that order.
    virtual void select(IDocumentObserver* sender, CCategory* category, CCard* card, CCategory* listCategory) = 0;
    // Shows `card` in the card view (notes only for a free-form card).
    virtual void showCard(CCard& card) = 0;

    virtual CCard* selectedCard() const = 0;
    virtual CCategory* selectedCategory() const = 0;
    virtual CCategory* listCategory() const = 0;
    virtual CCard* shownCard() const = 0;

    // The node a context menu was opened on; Paste puts the held node there.
    virtual void setContextNode(CNode* node) = 0;
    virtual CNode* contextNode() const = 0;

    // The one action of command `id`, shared by the menu, the toolbar and the context menus.
    virtual QAction* commandAction(int id) const = 0;
    // A context menu of the commands `items` (id and caption; id 0 is a
    // separator) at `globalPos`, run modally; the commands go to the frame.
    virtual void runContextMenu(const std::vector<std::pair<int, const char*>>& items, QPoint globalPos) = 0;

    // Remembers `results` (when given) as the current result set and selects its current hit.
    virtual void showSearchResult(SearchResult* results) = 0;
    virtual SearchResult* searchResult() const = 0;
    // The tree fills the encrypted categories whose cards were opened meanwhile.
    virtual bool refreshAfterDecrypting() = 0;

    // Every command and selection change restarts the inactivity timer.
    virtual void restartInactivityTimer() = 0;
};
