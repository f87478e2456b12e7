// Opening the technical-data screen as the user does after a search: the
// current cooler, the data sheet, the 1500-point sweep, both charts and the
// drawing, on the real window (offscreen).

#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/present/technical_page.h"
#include "gui_program.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace kr::bench {
namespace {

void BM_OpenTechnicalPage(benchmark::State& state)
{
    SearchedProgram program;
    for (auto _ : state) {
        program.Window().TechnicalScreen->zBitColBtnTDataClick(ResultTab::Calculation);
        QCoreApplication::processEvents();
    }
    state.counters["opened"] = program.State().CurrentCooler.IsChosen ? 1 : 0;
}
BENCHMARK(BM_OpenTechnicalPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kr::bench
