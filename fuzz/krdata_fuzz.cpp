// Feeds Krdata.dat through the reader the program starts with, then takes
// what it read through the selection, the result grid's sorting, the
// technical-data screen's sheet and curves and the printouts of a chosen
// cooler: damaged records (NaN, infinite and huge numbers, length bytes
// beyond their fields) must give texts, never a crash or an endless loop.
#include "cli/selection_run.h"
#include "core/data/cooler_database.h"
#include "core/present/current_cooler.h"
#include "core/present/curve_sweep.h"
#include "core/present/data_sheet.h"
#include "core/print/curves_print.h"
#include "core/print/technical_print.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"
#include "support/null_canvas.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace kr;

// The technical-data screen and the printouts of one chosen cooler.
void PresentCooler(const tCoolType& chosen, const cli::Session& session)
{
    const tCoolType cooler = MakeCurrentCooler(chosen, fuzz::ChoicesFromDutyTab("10"), session.Folder.Prices, '.');
    (void)SweepCurves(cooler);
    const DataSheet sheet = BuildDataSheet(cooler, DataSheetOptions{}, session.Texts, session.Settings, NoteWrap{});
    (void)DataSheetTextLines(sheet);

    const PrintContext context = fuzz::ContextWith(session.Texts, "pictures");
    fuzz::NullCanvas technical;
    TechnicalPrintOptions withPrices;
    withPrices.HasPrices = withPrices.IncludePrices = true;
    PrintTechnicalData(technical, context, cooler, withPrices);
    fuzz::NullCanvas curves;
    (void)PrintPerformanceCurves(curves, context, cooler, 0);
    if (technical.OpenDocuments() != 0 || curves.OpenDocuments() != 0)
        std::abort();
}

void SelectAndPresent(const cli::Session& session, std::string_view drive)
{
    const cli::DutyTexts duty{{"heat", "10"}, {"flow", "80"}, {"ambient", "30"}, {"inlet", "60"}, {"drive", std::string(drive)}};
    cli::SelectionRun run = RunSelection(session, cli::ReadCalculationInput(duty, '.'), true);
    if (run.Outcome != cli::SelectionRun::Kind::Shown)
        return;
    for (int column = 0; column < run.Grid.ColumnCount(); ++column)
        run.Grid.SortByColumn(column, session.Texts);
    for (int row = 1; row <= run.Grid.ResultRowCount() && row <= 2; ++row)
        if (const tCoolType* chosen = run.Grid.ResultAt(row))
            PresentCooler(*chosen, session);
}

}  // namespace

int kr::fuzz::FeedCoolerDatabase(const std::uint8_t* data, std::size_t size)
{
    // A few dozen records are enough to meet every kind; more only slows the search.
    if (size > 40 * CoolerRecordSize)
        return -1;
    CoolerDatabaseLoad load = ParseCoolerDatabase(std::string_view(reinterpret_cast<const char*>(data), size));
    cli::Session session{.Folder = {}, .Texts = fuzz::EnglishTexts(), .Settings = {}};
    session.Folder.Database = std::move(load.Database);
    for (const std::string_view drive : {"400", "24", "HYD", "KRC"})
        SelectAndPresent(session, drive);
    return 0;
}
