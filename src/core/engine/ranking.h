#pragma once

#include "core/common/delphi_format.h"
#include "core/data/cool_type.h"

#include <optional>
#include <string>
#include <vector>

namespace kr {

// A selection with more hits than this shows only the cheapest few.
inline constexpr std::size_t MaxRankedResults = 10;
inline constexpr std::size_t KeptOfManyResults = 3;
// Rows of a hydraulic selection: one group of motor variants per row.
inline constexpr std::size_t MaxHydraulicGroups = 10;

// Format("%15.2f%7.4f", [Price, PressLoss]): fixed-width numbers, so that
// text order is price order, then pressure-loss order.
std::string RankingKey(const tCoolType& result, const FormatSettings& settings);
// The same followed by the displacement, Format("%.3d").
std::string HydraulicRankingKey(const tCoolType& result, int displacement, const FormatSettings& settings);

// Sorts by ranking key, ignoring letter case; equal keys keep their order.
void SortByRankingKey(std::vector<tCoolType>& results, const FormatSettings& settings);

// With more than MaxRankedResults results, keeps only the results standing
// for the KeptOfManyResults lowest distinct ranking keys (of results with
// equal keys only the first stands for its key), then sorts by key. With
// fewer, only sorts.
void RankSelection(std::vector<tCoolType>& results, const FormatSettings& settings);

// A hydraulic record whose HydDisplacement is no whole number: no ranking
// key can be formed for it.
struct UnreadableDisplacementRecord {
    std::string Designation;
    std::string HydDisplacement;
};

struct HydraulicGrouping {
    std::vector<std::vector<tCoolType>> Groups;  // at most MaxHydraulicGroups, none empty
    std::optional<UnreadableDisplacementRecord> Unreadable;
};

// Sorts by the hydraulic ranking key and walks that order: a result whose
// (HeatCoefA, HeatCoefB, HeatCoefC) differs from the one before starts a
// new group, so a group is a run of motor variants of one cooler core.
// Results of groups beyond MaxHydraulicGroups are dropped.
HydraulicGrouping GroupHydraulicResults(std::vector<tCoolType> results, const FormatSettings& settings);

}  // namespace kr
