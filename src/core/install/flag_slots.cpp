#include "core/install/flag_slots.h"

#include <algorithm>
#include <cstdint>

namespace kr {

namespace {

// Bit (slot - 1) is set when the slot is visible; the entry at index n is
// the layout for n languages.
constexpr std::uint16_t Slots(std::initializer_list<int> slots)
{
    std::uint16_t mask = 0;
    for (int slot : slots)
        mask |= static_cast<std::uint16_t>(1u << (slot - 1));
    return mask;
}

constexpr std::array<std::uint16_t, FlagSlotCount + 1> VisibleSlotsByCount{
    Slots({}),
    Slots({2}),
    Slots({1, 3}),
    Slots({1, 2, 3}),
    Slots({1, 3, 4, 6}),
    Slots({1, 2, 3, 4, 6}),
    Slots({1, 3, 4, 6, 7, 9}),
    Slots({1, 2, 3, 4, 6, 7, 9}),
    Slots({1, 3, 4, 6, 7, 9, 10, 12}),
    Slots({1, 2, 3, 4, 5, 6, 7, 8, 9}),
    Slots({1, 2, 3, 4, 5, 6, 7, 9, 10, 12}),
    Slots({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}),
    Slots({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
};

}  // namespace

FlagSlotAssignment AssignFlagSlots(std::size_t languageCount)
{
    const std::uint16_t visible = VisibleSlotsByCount[std::min<std::size_t>(languageCount, FlagSlotCount)];
    FlagSlotAssignment assignment;
    std::size_t nextLanguage = 0;
    for (int slot = 0; slot < FlagSlotCount; ++slot)
        if (visible & (1u << slot))
            assignment[static_cast<std::size_t>(slot)] = nextLanguage++;
    return assignment;
}

}  // namespace kr
