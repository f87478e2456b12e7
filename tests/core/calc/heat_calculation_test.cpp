#include "core/calc/heat_calculation.h"
#include "../decimal_separator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kr {
namespace {

// 100 l of oil at 0.85 kg/l and 2.1 kJ/(kg·°C) warming from 40 to 50 °C in 20 min.
WarmUpMeasurement Example(char separator = '.')
{
    return {{"100", 0}, {WithSeparator("0.85", separator), 1}, {WithSeparator("2.1", separator), 0},
            {"40", 0},  {"50", 0},                            {"20", 0}};
}

TEST(HeatCalculator, ShowsTheResultInEachPowerUnitAndTransfersWhatIsShown)
{
    HeatCalculator calculator(',');
    EXPECT_EQ(calculator.Transfer(calculator.ResultText(0), 0).HeatText, "0,0");  // before any calculation
    EXPECT_EQ(calculator.Calculate(Example(','), 0), "1,49");
    // A new result unit re-shows the stored result; nothing is calculated again.
    const std::vector<std::pair<std::string, std::string>> shownAndTransferred = {
        {"1,49", "1,5"}, {"1487,50", "1487,5"}, {"1279,03", "1279,0"}, {"5075,56", "5075,6"}};
    for (int unit = 0; unit < 4; ++unit) {
        const std::string shown = calculator.ResultText(unit);
        EXPECT_EQ(shown, shownAndTransferred[static_cast<std::size_t>(unit)].first);
        const HeatTransfer transfer = calculator.Transfer(shown, unit);
        EXPECT_EQ(transfer.HeatText, shownAndTransferred[static_cast<std::size_t>(unit)].second);
        EXPECT_EQ(transfer.HeatUnit, unit);
    }
}

// The example with one entry changed: given in another unit (the values from
// physical constants rather than the factor tables, so that a factor in the
// wrong row shows), or empty, unreadable or out of range.
TEST(HeatRejection, ReadsEachEntryInItsUnitOrAsItsDefault)
{
    using M = WarmUpMeasurement;
    struct Case {
        const char* What;
        MeasuredEntry M::*Entry;
        MeasuredEntry Given;
        Extended Kw;
    };
    const Extended example = 1.4875L;
    const std::vector<Case> cases = {
        {"m3", &M::OilVolume, {"0.1", 1}, example},              {"ft3", &M::OilVolume, {"3.531466672", 2}, example},
        {"in3", &M::OilVolume, {"6102.374409", 3}, example},     {"kg/m3", &M::Density, {"850", 0}, example},
        {"lb/ft3", &M::Density, {"53.06376", 2}, example},       {"lb/in3", &M::Density, {"0.030708201", 3}, example},
        {"g/cm3", &M::Density, {"0.85", 4}, example},            {"BTU", &M::SpecificHeat, {"0.50157", 1}, example},
        {"from F", &M::InitialTemperature, {"104", 1}, example}, {"to F", &M::ObtainedTemperature, {"122", 1}, example},
        {"s", &M::TimeInterval, {"1200", 1}, example},
        {"empty volume", &M::OilVolume, {"", 0}, 0},             {"letters", &M::SpecificHeat, {"2.1x", 0}, 0},
        {"other separator", &M::Density, {"0,85", 1}, 0},        {"unit beyond the list", &M::Density, {"0.85", 5}, 0},
        {"no unit", &M::OilVolume, {"100", -1}, 0},
        {"empty initial temperature", &M::InitialTemperature, {"", 0}, example * 5},
        {"cooling down", &M::ObtainedTemperature, {"30", 0}, -example},
        {"empty time is one minute", &M::TimeInterval, {"", 0}, example * 20},
        {"empty time is one second", &M::TimeInterval, {" ", 1}, example * 1200},
        {"time unit beyond the list is one second", &M::TimeInterval, {"20", 2}, example * 1200},
        {"zero time", &M::TimeInterval, {"0", 0}, 1785 / ZeroTimeSeconds},
        {"negative time", &M::TimeInterval, {"-20", 0}, -example},
    };
    for (const Case& c : cases) {
        WarmUpMeasurement m = Example();
        m.*c.Entry = c.Given;
        EXPECT_NEAR(HeatRejectionKw(m, '.'), c.Kw, 1e-4L * (c.Kw < 0 ? -c.Kw : c.Kw)) << c.What;
    }
}

// The density and specific-heat fields re-express their number when their
// unit changes; everything they show reads back as the value it stands for.
TEST(HeatCalculator, ReexpressesDensityAndSpecificHeatInTheirNewUnit)
{
    for (char separator : {'.', ','}) {
        HeatCalculator calculator(separator);
        EXPECT_EQ(calculator.DefaultDensityText(), WithSeparator("0.85", separator));
        EXPECT_EQ(calculator.DefaultSpecificHeatText(), WithSeparator("2.1", separator));

        // kg/l -> kg/m³ -> kg/l -> lb/ft³ -> g/cm³ -> lb/in³ -> kg/l
        const std::vector<std::pair<int, const char*>> densitySteps = {
            {0, "850"}, {1, "0.85"}, {2, "53.0655"}, {4, "0.85"}, {3, "0.030708205"}, {1, "0.85"}};
        for (const auto& [unit, text] : densitySteps) {
            const std::string shown = calculator.DensityUnitChanged(unit);
            EXPECT_EQ(shown, WithSeparator(text, separator)) << unit;
            calculator.DensityTextChanged(shown);  // the field's change re-reads it
        }
        EXPECT_EQ(calculator.SpecificHeatUnitChanged(1), WithSeparator("0.501585", separator));
        EXPECT_EQ(calculator.SpecificHeatUnitChanged(0), WithSeparator("2.1", separator));

        // An edited field is converted from what was typed; 15 digits survive.
        calculator.DensityTextChanged(WithSeparator("0.123456789012345", separator));
        EXPECT_EQ(calculator.DensityUnitChanged(0), WithSeparator("123.456789012345", separator));
        calculator.DensityTextChanged("unreadable");
        EXPECT_EQ(calculator.DensityUnitChanged(1), "0");
        calculator.SpecificHeatTextChanged(WithSeparator("1e-7", separator));
        EXPECT_EQ(calculator.SpecificHeatUnitChanged(1), WithSeparator("2.3885E-008", separator));
    }
}

}  // namespace
}  // namespace kr
