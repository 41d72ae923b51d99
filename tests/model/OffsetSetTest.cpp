#include "model/OffsetSet.h"

#include <gtest/gtest.h>

namespace {

TEST(OffsetSet, TellsEachOffsetsFirstArrivalThroughGrowthAndClear)
{
    COffsetSet set;
    // Enough close and far offsets to make the table grow several times.
    for (std::uint32_t i = 0; i < 5000; ++i)
        ASSERT_TRUE(set.insert(76 + 12 * i)) << i;
    for (std::uint32_t i = 0; i < 5000; ++i)
        ASSERT_FALSE(set.insert(76 + 12 * i)) << i;
    EXPECT_TRUE(set.insert(0xFFFFFFFFu));
    EXPECT_FALSE(set.insert(0xFFFFFFFFu));
    EXPECT_TRUE(set.insert(0));
    set.clear();
    EXPECT_TRUE(set.insert(76));
    EXPECT_TRUE(set.insert(0xFFFFFFFFu));
}

} // namespace
