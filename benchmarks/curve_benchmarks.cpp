// The sweep of the performance curves: 1500 ratings and the chart scales.

#include "generated_database.h"

#include "core/common/text_case.h"
#include "core/present/curve_sweep.h"

#include <benchmark/benchmark.h>

namespace kr::bench {
namespace {

tCoolType ChosenCooler()
{
    for (const tCoolType& record : SampleData().Records) {
        if (!SameText(record.Designation(), "KR 30 AC 400V 4-pol"))
            continue;
        tCoolType cooler = record;
        cooler.OilFlow = 80;
        cooler.OilInletTemp = 60;
        cooler.AmbientTemp = 30;
        cooler.OilTypeIndex = 7;
        cooler.RequiredHeat = 10;
        cooler.MaxPressLoss = 2;
        return cooler;
    }
    return SampleData().Records.front();
}

void BM_CurveSweep(benchmark::State& state)
{
    const tCoolType cooler = ChosenCooler();
    for (auto _ : state) {
        PerformanceCurves curves = SweepCurves(cooler);
        benchmark::DoNotOptimize(curves);
    }
}
BENCHMARK(BM_CurveSweep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kr::bench
