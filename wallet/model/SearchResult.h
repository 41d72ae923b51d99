// The hits of one search, in the order in which they were found, and the hit
// being shown. It points at cards of the tree without owning them: the hits
// are valid only until the tree is next edited.
#pragma once

#include <vector>

class CCard;

class SearchResult {
public:
    void add(CCard* card) { hits.push_back(card); }
    int getCount() const { return static_cast<int>(hits.size()); }
    // Null outside 0 .. count - 1.
    CCard* getAt(int i) const { return i >= 0 && i < getCount() ? hits[static_cast<std::size_t>(i)] : nullptr; }
    CCard* getCurrent() const { return getAt(currentIndex); }
    // Steps to the next or previous hit and gives it. There is no wrap-around:
    // at either end the index stays and the result is null.
    CCard* next() { return isLast() ? nullptr : getAt(++currentIndex); }
    CCard* prev() { return isFirst() ? nullptr : getAt(--currentIndex); }
    int getIndex() const { return currentIndex; }
    void setIndex(int i) { currentIndex = i; }
    bool isFirst() const { return currentIndex == 0; }
    bool isLast() const { return currentIndex + 1 >= getCount(); }

private:
    std::vector<CCard*> hits;
    int currentIndex = 0;
};
