// Records whose numbers are NaN, infinite or beyond any real cooler, taken
// from the data file through everything the technical-data screen and the
// printouts make of them: each shows a short text where a number belongs
// and every print job ends.
#include "cli/selection_run.h"
#include "core/data/cooler_database.h"
#include "core/present/current_cooler.h"
#include "core/present/curve_sweep.h"
#include "core/present/data_sheet.h"
#include "core/print/curves_print.h"
#include "core/print/technical_print.h"
#include "core/quote/price_file.h"
#include "support/fuzz_files.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string_view>

namespace kr {
namespace {

using Kind = test::RecordingCanvas::Kind;

// No number this program shows needs more digits than this; a huge value
// written out in full would need thousands.
constexpr long MostDigitsOfAText = 40;

long DigitsOf(std::string_view text)
{
    return std::ranges::count_if(text, [](char c) { return c >= '0' && c <= '9'; });
}

DataSheetOptions SheetWithPrices()
{
    DataSheetOptions options;
    options.HasPrices = true;
    return options;
}

void ExpectEndedJobOfSensibleTexts(const test::RecordingCanvas& canvas)
{
    EXPECT_EQ(canvas.CallsOf(Kind::BeginDocument).size(), canvas.CallsOf(Kind::EndDocument).size());
    for (const auto& call : canvas.CallsOf(Kind::Text))
        EXPECT_LE(DigitsOf(call.Text), MostDigitsOfAText) << call.Text.substr(0, 60);
}

TEST(DamagedRecords, NonFiniteAndHugeNumbersShowAsTextsAndEveryPrintoutEnds)
{
    constexpr Extended values[] = {std::numeric_limits<Extended>::quiet_NaN(), std::numeric_limits<Extended>::infinity(),
                                   -std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::max(),
                                   -std::numeric_limits<Extended>::max(), std::numeric_limits<Extended>::denorm_min()};
    const CoolerDatabase sample = ParseCoolerDatabase(fuzz::SampleCoolerRecords()).Database;
    ASSERT_FALSE(sample.CoolerRecords.empty());
    const LanguageTable& texts = fuzz::EnglishTexts();
    for (const tCoolType& original : sample.CoolerRecords) {
        for (const Extended value : values) {
            SCOPED_TRACE(original.Designation() + " with " + std::to_string(static_cast<double>(value)));
            tCoolType record = original;
            for (const RecordField& field : CoolerField::All)
                if (field.type == FieldType::Extended80)
                    record.SetNumber(field, value);
            const tCoolType cooler = MakeCurrentCooler(record, fuzz::ChoicesFromDutyTab("10"), {}, '.');

            (void)SweepCurves(cooler);
            for (const std::string& line : DataSheetTextLines(BuildDataSheet(cooler, SheetWithPrices(), texts, {}, NoteWrap{})))
                EXPECT_LE(DigitsOf(line), MostDigitsOfAText) << line.substr(0, 60);

            const PrintContext context = fuzz::ContextWith(texts, "pictures");
            test::RecordingCanvas technical({4960, 7016}, {600, 600});
            TechnicalPrintOptions withPrices;
            withPrices.HasPrices = withPrices.IncludePrices = true;
            PrintTechnicalData(technical, context, cooler, withPrices);
            ExpectEndedJobOfSensibleTexts(technical);
            test::RecordingCanvas curves({7016, 4960}, {600, 600});
            (void)PrintPerformanceCurves(curves, context, cooler, 0);
            ExpectEndedJobOfSensibleTexts(curves);
        }
    }
}

TEST(DamagedRecords, FilesFarLargerThanTheShippedOnesAreReadWholeAndSearched)
{
    constexpr int Copies = 2000;  // over a hundred times the shipped database
    const std::string sample = fuzz::SampleCoolerRecords();
    std::string database;
    for (int i = 0; i < Copies; ++i)
        database += sample;
    cli::Session session{.Folder = {}, .Texts = fuzz::EnglishTexts(), .Settings = {}};
    CoolerDatabaseLoad load = ParseCoolerDatabase(database);
    EXPECT_EQ(load.ErrorKey, "");
    ASSERT_EQ(load.Database.CoolerRecords.size(), Copies * (sample.size() / CoolerRecordSize));
    session.Folder.Database = std::move(load.Database);
    const cli::DutyTexts duty{{"heat", "1"}, {"flow", "30"}, {"ambient", "30"}, {"inlet", "60"}, {"drive", "400"}};
    const cli::SelectionRun run = cli::RunSelection(session, cli::ReadCalculationInput(duty, '.'), true);
    EXPECT_EQ(run.Outcome, cli::SelectionRun::Kind::Shown) << run.Text;

    tPriceType item;
    item.SetText(PriceField::ItemNo, "ITEM");
    std::string prices;
    for (int i = 0; i < 100 * Copies; ++i)
        prices.append(reinterpret_cast<const char*>(item.Record.data()), item.Record.size());
    PriceRecordList table;
    EXPECT_EQ(ParsePriceRecords(prices, table), "");
    EXPECT_EQ(table.size(), std::size_t{100 * Copies});
    EXPECT_TRUE(LookUpPrice(table, "item").Found);
}

}  // namespace
}  // namespace kr
