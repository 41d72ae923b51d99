#include "model/CardListReader.h"

#include "model/Category.h"
#include "model/FileInputStream.h"
#include "model/NodeFactory.h"
#include "model/StreamValues.h"

#include <algorithm>
#include <new>
#include <system_error>
#include <thread>
#include <utility>

namespace {

CCardListReader*& activeReader()
{
    static CCardListReader* reader = nullptr;
    return reader;
}

// One list as a category's load reads it: the list ends at the first record
// that is not a card; a card that fails to load fails the list. `reached`
// counts the offsets the walk would have reached, the one that ends the list
// included. Each card goes into its category as soon as it is read, while it
// is in the cache.
bool readCardList(ZenthoIO::CInputStream& in, CCategory& category, const std::vector<std::uint32_t>& offsets, unsigned int version,
                  std::size_t& reached)
{
    for (reached = 0; reached < offsets.size();) {
        const std::uint32_t offset = offsets[reached++];
        if (!in.setCurrentPosition(offset))
            return false;
        int typeId = 0;
        if (!read(in, typeId) || typeId == CNode::kCategoryTypeId)
            break;
        std::unique_ptr<CNode> node = createNode(typeId, offset);
        if (!node)
            break;
        if (!node->load(in, version))
            return false;
        category.insertCard(std::unique_ptr<CCard>(static_cast<CCard*>(node.release())));
    }
    return in.getError() == 0;
}

} // namespace

CCardListReader::Scope::Scope(CCardListReader& reader) : previous(std::exchange(activeReader(), &reader)) {}

CCardListReader::Scope::~Scope() { activeReader() = previous; }

CCardListReader* CCardListReader::active() { return activeReader(); }

bool CCardListReader::defer(CCategory& category, std::vector<std::uint32_t> offsets, unsigned int version)
{
    cardCount += offsets.size();
    lists.push_back({&category, std::move(offsets), version});
    return true;
}

void CCardListReader::readLists(ZenthoIO::CInputStream& in)
{
    try {
        for (std::size_t i = nextList++; i < lists.size() && !failed; i = nextList++) {
            CardList& list = lists[i];
            if (!readCardList(in, *list.category, list.offsets, list.version, list.reached))
                failed = true;
        }
    } catch (const std::bad_alloc&) {
        failed = true;
    }
}

bool CCardListReader::eachOffsetReachedOnce() const
{
    return std::all_of(lists.begin(), lists.end(), [](const CardList& list) {
        const auto end = list.offsets.begin() + static_cast<std::ptrdiff_t>(list.reached);
        return std::all_of(list.offsets.begin(), end, CCategory::reachRecordFirstTime);
    });
}

bool CCardListReader::readAll(CFileInputStream& in, std::size_t cardsForSecondThread)
{
    nextList = 0;
    failed = false;
    CFileInputStream view;
    std::jthread second;
    if (cardCount >= cardsForSecondThread && view.openView(in)) {
        try {
            second = std::jthread([this, &view] { readLists(view); });
        } catch (const std::system_error&) {
            // The calling thread reads every list.
        }
    }
    readLists(in);
    if (second.joinable())
        second.join();
    return !failed && eachOffsetReachedOnce();
}
