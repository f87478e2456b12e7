// Feeds bytes to the reader of the language files and uses the table as the
// program does: every text looked up and its pattern filled, then a
// selection shown in the result grid and a data sheet written with those
// texts. A pattern that does not fit its arguments must give a readable
// text, never a crash or a wrong argument.
#include "cli/selection_run.h"
#include "core/common/delphi_format.h"
#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"
#include "core/present/current_cooler.h"
#include "core/present/data_sheet.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

const kr::CoolerDatabase& SampleDatabase()
{
    static const kr::CoolerDatabase database = kr::ParseCoolerDatabase(kr::fuzz::SampleCoolerRecords()).Database;
    return database;
}

}  // namespace

int kr::fuzz::FeedLanguageFile(const std::uint8_t* data, std::size_t size)
{
    using namespace kr;
    if (size > 64 * 1024)
        return -1;
    LanguageTable texts(SplitLanguageLines(std::string_view(reinterpret_cast<const char*>(data), size)));

    const std::vector<FormatArg> args{FormatArg(3), FormatArg(static_cast<Extended>(2.5L)), FormatArg(std::string("KR 10"))};
    for (const TextKey& key : AllTextKeys())
        (void)TryFormat(texts.Lookup(key.Key), args, FormatSettings{',', '.'});

    cli::Session session{.Folder = {}, .Texts = std::move(texts), .Settings = {}};
    session.Folder.Database = SampleDatabase();
    for (const std::string_view drive : {"400", "HYD"}) {
        const cli::DutyTexts duty{{"heat", "5"}, {"flow", "40"}, {"ambient", "30"}, {"inlet", "60"}, {"drive", std::string(drive)}};
        cli::SelectionRun run = RunSelection(session, cli::ReadCalculationInput(duty, '.'), true);
        if (run.Outcome != cli::SelectionRun::Kind::Shown)
            continue;
        (void)run.Grid.StepHint(1, session.Texts);
        if (const tCoolType* chosen = run.Grid.ResultAt(1)) {
            const tCoolType cooler = MakeCurrentCooler(*chosen, fuzz::ChoicesFromDutyTab("5"), {}, '.');
            DataSheetOptions withPrices;
            withPrices.HasPrices = true;
            (void)BuildDataSheet(cooler, withPrices, session.Texts, session.Settings, NoteWrap{});
        }
    }
    return 0;
}
