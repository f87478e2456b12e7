// The rating model on its own: one cooler at one duty.

#include "core/engine/rating.h"

#include <benchmark/benchmark.h>

namespace kr::bench {
namespace {

// A KR 30 with a 4-pole motor at 80 l/min, oil at 60 °C, air at 30 °C.
const CoolerCoefficients Cooler{0.6L, 0.08L, 0.25L, 40, 0.004L};
const RatingDuty Duty{80, 60, 30, 0, 7};

void BM_RateCooler(benchmark::State& state)
{
    for (auto _ : state) {
        CoolerRating rating = RateCooler(Cooler, Duty, 10);
        benchmark::DoNotOptimize(rating);
    }
}
BENCHMARK(BM_RateCooler);

void BM_Temp5Bar(benchmark::State& state)
{
    for (auto _ : state) {
        Extended temperature = Temp5Bar(Cooler, Duty.OilFlow, Duty.OilGradeIndex);
        benchmark::DoNotOptimize(temperature);
    }
}
BENCHMARK(BM_Temp5Bar);

}  // namespace
}  // namespace kr::bench
