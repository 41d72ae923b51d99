// How the document tells its views what changed: one hint per change, sent to
// every registered observer after the change is in memory and in the file.
#pragma once

class CNode;
class CCategory;
class CCard;

struct UpdateHint {
    enum Kind {
        CardAdded = 0,       // category, neighbour (or null), card
        CardDeleted = 1,     // card (already deleted: a key only)
        CardWritten = 2,     // card; after an update: category, neighbour after re-sorting, card
        CategoryAdded = 3,   // parent, neighbour (or null), new category, pasted
        CategoryDeleted = 4, // category (already deleted: a key only)
        CategoryWritten = 5, // category
        TreeLoaded = 6,      // none: a whole tree was loaded or created
        CategoryOpened = 7,  // category whose sealed cards were opened
    };

    Kind kind;
    CNode* first = nullptr;
    CNode* second = nullptr;
    CNode* third = nullptr;
    bool pasted = false;
};

class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;

    virtual void onUpdate(const UpdateHint& hint) = 0;
    // The cards of encrypted categories are about to be sealed and deleted
    // (lock): drop every reference to them.
    virtual void onLocking() {}
    // The whole tree is about to be deleted (another wallet, a new one, or
    // an open that failed): drop every reference to its nodes. Hint 6
    // follows once a new tree is in place.
    virtual void onContentsDeleting() {}
};
