#include "core/engine/ranking.h"

#include "core/common/text_case.h"
#include "core/engine/record_match.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace kr {

namespace {

constexpr std::string_view RankingKeyPattern = "%15.2f%7.4f";
constexpr std::string_view HydraulicRankingKeyPattern = "%15.2f%7.4f%.3d";

// ASCII without letters: letter case cannot matter, and comparing the
// bytes orders such texts as CompareText does.
bool IsCaseless(std::string_view key)
{
    return std::ranges::none_of(key, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    });
}

bool SameKey(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    return !(IsCaseless(a) && IsCaseless(b)) && SameText(a, b);
}

// The positions of the keys in ascending order; equal keys keep their order.
// Ranking keys are formatted numbers, so a search of a large database sorts
// them byte by byte rather than decoding every character for its case.
std::vector<std::size_t> OrderOfKeys(const std::vector<std::string>& keys)
{
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const bool allCaseless = std::ranges::all_of(keys, IsCaseless);
    if (allCaseless)
        std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    else
        std::ranges::stable_sort(order,
                                 [&](std::size_t a, std::size_t b) { return CompareText(keys[a], keys[b]) < 0; });
    return order;
}

std::vector<tCoolType> InOrder(std::vector<tCoolType>& results, const std::vector<std::size_t>& order)
{
    std::vector<tCoolType> ordered;
    ordered.reserve(order.size());
    for (std::size_t i : order)
        ordered.push_back(std::move(results[i]));
    return ordered;
}

std::vector<std::string> RankingKeys(const std::vector<tCoolType>& results, const FormatSettings& settings)
{
    std::vector<std::string> keys;
    keys.reserve(results.size());
    for (const tCoolType& result : results)
        keys.push_back(RankingKey(result, settings));
    return keys;
}

bool SameCore(const tCoolType& a, const tCoolType& b)
{
    return a.HeatCoefA() == b.HeatCoefA() && a.HeatCoefB() == b.HeatCoefB() && a.HeatCoefC() == b.HeatCoefC();
}

}  // namespace

std::string RankingKey(const tCoolType& result, const FormatSettings& settings)
{
    return TryFormat(RankingKeyPattern, std::array<FormatArg, 2>{result.Price(), result.PressLoss}, settings).Text;
}

std::string HydraulicRankingKey(const tCoolType& result, int displacement, const FormatSettings& settings)
{
    return TryFormat(HydraulicRankingKeyPattern,
                     std::array<FormatArg, 3>{result.Price(), result.PressLoss, displacement}, settings)
        .Text;
}

void SortByRankingKey(std::vector<tCoolType>& results, const FormatSettings& settings)
{
    results = InOrder(results, OrderOfKeys(RankingKeys(results, settings)));
}

void RankSelection(std::vector<tCoolType>& results, const FormatSettings& settings)
{
    if (results.size() > MaxRankedResults) {
        const std::vector<std::string> keys = RankingKeys(results, settings);
        // In key order equal keys are neighbours, the first in list order
        // ahead: it alone stands for its key.
        std::vector<std::size_t> kept;
        for (const std::size_t index : OrderOfKeys(keys)) {
            if (kept.size() == KeptOfManyResults)
                break;
            if (kept.empty() || !SameKey(keys[kept.back()], keys[index]))
                kept.push_back(index);
        }
        std::ranges::sort(kept);  // back into list order before the ranking sort
        results = InOrder(results, kept);
    }
    SortByRankingKey(results, settings);
}

HydraulicGrouping GroupHydraulicResults(std::vector<tCoolType> results, const FormatSettings& settings)
{
    HydraulicGrouping grouping;
    std::vector<std::string> keys;
    keys.reserve(results.size());
    for (const tCoolType& result : results) {
        const std::string displacement = result.HydDisplacement();
        const std::optional<std::int32_t> whole = WholeNumber(displacement);
        if (!whole) {
            grouping.Unreadable = UnreadableDisplacementRecord{result.Designation(), displacement};
            return grouping;
        }
        keys.push_back(HydraulicRankingKey(result, *whole, settings));
    }

    const std::vector<tCoolType> ordered = InOrder(results, OrderOfKeys(keys));
    // The first result always opens the first group, whatever its core.
    const tCoolType* previous = nullptr;
    for (const tCoolType& result : ordered) {
        if (previous == nullptr || !SameCore(result, *previous)) {
            if (grouping.Groups.size() == MaxHydraulicGroups)
                break;
            grouping.Groups.emplace_back();
        }
        grouping.Groups.back().push_back(result);
        previous = &result;
    }
    return grouping;
}

}  // namespace kr
