#include "Category.h"

#include "CardListReader.h"
#include "CardSealer.h"
#include "NodeFactory.h"
#include "NodeTreeState.h"
#include "OffsetSet.h"
#include "SearchResult.h"
#include "StreamValues.h"
#include "images/IconNames.h"

#include <algorithm>
#include <type_traits>

namespace {

// Deeper nesting than this is taken for a damaged file rather than followed.
constexpr std::size_t kMaxNesting = 1024;

// The records of the categories being loaded, outermost first.
std::vector<std::uint32_t>& recordsBeingLoaded()
{
    static std::vector<std::uint32_t> records;
    return records;
}

// Every record offset reached while one tree is read. A valid file reaches
// each record once; a record reached again (a category that contains itself,
// or lists shared between categories) would make reading loop or grow
// without bound, so it fails the read.
COffsetSet& recordsReached()
{
    static COffsetSet records;
    return records;
}

class LoadingRecord {
public:
    explicit LoadingRecord(std::uint32_t offset)
    {
        if (recordsBeingLoaded().empty()) {
            recordsReached().clear();
            recordsReached().insert(offset);
        }
        recordsBeingLoaded().push_back(offset);
    }
    ~LoadingRecord() { recordsBeingLoaded().pop_back(); }
    LoadingRecord(const LoadingRecord&) = delete;
    LoadingRecord& operator=(const LoadingRecord&) = delete;
};

// False when the offset was reached before in this read.
bool reachFirstTime(std::uint32_t offset) { return recordsReached().insert(offset); }

// Where a child named `name` goes: after every child whose name is not greater.
// After the last child whose name is not greater. Cards are always in
// order (a renamed card is re-sorted), so a binary search finds the place; a
// renamed subcategory keeps its place until the wallet is opened again, so
// the subcategories are searched from the front.
template <class List>
typename List::iterator sortedPlace(List& list, const CString& name)
{
    const auto greater = [&](const auto& child) { return child->getName().CompareNoCase(name) > 0; };
    // A list read from the file comes in its stored, sorted order, so the
    // place is most often the end, which one comparison confirms.
    if constexpr (std::is_same_v<List, CCategory::Cards>)
        return list.empty() || !greater(list.back()) ? list.end()
                                                      : std::partition_point(list.begin(), list.end(), [&](const auto& child) { return !greater(child); });
    else
        return std::find_if(list.begin(), list.end(), greater);
}

template <class List, class Child>
Child* insertSorted(List& list, std::unique_ptr<Child> child, CCategory* parent)
{
    child->setParent(parent);
    auto place = sortedPlace(list, child->getName());
    Child* neighbour = place == list.begin() ? nullptr : std::prev(place)->get();
    list.insert(place, std::move(child));
    return neighbour;
}

template <class List, class Child>
std::unique_ptr<Child> takeFrom(List& list, Child* child)
{
    auto found = std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry.get() == child; });
    if (found == list.end())
        return nullptr;
    std::unique_ptr<Child> taken = std::move(*found);
    list.erase(found);
    return taken;
}

bool writeOffsets(COutputStream& out, const std::vector<std::uint32_t>& offsets)
{
    if (!write(out, static_cast<unsigned int>(offsets.size())))
        return false;
    for (std::uint32_t offset : offsets) {
        const unsigned char bytes[4] = {static_cast<unsigned char>(offset), static_cast<unsigned char>(offset >> 8),
                                        static_cast<unsigned char>(offset >> 16), static_cast<unsigned char>(offset >> 24)};
        if (out.WriteBytes(bytes, 4) != 4 || out.getError() != 0)
            return false;
    }
    return true;
}

// A count followed by that many offsets. The list grows only as offsets are
// really read, so a damaged count cannot claim more memory than the data holds.
bool readOffsets(ZenthoIO::CInputStream& in, std::vector<std::uint32_t>& offsets)
{
    unsigned int count = 0;
    if (!read(in, count))
        return false;
    for (unsigned int i = 0; i < count; ++i) {
        unsigned char bytes[4];
        if (in.ReadBytes(bytes, 4) != 4 || in.getError() != 0)
            return false;
        offsets.push_back(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
    }
    return true;
}

} // namespace

CCategory::CCategory() : CNode(kCategoryTypeId, kNoPosition)
{
    iconIndex = IconNames::kDefaultCategoryIndex;
}

CCategory::CCategory(const CString& name, int iconIndex, int defaultCardType, bool encrypted)
    : CNode(kCategoryTypeId, kNoPosition), defaultCardType(defaultCardType), encrypted(encrypted ? 1 : 0)
{
    this->name = name;
    this->iconIndex = iconIndex;
}

