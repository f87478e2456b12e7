// File → Print with everything ticked, as the user prints after a search,
// the technical data and two transfers: the data sheet, the drawing, the
// curves, the quotation and the installation instructions, each its own
// PDF file (KRCOOL_PRINT_DIR), on the real window (offscreen).

#include "gui/app/form_startmenu.h"
#include "gui/present/technical_page.h"
#include "gui/print/form_print_select.h"
#include "gui/print/run_print_selection.h"
#include "gui/widgets/color_button.h"
#include "gui_program.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace kr::bench {
namespace {

constexpr int DocumentCount = 5;

// Confirms the print selection as soon as it shows, as it opened.
void PrintWhenSelectionShows()
{
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<gui::TFormPrintSelect*>(QApplication::activeModalWidget()))
            dialog->zBitColBtnPrint->click();
    });
}

void BM_PrintEverythingToPdf(benchmark::State& state)
{
    QTemporaryDir pdfFolder;
    qputenv("KRCOOL_PRINT_DIR", pdfFolder.path().toUtf8());
    SearchedProgram program;
    gui::TFormStartmenu& window = program.Window();
    window.MainScreen.zBitColBtnTransfer->click();
    window.MainScreen.zBitColBtnTransfer->click();
    window.MainScreen.zBitColBtnTData->click();
    for (auto _ : state) {
        PrintWhenSelectionShows();
        gui::RunPrintSelection(window, PrintMode::AllAvailable);
    }
    const int written = static_cast<int>(QDir(pdfFolder.path()).entryList(QDir::Files).size());
    state.counters["files"] = written;
    if (written != DocumentCount)
        state.SkipWithError("not every document was printed");
    qunsetenv("KRCOOL_PRINT_DIR");
}
BENCHMARK(BM_PrintEverythingToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kr::bench
