#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace kr {

// The language page shows up to twelve flags on a grid of three columns and
// four rows; slots are numbered 1 to 12 row by row.
inline constexpr int FlagSlotCount = 12;
inline constexpr int FlagSlotColumns = 3;

// For each slot (index slot - 1): the index into the language list of the
// language shown there, or none when the slot stays hidden. Small numbers
// of languages are laid out symmetrically; from twelve on every slot is
// used and the languages beyond the twelfth are not offered.
using FlagSlotAssignment = std::array<std::optional<std::size_t>, FlagSlotCount>;
FlagSlotAssignment AssignFlagSlots(std::size_t languageCount);

}  // namespace kr
