#include "OffsetSet.h"

namespace {

constexpr std::size_t kFirstCapacity = 1024;

} // namespace

void COffsetSet::clear()
{
    slots.assign(kFirstCapacity, kFree);
    count = 0;
    holdsFreeMark = false;
}

std::size_t COffsetSet::slotOf(std::uint32_t offset) const
{
    // Fibonacci hashing spreads the offsets, which are often close together.
    return static_cast<std::size_t>((offset * 0x9E3779B97F4A7C15ull) >> 32) & (slots.size() - 1);
}

bool COffsetSet::insert(std::uint32_t offset)
{
    if (offset == kFree) {
        const bool added = !holdsFreeMark;
        holdsFreeMark = true;
        return added;
    }
    if (slots.empty())
        clear();
    std::size_t slot = slotOf(offset);
    while (slots[slot] != kFree) {
        if (slots[slot] == offset)
            return false;
        slot = (slot + 1) & (slots.size() - 1);
    }
    slots[slot] = offset;
    if (++count * 2 > slots.size())
        grow();
    return true;
}

void COffsetSet::grow()
{
    std::vector<std::uint32_t> old(slots.size() * 2, kFree);
    old.swap(slots);
    for (const std::uint32_t offset : old) {
        if (offset == kFree)
            continue;
        std::size_t slot = slotOf(offset);
        while (slots[slot] != kFree)
            slot = (slot + 1) & (slots.size() - 1);
        slots[slot] = offset;
    }
}
