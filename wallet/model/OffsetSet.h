// The record offsets reached while one tree is read: a flat hash set of
// 32-bit offsets with open addressing, so that a wallet of a hundred thousand
// records costs neither an allocation per record nor a pointer chase.
#pragma once

#include <cstdint>
#include <vector>

class COffsetSet {
public:
    // Empties the set.
    void clear();
    // False when the offset was in the set already.
    bool insert(std::uint32_t offset);

private:
    static constexpr std::uint32_t kFree = 0xFFFFFFFFu;

    std::size_t slotOf(std::uint32_t offset) const;
    void grow();

    std::vector<std::uint32_t> slots;
    std::size_t count = 0;
    // kFree itself marks free slots, so it is kept aside.
    bool holdsFreeMark = false;
};
