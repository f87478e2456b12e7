#include "core/install/flag_slots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kr {
namespace {

std::vector<int> VisibleSlots(const FlagSlotAssignment& assignment)
{
    std::vector<int> slots;
    for (int slot = 1; slot <= FlagSlotCount; ++slot)
        if (assignment[static_cast<std::size_t>(slot - 1)])
            slots.push_back(slot);
    return slots;
}

TEST(FlagSlots, VisibleSlotsForEveryNumberOfLanguages)
{
    const std::vector<std::vector<int>> expected{
        {},
        {2},
        {1, 3},
        {1, 2, 3},
        {1, 3, 4, 6},
        {1, 2, 3, 4, 6},
        {1, 3, 4, 6, 7, 9},
        {1, 2, 3, 4, 6, 7, 9},
        {1, 3, 4, 6, 7, 9, 10, 12},
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
        {1, 2, 3, 4, 5, 6, 7, 9, 10, 12},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
    };
    for (std::size_t n = 0; n < expected.size(); ++n)
        EXPECT_EQ(VisibleSlots(AssignFlagSlots(n)), expected[n]) << n << " languages";
    EXPECT_EQ(VisibleSlots(AssignFlagSlots(40)), expected[12]);
}

TEST(FlagSlots, LanguagesFillTheVisibleSlotsInListOrder)
{
    for (std::size_t n = 1; n <= 13; ++n) {
        std::size_t next = 0;
        for (const auto& language : AssignFlagSlots(n)) {
            if (language) {
                EXPECT_EQ(*language, next++) << n << " languages";
            }
        }
        EXPECT_EQ(next, std::min<std::size_t>(n, FlagSlotCount));
    }
}

TEST(FlagSlots, OneLanguageInTheMiddleOfTheTopRowFourInTheOuterColumns)
{
    const FlagSlotAssignment one = AssignFlagSlots(1);
    EXPECT_EQ(one[1], 0u);

    const FlagSlotAssignment four = AssignFlagSlots(4);
    EXPECT_EQ(four[0], 0u);  // top left
    EXPECT_EQ(four[2], 1u);  // top right
    EXPECT_EQ(four[3], 2u);  // second row left
    EXPECT_EQ(four[5], 3u);  // second row right
    EXPECT_FALSE(four[1]);
    EXPECT_FALSE(four[4]);
}

}  // namespace
}  // namespace kr