CCategory::CCategory(const CCategory& other)
    : CNode(other), defaultCardType(other.defaultCardType), encrypted(other.encrypted), formatVersion(other.formatVersion)
{
}

CCategory::~CCategory() = default;

CCard* CCategory::insertCard(std::unique_ptr<CCard> card) { return insertSorted(cards, std::move(card), this); }

CCategory* CCategory::insertCategory(std::unique_ptr<CCategory> category) { return insertSorted(subcategories, std::move(category), this); }

bool CCategory::removeCard(CCard* card) { return takeFrom(cards, card) != nullptr; }

bool CCategory::removeCategory(CCategory* category) { return takeFrom(subcategories, category) != nullptr; }

std::unique_ptr<CCard> CCategory::takeCard(CCard* card) { return takeFrom(cards, card); }

std::unique_ptr<CCategory> CCategory::takeCategory(CCategory* category) { return takeFrom(subcategories, category); }

void CCategory::deleteAllCards() { cards.clear(); }

void CCategory::deleteAllSubcategories() { subcategories.clear(); }

CCard* CCategory::resortCard(CCard* card)
{
    std::unique_ptr<CCard> taken = takeCard(card);
    return taken ? insertCard(std::move(taken)) : nullptr;
}

void CCategory::setSealedCards(std::vector<CSizedArray> records, std::vector<std::uint32_t> positions)
{
    positions.resize(records.size(), kNoPosition);
    sealedCards = std::move(records);
    sealedPositions = std::move(positions);
    sealedCount = static_cast<std::uint32_t>(sealedCards.size());
}

void CCategory::clearSealedCards() { setSealedCards({}, {}); }

bool CCategory::save(COutputStream& out)
{
    ICardSealer* sealer = NodeTreeState::cardSealer();
    const bool keyLoaded = sealer && sealer->hasDocumentKey();
    if (isEncrypted() && !keyLoaded && !cards.empty())
        return false;
    std::vector<std::uint32_t> subcategoryOffsets, cardOffsets;
    if (!saveSubcategories(out, subcategoryOffsets) || !saveCards(out, cardOffsets) || !notePosition(out))
        return false;
    return write(out, typeId) && writeOffsets(out, subcategoryOffsets) && writeOffsets(out, cardOffsets) && write(out, defaultCardType) &&
           write(out, NodeTreeState::orderFlag()) && write(out, encrypted) && CNode::save(out);
}

bool CCategory::saveSubcategories(COutputStream& out, std::vector<std::uint32_t>& offsets)
{
    for (const auto& subcategory : subcategories) {
        if (writeSubtree) {
            subcategory->setWriteSubtree(true);
            const bool saved = subcategory->save(out);
            subcategory->setWriteSubtree(false);
            if (!saved)
                return false;
        }
        offsets.push_back(subcategory->getPosition());
    }
    return true;
}

bool CCategory::saveCards(COutputStream& out, std::vector<std::uint32_t>& offsets)
{
    if (hasSealedCards())
        return saveSealedRecords(out, offsets);
    for (const auto& card : cards) {
        if (writeSubtree && !saveCardForRewrite(out, *card))
            return false;
        offsets.push_back(card->getPosition());
    }
    return true;
}

// Sealed records are copied as they are, so they need no key.
bool CCategory::saveSealedRecords(COutputStream& out, std::vector<std::uint32_t>& offsets)
{
    for (std::size_t i = 0; i < sealedCards.size(); ++i) {
        std::uint32_t offset = 0;
        if (!out.getCurrentStreamPosition(offset) || !(out << sealedCards[i]))
            return false;
        sealedPositions[i] = offset;
        offsets.push_back(offset);
    }
    return true;
}

bool CCategory::saveCardForRewrite(COutputStream& out, CCard& card)
{
    if (!isEncrypted())
        return card.save(out);
    ICardSealer* sealer = NodeTreeState::cardSealer();
    CSizedArray sealed;
    std::uint32_t offset = 0;
    if (!sealer || !sealer->sealCard(card, sealed) || !out.getCurrentStreamPosition(offset))
        return false;
    card.setPosition(offset);
    return out << sealed;
}

