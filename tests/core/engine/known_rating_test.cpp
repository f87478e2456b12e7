#include "core/engine/known_rating.h"

#include "core/engine/rating.h"

#include "engine_fixtures.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

using test::ErrorEntries;
using test::MakeCooler;
using test::PriceItem;

const LanguageTable& Language()
{
    static const LanguageTable language = test::PatternLanguage();
    return language;
}

KnownInput Known(std::string type, DriveChoice drive, std::optional<int> motor, std::string oilFlow = "100")
{
    KnownInput input;
    input.OilFlow = std::move(oilFlow);
    input.AmbientTemp = "30";
    input.InletTemp = "70";
    input.Altitude = "0";
    input.CoolerType = std::move(type);
    input.Drive = drive;
    input.MotorChoice = motor;
    return input;
}

TEST(KnownRating, RatesEveryMatchingRecordCheapestFirst)
{
    const CoolerRecordList records = {
        MakeCooler({.Designation = "dear", .ItemNo = "A", .Price = 900}),
        MakeCooler({.Designation = "cheap", .ItemNo = "B", .PressLossCoef = 0.02L, .Price = 100}),
        MakeCooler({.Designation = "other poles", .Poles = 6}),
    };
    const KnownRating rating = RateKnownCooler(Known("KR 30", DriveChoice::ACDC, 4), records, {}, Language(), {});
    ASSERT_TRUE(rating.Shown()) << rating.ErrorText;
    ASSERT_EQ(rating.KnownResults.size(), 2u);
    EXPECT_EQ(rating.KnownResults[0].Designation(), "cheap");
    EXPECT_EQ(rating.KnownResults[1].Designation(), "dear");

    // The first guess is the heat without air-temperature factor and 1.1.
    const tCoolType& r = rating.KnownResults[1];
    const RatingDuty duty{100, 70, 30, 0, StandardOilGradeIndex};
    const long double q0 = BaseHeatEstimate(CoefficientsOf(records[0]), duty);
    EXPECT_EQ(r.RequiredHeat, q0);
    EXPECT_EQ(r.HeatRejection, RateCooler(records[0], duty, q0).HeatRejection);
    EXPECT_EQ(r.Temp5Bar, Temp5Bar(records[0], 100, StandardOilGradeIndex));
    EXPECT_NE(r.Temp5Bar, 0);
    EXPECT_EQ(r.MaxPressLoss, 0);
    EXPECT_EQ(r.RequiredKWperK, 0);
    EXPECT_EQ(r.OilFlow, 100);
    EXPECT_EQ(r.Currency, "DKK");
}

TEST(KnownRating, AllMatchesAreShownWithoutACut)
{
    CoolerRecordList records;
    for (int i = 0; i < 14; ++i)
        records.push_back(MakeCooler({.Designation = std::to_string(i), .Price = 1000.0L - i}));
    const PriceRecordList prices = {PriceItem("30-400-4", 55, "EUR")};
    const KnownRating rating = RateKnownCooler(Known("KR 30", DriveChoice::ACDC, 4), records, prices, Language(), {});
    ASSERT_EQ(rating.KnownResults.size(), 14u);
    // All have the one price of their item number now; equal keys keep database order.
    EXPECT_EQ(rating.KnownResults[0].Price(), 55);
    EXPECT_EQ(rating.KnownResults[0].Currency, "EUR");
    EXPECT_EQ(rating.KnownResults[0].Designation(), "0");
}

TEST(KnownRating, AKrcTypeRatesAtItsPumpFlowWithoutFiveBarTemperature)
{
    const CoolerRecordList records = {MakeCooler({.Type = "KRC 10", .Motor = "KRC", .MinOilFlow = 40, .MaxOilFlow = 40})};
    const KnownRating rating =
        RateKnownCooler(Known("KRC 10", DriveChoice::KRC, std::nullopt, ""), records, {}, Language(), {});
    ASSERT_TRUE(rating.Shown()) << rating.ErrorText;
    ASSERT_EQ(rating.KnownResults.size(), 1u);
    EXPECT_EQ(rating.KnownResults[0].OilFlow, 40);
    EXPECT_EQ(rating.KnownResults[0].Temp5Bar, 0);
    EXPECT_GT(rating.KnownResults[0].HeatRejection, 0);
}

TEST(KnownRating, FailuresAreNumberedOnAfterTheChecks)
{
    const CoolerRecordList records = {MakeCooler({.MinOilFlow = 50, .MaxOilFlow = 150})};
    struct Row {
        const char* name;
        KnownInput input;
        std::vector<std::string> entries;
    };
    KnownInput failedCheck = Known("KR 30", DriveChoice::ACDC, 4);
    failedCheck.AmbientTemp = "-50";
    const Row rows[] = {
        {"outside the flow range", Known("KR 30", DriveChoice::ACDC, 4, "200"),
         {"1. Error no cooler oilflow", "2. Error no cooler"}},
        {"a voltage without records", Known("KR 30", DriveChoice::ACDC, 24),
         {"1. Error no cooler oilflow", "2. Error no cooler"}},
        {"a failed check", failedCheck, {"1. Error low airtemp -40.0 °C", "2. Error no cooler"}},
        {"no drive", Known("KR 30", DriveChoice::None, 4), {"1. No motortype", "2. Error no cooler"}},
    };
    for (const Row& row : rows) {
        const KnownRating rating = RateKnownCooler(row.input, records, {}, Language(), {});
        EXPECT_FALSE(rating.Shown()) << row.name;
        EXPECT_TRUE(rating.KnownResults.empty()) << row.name;
        EXPECT_EQ(ErrorEntries(rating.ErrorText), row.entries) << row.name;
    }
}

}  // namespace
}  // namespace kr
