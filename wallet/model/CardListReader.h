// Reading a large tree is mostly reading card records, and a card record
// holds no offsets of its own. While a CCardListReader is active, the tree
// walk only notes each plain category's card list; readAll then has the
// noted lists read (CCategory::loadCards) on two threads, each with its own
// view of the file, each card going into its category in list order.
// Afterwards the offsets each list reached are taken as reached, in list
// order, as a category reading its list at once does, so the tree and its
// failures are the same either way.
//
// Card loading is safe on a second thread: it touches nothing the tree
// shares, and the icon numbering it asks is safe to ask from several
// threads. No message can come from it: the walk has read the root with the
// same file version.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class CCategory;
class CFileInputStream;
namespace ZenthoIO {
class CInputStream;
}

class CCardListReader {
public:
    // Below this many cards every list is read on the calling thread.
    static constexpr std::size_t kCardsForSecondThread = 4096;

    // Makes `reader` the active one while the scope lives (one read at a time).
    class Scope {
    public:
        explicit Scope(CCardListReader& reader);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CCardListReader* previous;
    };

    // The reader the categories being loaded hand their card lists to; null
    // when cards are read where they are met.
    static CCardListReader* active();

    // Notes the list; true (a failing list fails the read later).
    bool defer(CCategory& category, std::vector<std::uint32_t> offsets, unsigned int version);

    // Reads every noted list through `in` and a view of it (one thread when
    // there are fewer cards than `cardsForSecondThread`); false when a list
    // fails to read or reaches a record reached before, as the category's
    // load would have failed.
    bool readAll(CFileInputStream& in, std::size_t cardsForSecondThread = kCardsForSecondThread);

private:
    struct CardList {
        CCategory* category;
        std::vector<std::uint32_t> offsets;
        unsigned int version;
        std::size_t reached = 0;
    };

    // Takes the next list not taken yet and reads it, until none is left or
    // one has failed; both threads run this, so neither waits for the other.
    void readLists(ZenthoIO::CInputStream& in);
    bool eachOffsetReachedOnce() const;

    std::vector<CardList> lists;
    std::size_t cardCount = 0;
    std::atomic<std::size_t> nextList = 0;
    std::atomic<bool> failed = false;
};
