#include "LegacyIcons.h"

#include "images/IconNames.h"

#include <iterator>

namespace {

constexpr int kNoType = -2;

// Card type id by stored icon number.
constexpr int kLegacyIconTypes[] = {
    14, 24, 4, 11, kNoType, 21, kNoType, kNoType, 7, kNoType, kNoType, kNoType, 9, kNoType, 26,
    kNoType, 5, 23, kNoType, kNoType, kNoType, kNoType, 0, 10, kNoType, 19, 18, 3, 12, 22,
    8, 16, 17, 2, 25, kNoType, kNoType, 15, kNoType, 20, 13, kNoType, 1,
};
static_assert(std::size(kLegacyIconTypes) == 43);

} // namespace

int legacyCategoryIconIndex(int legacyNumber)
{
    if (legacyNumber < 0 || legacyNumber >= static_cast<int>(std::size(kLegacyIconTypes)))
        return IconNames::kDefaultCategoryIndex;
    const int type = kLegacyIconTypes[legacyNumber];
    return type == kNoType ? IconNames::kDefaultCategoryIndex : IconNames::cardTypeIconIndex(type);
}