bool CCategory::load(ZenthoIO::CInputStream& in, unsigned int version)
{
    if (recordsBeingLoaded().size() >= kMaxNesting)
        return false;
    const LoadingRecord loading(position);
    formatVersion = version;
    std::vector<std::uint32_t> subcategoryOffsets, cardOffsets;
    int order = 0;
    if (!(readOffsets(in, subcategoryOffsets) && readOffsets(in, cardOffsets) && read(in, defaultCardType) && read(in, order) &&
          read(in, encrypted)))
        return false;
    NodeTreeState::setOrderFlag(order);
    if (!CNode::load(in, version) || !loadSubcategories(in, subcategoryOffsets, version))
        return false;
    bool cardsRead = false;
    std::size_t reached = 0;
    if (isEncrypted())
        cardsRead = loadSealedRecords(in, cardOffsets);
    else if (CCardListReader* reader = CCardListReader::active())
        cardsRead = reader->defer(*this, std::move(cardOffsets), version);
    else
        cardsRead = loadCards(in, cardOffsets, version, reached) && reachRecordsFirstTime(cardOffsets, reached);
    return cardsRead && in.getError() == 0;
}

// A list ends at the first record that is not of its kind. An offset that
// lies outside the data or was reached before, or a child that fails to
// load, fails the whole category.
bool CCategory::loadSubcategories(ZenthoIO::CInputStream& in, const std::vector<std::uint32_t>& offsets, unsigned int version)
{
    for (std::uint32_t offset : offsets) {
        if (!reachFirstTime(offset) || !in.setCurrentPosition(offset))
            return false;
        std::unique_ptr<CNode> node;
        const bool loaded = readNode(in, node, version);
        if (!node || !node->isCategory())
            break;
        if (!loaded)
            return false;
        insertCategory(std::unique_ptr<CCategory>(static_cast<CCategory*>(node.release())));
    }
    return true;
}

// Card records hold no offsets, so the list is read first and its offsets
// are taken as reached afterwards; a category record in it ends the list
// without being followed.
bool CCategory::loadCards(ZenthoIO::CInputStream& in, const std::vector<std::uint32_t>& offsets, unsigned int version, std::size_t& reached)
{
    for (reached = 0; reached < offsets.size();) {
        const std::uint32_t offset = offsets[reached++];
        if (!in.setCurrentPosition(offset))
            return false;
        int typeId = 0;
        if (!read(in, typeId) || typeId == kCategoryTypeId)
            break;
        std::unique_ptr<CNode> node = createNode(typeId, offset);
        if (!node)
            break;
        if (!node->load(in, version))
            return false;
        insertCard(std::unique_ptr<CCard>(static_cast<CCard*>(node.release())));
    }
    return in.getError() == 0;
}

bool CCategory::reachRecordsFirstTime(const std::vector<std::uint32_t>& offsets, std::size_t count)
{
    return std::all_of(offsets.begin(), offsets.begin() + static_cast<std::ptrdiff_t>(count), reachFirstTime);
}

bool CCategory::loadSealedRecords(ZenthoIO::CInputStream& in, const std::vector<std::uint32_t>& offsets)
{
    std::vector<CSizedArray> records;
    std::vector<std::uint32_t> positions;
    records.reserve(offsets.size());
    positions.reserve(offsets.size());
    bool complete = true;
    for (std::uint32_t offset : offsets) {
        CSizedArray record;
        if (!reachFirstTime(offset) || !in.setCurrentPosition(offset) || !in.readArray(record)) {
            complete = false;
            break;
        }
        records.push_back(std::move(record));
        positions.push_back(offset);
    }
    setSealedCards(std::move(records), std::move(positions));
    return complete;
}

CCategory* CCategory::clone()
{
    auto copy = std::unique_ptr<CCategory>(new CCategory(*this));
    return copy->copyChildrenFrom(*this) ? copy.release() : nullptr;
}

bool CCategory::copyChildrenFrom(CCategory& source)
{
    if (source.isEncrypted() && source.hasSealedCards()) {
        ICardSealer* sealer = NodeTreeState::cardSealer();
        if (!sealer || !sealer->hasDocumentKey())
            return false;
        if (!sealer->openSealedCards(source)) {
            NodeTreeState::showMessage("Error while decrypting cards!");
            return false;
        }
    }
    for (const auto& subcategory : source.subcategories) {
        std::unique_ptr<CCategory> copy(subcategory->clone());
        if (!copy)
            return false;
        copy->setParent(this);
        subcategories.push_back(std::move(copy));
    }
    for (const auto& card : source.cards) {
        std::unique_ptr<CCard> copy(card->clone());
        if (!copy)
            return false;
        copy->setParent(this);
        cards.push_back(std::move(copy));
    }
    return true;
}

void CCategory::searchCards(const CString& text, SearchResult& result, bool includeHidden, bool caseSensitive) const
{
    for (const auto& card : cards)
        if (card->matches(text, includeHidden, caseSensitive))
            result.add(card.get());
    for (const auto& subcategory : subcategories)
        subcategory->searchCards(text, result, includeHidden, caseSensitive);
}
