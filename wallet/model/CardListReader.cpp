#include "model/CardListReader.h"

#include "model/Category.h"
#include "model/FileInputStream.h"

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
            if (!list.category->loadCards(in, list.offsets, list.version, list.reached))
                failed = true;
        }
    } catch (const std::bad_alloc&) {
        failed = true;
    }
}

bool CCardListReader::eachOffsetReachedOnce() const
{
    return std::all_of(lists.begin(), lists.end(),
                       [](const CardList& list) { return CCategory::reachRecordsFirstTime(list.offsets, list.reached); });
}

bool CCardListReader::readAll(CFileInputStream& in, std::size_t cardsForSecondThread)
{
    nextList = 0;
    failed = false;
    CFileInputStream view(in.files());
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
