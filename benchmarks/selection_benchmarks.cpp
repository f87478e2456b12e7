// Whole searches of the Calculation tab: checks, rating, prices, ranking.

#include "generated_database.h"

#include "core/engine/selection.h"

#include <benchmark/benchmark.h>

namespace kr::bench {
namespace {

constexpr std::size_t GeneratedRecords = 100'000;

CalculationInput Duty(DriveChoice drive)
{
    CalculationInput input;
    input.HeatReject = "10";
    input.OilFlow = "80";
    input.AmbientTemp = "30";
    input.InletTemp = "60";
    input.MaxLoss = "2";
    input.Altitude = "0";
    input.Drive = drive;
    return input;
}

void Select(benchmark::State& state, const SearchData& data, DriveChoice drive)
{
    const CalculationInput input = Duty(drive);
    std::size_t shown = 0;
    for (auto _ : state) {
        DutySelection selection = SelectByDuty(input, data.Records, data.Prices, data.Texts, {}, {});
        shown = selection.ResultCoolers.size() + selection.HydraulicGroups.size();
        benchmark::DoNotOptimize(selection);
    }
    if (shown == 0)
        state.SkipWithError("the duty found no cooler");
    state.counters["rows"] = static_cast<double>(shown);
}

void BM_SelectSampleAC(benchmark::State& state) { Select(state, SampleData(), DriveChoice::ACDC); }
BENCHMARK(BM_SelectSampleAC)->Unit(benchmark::kMicrosecond);

void BM_SelectSampleHydraulic(benchmark::State& state) { Select(state, SampleData(), DriveChoice::Hydraulic); }
BENCHMARK(BM_SelectSampleHydraulic)->Unit(benchmark::kMicrosecond);

const SearchData& Generated()
{
    static const SearchData data = GeneratedData(GeneratedRecords);
    return data;
}

void BM_SelectGeneratedAC(benchmark::State& state) { Select(state, Generated(), DriveChoice::ACDC); }
BENCHMARK(BM_SelectGeneratedAC)->Unit(benchmark::kMillisecond);

void BM_SelectGeneratedHydraulic(benchmark::State& state) { Select(state, Generated(), DriveChoice::Hydraulic); }
BENCHMARK(BM_SelectGeneratedHydraulic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kr::bench
