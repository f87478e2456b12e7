#include "core/engine/selection.h"

#include "core/engine/candidate.h"
#include "core/engine/rating.h"

#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

namespace kr {
namespace {

using test::CoolerValues;
using test::ErrorEntries;
using test::MakeCooler;
using test::PriceItem;

const LanguageTable& Language()
{
    static const LanguageTable language = test::PatternLanguage();
    return language;
}

// 100 l/min of ISO VG 32 at 70 °C into air at 30 °C, sea level, 2 bar.
DutyCheck Duty(long double requiredHeat, std::string_view driveKey = "400", long double maxPressLoss = 2)
{
    DutyCheck check;
    check.Duty.RequiredHeat = requiredHeat;
    check.Duty.OilFlow = 100;
    check.Duty.AmbientTemp = 30;
    check.Duty.OilInletTemp = 70;
    check.Duty.MaxPressLoss = maxPressLoss;
    check.Duty.Altitude = 0;
    check.Duty.RequiredKWperK = requiredHeat / 40;
    check.Duty.OilTypeIndex = StandardOilGradeIndex;
    check.DriveKey = driveKey;
    return check;
}

CoolerRating Rate(const tCoolType& record, const DutyCheck& check, long double oilFlow)
{
    const DutyValues& d = check.Duty;
    return RateCooler(record, RatingDuty{oilFlow, d.OilInletTemp, d.AmbientTemp, d.Altitude, d.OilTypeIndex},
                      d.RequiredHeat);
}

DutySelection Select(const CoolerRecordList& records, const DutyCheck& check, const PriceRecordList& prices = {},
                     const AskPressLossQuestion& ask = {}, char separator = '.')
{
    ErrorList errors(Language(), FormatSettings{separator, '\0'});
    return SelectForDuty(check, errors, records, prices, ask);
}

// A required heat that the cooler meets comfortably inside the band.
long double ComfortableHeat(const tCoolType& record, long double oilFlow = 100)
{
    return Rate(record, Duty(20), oilFlow).HeatRejection / 1.2L;
}

std::vector<std::string> Designations(const std::vector<tCoolType>& results)
{
    std::vector<std::string> names;
    for (const tCoolType& r : results)
        names.push_back(r.Designation());
    return names;
}

// The x near start, within a few hundred units in the last place, for which
// f(x) is exactly target.
std::optional<long double> ExactArgument(const std::function<long double(long double)>& f, long double target,
                                         long double start)
{
    long double up = start, down = start;
    for (int step = 0; step < 400; ++step) {
        if (f(up) == target)
            return up;
        if (f(down) == target)
            return down;
        up = std::nextafter(up, INFINITY);
        down = std::nextafter(down, -INFINITY);
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// The heat band

struct BandEdge {
    long double heat;      // the cooler's heat rejection
    long double required;  // a required heat whose bound is exactly that heat
    tCoolType record;
};

// Without a fan the air outlet temperature is guarded to 0, so the heat
// rejection does not depend on the first guess: the required heat can be
// moved onto a bound without moving the heat rejection.
BandEdge CoolerOnBound(bool isKrc, bool upper)
{
    CoolerValues values{.Motor = isKrc ? "KRC" : "400", .FanAirFlow = 0, .MinOilFlow = 100, .MaxOilFlow = 100};
    for (int attempt = 0; attempt < 50; ++attempt) {
        const tCoolType record = MakeCooler(values);
        const long double heat = Rate(record, Duty(1), 100).HeatRejection;
        const auto bound = [&](long double q) {
            const HeatBand band = HeatBandFor(q, isKrc);
            return upper ? band.Upper : band.Lower;
        };
        const long double factor = isKrc ? (upper ? 2.1L : 0.85L) : (upper ? 1.7L : 0.9L);
        if (const auto required = ExactArgument(bound, heat, heat / factor))
            return {heat, *required, record};
        values.HeatCoefA = std::nextafter(values.HeatCoefA, 1.0L);
    }
    ADD_FAILURE() << "no required heat puts the bound on the heat rejection";
    return {};
}

TEST(SelectionHeatBand, BoundsAreStrictAndTheKrcBandIsWider)
{
    struct Row {
        const char* name;
        bool isKrc;
        bool upper;
    };
    const Row rows[] = {
        {"1.7 Qreq", false, true}, {"0.9 Qreq", false, false}, {"KRC 2.1 Qreq", true, true}, {"KRC 0.85 Qreq", true, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BandEdge edge = CoolerOnBound(row.isKrc, row.upper);
        const std::string drive = row.isKrc ? "KRC" : "400";
        const DutySelection onBound = Select({edge.record}, Duty(edge.required, drive));
        EXPECT_EQ(onBound.Outcome, SelectionOutcome::Errors);
        EXPECT_EQ(onBound.ErrorText, "1. Error no cooler\r\n\r\n");

        // The nearest required heat that moves the bound off the heat
        // rejection accepts it.
        long double inside = edge.required;
        const auto bound = [&](long double q) {
            const HeatBand band = HeatBandFor(q, row.isKrc);
            return row.upper ? band.Upper : band.Lower;
        };
        while (bound(inside) == edge.heat)
            inside = std::nextafter(inside, row.upper ? INFINITY : -INFINITY);
        const DutySelection within = Select({edge.record}, Duty(inside, drive, 100));
        EXPECT_EQ(within.Outcome, SelectionOutcome::Shown) << within.ErrorText;
        ASSERT_EQ(within.ResultCoolers.size(), 1u);
        EXPECT_EQ(within.ResultCoolers[0].HeatRejection, edge.heat);
    }
}

TEST(SelectionHeatBand, BoundsAreFormedFromTheRequiredHeat)
{
    const HeatBand band = HeatBandFor(10, false);
    EXPECT_EQ(band.Lower, 10 - 0.1L * 10);
    EXPECT_EQ(band.Upper, 10 + 0.7L * 10);
    const HeatBand krc = HeatBandFor(10, true);
    EXPECT_EQ(krc.Lower, 10 - 0.15L * 10);
    EXPECT_EQ(krc.Upper, 10 + 1.1L * 10);
    EXPECT_FALSE(band.Accepts(0));
    EXPECT_FALSE(HeatBandFor(0, false).Accepts(0));  // no required heat: nothing fits
}

// ---------------------------------------------------------------------------
// Oil-flow range and drive

TEST(SelectionOilFlow, TheRangeLimitsAreInside)
{
    const tCoolType record = MakeCooler({.MinOilFlow = 50, .MaxOilFlow = 150});
    struct Row {
        long double flow;
        bool inside;
    };
    for (const Row row : {Row{50, true}, Row{150, true}, Row{49.99L, false}, Row{150.01L, false}}) {
        DutyCheck check = Duty(ComfortableHeat(record, row.flow));
        check.Duty.OilFlow = row.flow;
        const DutySelection selection = Select({record}, check);
        if (row.inside) {
            EXPECT_EQ(selection.Outcome, SelectionOutcome::Shown) << static_cast<double>(row.flow);
            ASSERT_EQ(selection.ResultCoolers.size(), 1u);
            EXPECT_EQ(selection.ResultCoolers[0].OilFlow, row.flow);
        } else {
            EXPECT_EQ(ErrorEntries(selection.ErrorText),
                      (std::vector<std::string>{"1. Error no cooler oilflow", "2. Error no cooler"}))
                << static_cast<double>(row.flow);
        }
    }
}

TEST(SelectionOilFlow, NoRecordWithTheDriveFindsNoCooler)
{
    const CoolerRecordList records = {MakeCooler({}), MakeCooler({.Motor = "12"})};
    const DutySelection selection = Select(records, Duty(ComfortableHeat(records[0]), "24"));
    EXPECT_EQ(selection.Outcome, SelectionOutcome::Errors);
    EXPECT_EQ(ErrorEntries(selection.ErrorText),
              (std::vector<std::string>{"1. Error no cooler oilflow", "2. Error no cooler"}));

    // No voltage chosen: no drive code, so not even a record without one.
    const CoolerRecordList withAccessory = {MakeCooler({.Type = "TB", .Motor = ""})};
    EXPECT_EQ(ErrorEntries(Select(withAccessory, Duty(10, "")).ErrorText),
              (std::vector<std::string>{"1. Error no cooler oilflow", "2. Error no cooler"}));
}

TEST(SelectionOilFlow, KrcCoolersUseTheirPumpFlowWithoutRangeOrPressureTests)
{
    // The pump flow lies outside the stored range and the pressure-loss
    // limit is 0: neither matters for a KRC cooler.
    const tCoolType pump = MakeCooler({.Type = "KRC 10", .Motor = "KRC", .MinOilFlow = 40, .MaxOilFlow = 10});
    const DutySelection selection = Select({pump}, Duty(ComfortableHeat(pump, 40), "KRC", 0));
    ASSERT_EQ(selection.Outcome, SelectionOutcome::Shown);
    ASSERT_EQ(selection.ResultCoolers.size(), 1u);
    const tCoolType& result = selection.ResultCoolers[0];
    EXPECT_EQ(result.OilFlow, 40);
    EXPECT_EQ(result.Temp5Bar, 0);
    EXPECT_GT(result.PressLoss, 0);
    EXPECT_TRUE(selection.IsKrc());
}

// ---------------------------------------------------------------------------
// Pressure loss

TEST(SelectionPressLoss, ExactlyTwelveTenthsOfTheLimitIsAccepted)
{
    CoolerValues values;
    for (int attempt = 0; attempt < 50; ++attempt, values.PressLossCoef = std::nextafter(values.PressLossCoef, 1.0L)) {
        const tCoolType record = MakeCooler(values);
        const long double required = ComfortableHeat(record);
        const long double loss = Rate(record, Duty(required), 100).PressLoss;
        const auto limit = ExactArgument([](long double p) { return 1.2L * p; }, loss, loss / 1.2L);
        if (!limit)
            continue;
        int asked = 0;
        const auto declined = [&](std::string_view, std::string_view) { return ++asked, false; };
        const DutySelection atLimit = Select({record}, Duty(required, "400", *limit), {}, declined);
        EXPECT_EQ(atLimit.Outcome, SelectionOutcome::Shown);
        EXPECT_EQ(atLimit.ResultCoolers.size(), 1u);
        EXPECT_EQ(asked, 0);

        const DutySelection above =
            Select({record}, Duty(required, "400", std::nextafter(*limit, 0.0L)), {}, declined);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(above.Outcome, SelectionOutcome::EndedByQuestion);
        return;
    }
    FAIL() << "no limit gives exactly the pressure loss";
}

TEST(SelectionPressLoss, CoolersAboveTheLimitAreDroppedOrShownOnRequest)
{
    const tCoolType low = MakeCooler({.Designation = "low", .PressLossCoef = 0.001L});
    const tCoolType high = MakeCooler({.Designation = "high", .PressLossCoef = 0.05L});
    const long double required = ComfortableHeat(low);
    const long double limit = Rate(low, Duty(required), 100).PressLoss * 2;  // low passes, high does not

    std::vector<std::pair<std::string, std::string>> questions;
    const auto ask = [&](bool answer) {
        return [&, answer](std::string_view text, std::string_view caption) {
            questions.emplace_back(text, caption);
            return answer;
        };
    };

    // One passes: the other is dropped and nobody is asked.
    const DutySelection mixed = Select({high, low}, Duty(required, "400", limit), {}, ask(false));
    EXPECT_EQ(Designations(mixed.ResultCoolers), std::vector<std::string>{"low"});
    EXPECT_TRUE(questions.empty());

    // None passes: the answer decides.
    const DutySelection yes = Select({high, low}, Duty(required, "400", limit / 100), {}, ask(true));
    EXPECT_EQ(yes.Outcome, SelectionOutcome::Shown);
    EXPECT_EQ(Designations(yes.ResultCoolers), (std::vector<std::string>{"low", "high"}));
    const DutySelection no = Select({high, low}, Duty(required, "400", limit / 100), {}, ask(false));
    EXPECT_EQ(no.Outcome, SelectionOutcome::EndedByQuestion);
    EXPECT_EQ(no.ErrorText, "");
    EXPECT_TRUE(no.ResultCoolers.empty());
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], (std::pair<std::string, std::string>{"Ask pressloss Text", "Ask pressloss Caption"}));

    // Each kept cooler carries its 5-bar temperature.
    EXPECT_EQ(yes.ResultCoolers[0].Temp5Bar, Temp5Bar(low, 100, StandardOilGradeIndex));
    EXPECT_NE(yes.ResultCoolers[0].Temp5Bar, 0);
}

// ---------------------------------------------------------------------------
// Ranking

CoolerRecordList PricedCoolers(const std::vector<std::pair<long double, long double>>& priceAndLossCoef)
{
    CoolerRecordList records;
    for (std::size_t i = 0; i < priceAndLossCoef.size(); ++i)
        records.push_back(MakeCooler({.Designation = "C" + std::to_string(i),
                                      .PressLossCoef = priceAndLossCoef[i].second,
                                      .Price = priceAndLossCoef[i].first}));
    return records;
}

TEST(SelectionRanking, TenCoolersAreAllShownByPrice)
{
    const CoolerRecordList records = PricedCoolers(
        {{900, 0.004L}, {100, 0.004L}, {500, 0.004L}, {300, 0.004L}, {800, 0.004L},
         {200, 0.004L}, {700, 0.004L}, {400, 0.004L}, {1000, 0.004L}, {600, 0.004L}});
    const DutySelection selection = Select(records, Duty(ComfortableHeat(records[0])));
    EXPECT_EQ(Designations(selection.ResultCoolers),
              (std::vector<std::string>{"C1", "C5", "C3", "C7", "C2", "C9", "C6", "C4", "C0", "C8"}));
}

TEST(SelectionRanking, ElevenCoolersGiveTheThreeCheapest)
{
    // C3 and C6 cost the same: the lower pressure loss comes first.
    const CoolerRecordList records = PricedCoolers(
        {{900, 0.004L}, {500, 0.004L}, {800, 0.004L}, {100, 0.005L}, {700, 0.004L}, {600, 0.004L},
         {100, 0.003L}, {400, 0.004L}, {1000, 0.004L}, {300, 0.004L}, {200, 0.004L}});
    const DutySelection selection = Select(records, Duty(ComfortableHeat(records[0])));
    EXPECT_EQ(Designations(selection.ResultCoolers), (std::vector<std::string>{"C6", "C3", "C10"}));
}

TEST(SelectionRanking, CoolersWithEqualKeysStandForOneEntry)
{
    // The two cheapest are alike in price and pressure loss: only the first
    // of them stands for the key, and the next two keys fill the three.
    CoolerRecordList records = PricedCoolers({{500, 0.004L}, {100, 0.004L}, {100, 0.004L}, {300, 0.004L},
                                              {200, 0.004L}, {600, 0.004L}, {700, 0.004L}, {800, 0.004L},
                                              {900, 0.004L}, {1000, 0.004L}, {1100, 0.004L}});
    const DutySelection selection = Select(records, Duty(ComfortableHeat(records[0])));
    EXPECT_EQ(Designations(selection.ResultCoolers), (std::vector<std::string>{"C1", "C4", "C3"}));
}

TEST(SelectionRanking, KeysHaveFixedWidthsAndTheLocalesSeparator)
{
    tCoolType result = MakeCooler({.Price = 1234.5L});
    result.PressLoss = 0.25L;
    EXPECT_EQ(RankingKey(result, FormatSettings{'.', ','}), "        1234.50 0.2500");
    EXPECT_EQ(RankingKey(result, FormatSettings{',', '.'}), "        1234,50 0,2500");
    EXPECT_EQ(HydraulicRankingKey(result, 8, FormatSettings{',', '.'}), "        1234,50 0,2500008");

    // With a comma the order is the same.
    const CoolerRecordList records = PricedCoolers({{20.5L, 0.004L}, {3.25L, 0.004L}, {100, 0.004L}});
    const DutySelection comma = Select(records, Duty(ComfortableHeat(records[0])), {}, {}, ',');
    EXPECT_EQ(Designations(comma.ResultCoolers), (std::vector<std::string>{"C1", "C0", "C2"}));
}

// ---------------------------------------------------------------------------
// Prices

TEST(SelectionPrices, PricesComeFromThePriceListWhenThereIsOne)
{
    const CoolerRecordList records = {MakeCooler({.Designation = "listed", .ItemNo = "kr-30-a", .Price = 5}),
                                      MakeCooler({.Designation = "unlisted", .ItemNo = "KR-30-B", .Price = 7})};
    const DutyCheck check = Duty(ComfortableHeat(records[0]));

    const PriceRecordList prices = {PriceItem("KR-30-A", 4321.5L, "EUR")};
    const DutySelection priced = Select(records, check, prices);
    ASSERT_EQ(priced.ResultCoolers.size(), 2u);
    EXPECT_EQ(priced.ResultCoolers[0].Designation(), "unlisted");  // 0 sorts first
    EXPECT_EQ(priced.ResultCoolers[0].Price(), 0);
    EXPECT_EQ(priced.ResultCoolers[0].Currency, "DKK");
    EXPECT_EQ(priced.ResultCoolers[1].Price(), 4321.5L);
    EXPECT_EQ(priced.ResultCoolers[1].Currency, "EUR");

    const DutySelection unpriced = Select(records, check, {});
    EXPECT_EQ(unpriced.ResultCoolers[0].Price(), 5);
    EXPECT_EQ(unpriced.ResultCoolers[1].Price(), 7);
    EXPECT_EQ(unpriced.ResultCoolers[1].Currency, "DKK");
    // The database record itself is never changed.
    EXPECT_EQ(records[0].Price(), 5);
}

TEST(SelectionPrices, ALargePriceListIsSearchedLikeASmallOne)
{
    PriceRecordList prices;
    for (int i = 0; i < 500; ++i)
        prices.push_back(PriceItem("ITEM-" + std::to_string(i), i, "SEK"));
    prices.push_back(PriceItem("item-7", 99999, "NOK"));  // a later duplicate loses
    const tCoolType record = MakeCooler({.ItemNo = "Item-7"});
    const DutySelection selection = Select({record}, Duty(ComfortableHeat(record)), prices);
    ASSERT_EQ(selection.ResultCoolers.size(), 1u);
    EXPECT_EQ(selection.ResultCoolers[0].Price(), 7);
    EXPECT_EQ(selection.ResultCoolers[0].Currency, "SEK");
}

// ---------------------------------------------------------------------------
// Result objects

TEST(SelectionResults, ResultsCarryTheDutyAndTheirRating)
{
    const tCoolType record = MakeCooler({});
    DutyCheck check = Duty(ComfortableHeat(record));
    check.Duty.OilTypeIndex = 9;
    check.Duty.Altitude = 250;
    const DutySelection selection = Select({record}, check);
    ASSERT_EQ(selection.ResultCoolers.size(), 1u);
    const tCoolType& r = selection.ResultCoolers[0];
    const CoolerRating rating = Rate(record, check, 100);
    EXPECT_EQ(r.HeatRejection, rating.HeatRejection);
    EXPECT_EQ(r.PressLoss, rating.PressLoss);
    EXPECT_EQ(r.AirOutletTemp, rating.AirOutletTemp);
    EXPECT_EQ(r.OilOutletTemp, rating.OilOutletTemp);
    EXPECT_EQ(r.Viscosity, rating.Viscosity);
    EXPECT_EQ(r.RequiredHeat, check.Duty.RequiredHeat);
    EXPECT_EQ(r.RequiredKWperK, check.Duty.RequiredKWperK);
    EXPECT_EQ(r.MaxPressLoss, 2);
    EXPECT_EQ(r.OilTypeIndex, 9);
    EXPECT_EQ(r.Altitude, 250);
    EXPECT_EQ(r.AmbientTemp, 30);
    EXPECT_EQ(r.OilInletTemp, 70);
    EXPECT_EQ(r.Record, record.Record);
}

TEST(SelectionResults, AFailedCheckEndsTheListWithNoCooler)
{
    CalculationInput input;
    input.Drive = DriveChoice::ACDC;
    input.HeatReject = "40";
    input.OilFlow = "10";        // too low
    input.AmbientTemp = "60";    // too warm
    input.InletTemp = "70";
    input.MaxLoss = "2";
    input.Altitude = "5000";     // too high
    const CoolerRecordList records = {MakeCooler({})};
    const DutySelection selection = SelectByDuty(input, records, {}, Language(), {}, {});
    EXPECT_EQ(selection.Outcome, SelectionOutcome::Errors);
    EXPECT_EQ(selection.ErrorText,
              "1. Error low oilflow 20.0 l/min 500.0 l/min\r\n\r\n"
              "2. Error high airtemp 50.0 °C\r\n\r\n"
              "3. Error height 0.0 m 4000.0 m\r\n\r\n"
              "4. Error no cooler\r\n\r\n");
}

TEST(SelectionResults, AValidTabFindsItsCoolers)
{
    CalculationInput input;
    input.Drive = DriveChoice::ACDC;
    input.OilFlow = "100";
    input.AmbientTemp = "30";
    input.InletTemp = "70";
    input.MaxLoss = "2";
    input.Altitude = "0";
    const CoolerRecordList records = {MakeCooler({})};
    input.HeatReject = std::to_string(static_cast<double>(ComfortableHeat(records[0])));
    const DutySelection selection = SelectByDuty(input, records, {}, Language(), {}, {});
    EXPECT_EQ(selection.Outcome, SelectionOutcome::Shown);
    EXPECT_EQ(selection.ResultCoolers.size(), 1u);
    EXPECT_EQ(selection.DriveKey, "400");
}

// ---------------------------------------------------------------------------
// Hydraulic grouping

tCoolType Hydraulic(std::string designation, long double core, std::string displacement, long double price)
{
    return MakeCooler({.Designation = std::move(designation), .Motor = "HYD", .HeatCoefA = core,
                       .Price = price, .HydDisplacement = std::move(displacement)});
}

std::vector<std::vector<std::string>> GroupNames(const DutySelection& selection)
{
    std::vector<std::vector<std::string>> names;
    for (const auto& group : selection.HydraulicGroups)
        names.push_back(Designations(group));
    return names;
}

TEST(SelectionHydraulic, MotorsOfOneCoreNextToEachOtherInPriceOrderFormOneGroup)
{
    const CoolerRecordList adjacent = {Hydraulic("Y 8", 0.151L, "8", 105), Hydraulic("X 12", 0.15L, "12", 101),
                                       Hydraulic("X 8", 0.15L, "8", 100)};
    const long double required = ComfortableHeat(adjacent[1]);
    const DutySelection grouped = Select(adjacent, Duty(required, "HYD"));
    ASSERT_EQ(grouped.Outcome, SelectionOutcome::Shown);
    EXPECT_TRUE(grouped.IsHydraulic());
    EXPECT_TRUE(grouped.ResultCoolers.empty());
    EXPECT_EQ(GroupNames(grouped), (std::vector<std::vector<std::string>>{{"X 8", "X 12"}, {"Y 8"}}));
    EXPECT_GT(grouped.HydraulicGroups[0][1].HeatRejection, 0);
    EXPECT_EQ(grouped.HydraulicGroups[0][1].Currency, "DKK");

    // Another core's motor between them in price order splits them.
    const CoolerRecordList interleaved = {Hydraulic("X 8", 0.15L, "8", 100), Hydraulic("Y 8", 0.151L, "8", 101),
                                          Hydraulic("X 12", 0.15L, "12", 102)};
    EXPECT_EQ(GroupNames(Select(interleaved, Duty(required, "HYD"))),
              (std::vector<std::vector<std::string>>{{"X 8"}, {"Y 8"}, {"X 12"}}));

    // Equal price and pressure loss: the displacement orders them.
    const CoolerRecordList samePrice = {Hydraulic("X 12", 0.15L, "12", 100), Hydraulic("X 8", 0.15L, "8", 100)};
    EXPECT_EQ(GroupNames(Select(samePrice, Duty(required, "HYD"))),
              (std::vector<std::vector<std::string>>{{"X 8", "X 12"}}));
}

TEST(SelectionHydraulic, AtMostTenGroupsAreShown)
{
    CoolerRecordList records;
    for (int core = 0; core < 12; ++core)
        records.push_back(Hydraulic("core " + std::to_string(core), 0.15L + core * 1e-4L, "8", 100 + core));
    const DutySelection selection = Select(records, Duty(ComfortableHeat(records[0]), "HYD"));
    ASSERT_EQ(selection.HydraulicGroups.size(), MaxHydraulicGroups);
    EXPECT_EQ(selection.HydraulicGroups.back()[0].Designation(), "core 9");
}

TEST(SelectionHydraulic, ADisplacementThatIsNoWholeNumberStopsTheSearch)
{
    const CoolerRecordList records = {Hydraulic("KR 30 HYD 8", 0.15L, " 8 ", 100),
                                      Hydraulic("KR 30 HYD x", 0.15L, "8.5", 101)};
    const DutySelection selection = Select(records, Duty(ComfortableHeat(records[0]), "HYD"));
    EXPECT_EQ(selection.Outcome, SelectionOutcome::UnreadableDatabase);
    EXPECT_EQ(selection.ErrorText, "KR 30 HYD x: Error not a whole number 8.5");
    ASSERT_TRUE(selection.Unreadable.has_value());
    EXPECT_EQ(selection.Unreadable->Designation, "KR 30 HYD x");
    EXPECT_TRUE(selection.HydraulicGroups.empty());
}

}  // namespace
}  // namespace kr
