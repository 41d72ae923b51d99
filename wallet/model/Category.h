// A folder of the wallet: it owns its subcategories and cards, each list kept
// sorted by name without regard to case, and, while its cards are sealed, the
// encrypted records of those cards.
#pragma once

#include "Card.h"
#include "zenthoLib/Base/SizedArray.h"

#include <memory>
#include <vector>

class CCardListReader;
class SearchResult;

class CCategory : public CNode {
public:
    using Cards = std::vector<std::unique_ptr<CCard>>;
    using Subcategories = std::vector<std::unique_ptr<CCategory>>;

    // The file version of a category made in memory.
    static constexpr unsigned int kCurrentFormatVersion = 3;

    // An empty category, as the node factory makes it before `load`.
    CCategory();
    CCategory(const CString& name, int iconIndex, int defaultCardType, bool encrypted);
    ~CCategory() override;

    bool save(COutputStream& out) override;
    bool load(ZenthoIO::CInputStream& in, unsigned int version) override;
    // Reads this category's card list (at once, or later for a card list
    // reader); `reached` counts the offsets it reached, the one that ended
    // the list included. False when a card fails to load.
    bool loadCards(ZenthoIO::CInputStream& in, const std::vector<std::uint32_t>& offsets, unsigned int version, std::size_t& reached);
    // While a tree is read: false when one of the first `count` records was
    // reached before in this read (which fails the read).
    static bool reachRecordsFirstTime(const std::vector<std::uint32_t>& offsets, std::size_t count);
    // Copies the whole subtree; null when a part of it could not be copied
    // (sealed cards that cannot be opened). Opens this category's sealed cards.
    CCategory* clone() override;

    // Sorted inserts: the child goes after every child of an equal name. The
    // result is the child it was placed after, null when it became first.
    CCard* insertCard(std::unique_ptr<CCard> card);
    CCategory* insertCategory(std::unique_ptr<CCategory> category);
    // Deletes the child (with its subtree); false when it is not in this category.
    bool removeCard(CCard* card);
    bool removeCategory(CCategory* category);
    // Takes the card out of the list without deleting it.
    std::unique_ptr<CCard> takeCard(CCard* card);
    std::unique_ptr<CCategory> takeCategory(CCategory* category);
    void deleteAllCards();
    void deleteAllSubcategories();
    // Puts a renamed card where its name now belongs; the neighbour as for insertCard.
    CCard* resortCard(CCard* card);

    // Adds every card of this category, then of each subcategory in list
    // order, whose matcher finds `text`. Sealed cards are not searched.
    // Without `caseSensitive`, `text` must be in lower case already.
    void searchCards(const CString& text, SearchResult& result, bool includeHidden, bool caseSensitive) const;

    const Cards& getCards() const { return cards; }
    const Subcategories& getSubcategories() const { return subcategories; }

    int getDefaultCardType() const { return defaultCardType; }
    void setDefaultCardType(int type) { defaultCardType = type; }
    bool isEncrypted() const { return encrypted != 0; }
    void setEncrypted(bool on) { encrypted = on ? 1 : 0; }
    unsigned int getFormatVersion() const { return formatVersion; }

    // The encrypted card records read from the file and not opened yet, with
    // the offset of each.
    bool hasSealedCards() const { return sealedCount != 0; }
    const std::vector<CSizedArray>& getSealedCards() const { return sealedCards; }
    const std::vector<std::uint32_t>& getSealedPositions() const { return sealedPositions; }
    void setSealedCards(std::vector<CSizedArray> records, std::vector<std::uint32_t> positions);
    void clearSealedCards();

    // While on, `save` first writes every child record.
    void setWriteSubtree(bool on) { writeSubtree = on; }

private:
    // The header of a copy: the node part and the category's own settings.
    CCategory(const CCategory& other);

    bool saveSubcategories(COutputStream& out, std::vector<std::uint32_t>& offsets);
    bool saveCards(COutputStream& out, std::vector<std::uint32_t>& offsets);
    bool saveSealedRecords(COutputStream& out, std::vector<std::uint32_t>& offsets);
    bool saveCardForRewrite(COutputStream& out, CCard& card);
    bool loadSubcategories(ZenthoIO::CInputStream& in, const std::vector<std::uint32_t>& offsets, unsigned int version);
    bool loadSealedRecords(ZenthoIO::CInputStream& in, const std::vector<std::uint32_t>& offsets);
    bool copyChildrenFrom(CCategory& source);

    Subcategories subcategories;
    Cards cards;
    int defaultCardType = 0;
    int encrypted = 0;
    std::vector<CSizedArray> sealedCards;
    std::uint32_t sealedCount = 0;
    std::vector<std::uint32_t> sealedPositions;
    unsigned int formatVersion = kCurrentFormatVersion;
    bool writeSubtree = false;
};
