#include "core/calc/heat_calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kr {
namespace {

// Texts are written with '.'; each case runs again with ',' in its place.
std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

// 100 l of oil at 0.85 kg/l and 2.1 kJ/(kg·°C) warming from 40 to 50 °C in 20 min.
WarmUpMeasurement Example()
{
    return {{"100", 0}, {"0.85", 1}, {"2.1", 0}, {"40", 0}, {"50", 0}, {"20", 0}};
}

WarmUpMeasurement WithSeparator(WarmUpMeasurement m, char separator)
{
    for (MeasuredEntry* e : {&m.OilVolume, &m.Density, &m.SpecificHeat, &m.InitialTemperature,
                             &m.ObtainedTemperature, &m.TimeInterval})
        e->Text = WithSeparator(e->Text, separator);
    return m;
}

TEST(HeatCalculator, ShowsTheResultInEachPowerUnitAndTransfersItWithOneDecimal)
{
    struct Case {
        int PowerUnit;
        const char* Shown;
        const char* Transferred;
    };
    const std::vector<Case> cases = {
        {0, "1.49", "1.5"}, {1, "1487.50", "1487.5"}, {2, "1279.03", "1279.0"}, {3, "5075.56", "5075.6"},
    };
    for (char separator : {'.', ','}) {
        HeatCalculator calculator(separator);
        EXPECT_EQ(calculator.Transfer(calculator.ResultText(0), 0).HeatText, WithSeparator("0.0", separator));
        EXPECT_EQ(calculator.Calculate(WithSeparator(Example(), separator), 0), WithSeparator("1.49", separator));
        EXPECT_NEAR(calculator.ResultKw(), 1.4875L, 1e-15L);
        // A new result unit re-shows the stored result; nothing is calculated again.
        for (const Case& c : cases) {
            const std::string shown = calculator.ResultText(c.PowerUnit);
            EXPECT_EQ(shown, WithSeparator(c.Shown, separator));
            const HeatTransfer transfer = calculator.Transfer(shown, c.PowerUnit);
            EXPECT_EQ(transfer.HeatText, WithSeparator(c.Transferred, separator));
            EXPECT_EQ(transfer.HeatUnit, c.PowerUnit);
        }
        calculator.Reset();
        EXPECT_EQ(calculator.ResultText(1), WithSeparator("0.00", separator));
    }
}

// The example with one entry given in another unit, from physical constants
// rather than the factor tables, so that a factor in the wrong row shows.
TEST(HeatRejection, ReadsEveryUnitOfEveryEntry)
{
    struct Case {
        const char* What;
        MeasuredEntry WarmUpMeasurement::*Entry;
        MeasuredEntry Given;
    };
    using M = WarmUpMeasurement;
    const std::vector<Case> cases = {
        {"m3", &M::OilVolume, {"0.1", 1}},
        {"ft3", &M::OilVolume, {"3.531466672", 2}},
        {"in3", &M::OilVolume, {"6102.374409", 3}},
        {"kg/m3", &M::Density, {"850", 0}},
        {"lb/ft3", &M::Density, {"53.06376", 2}},
        {"lb/in3", &M::Density, {"0.030708201", 3}},
        {"g/cm3", &M::Density, {"0.85", 4}},
        {"BTU/lb.F", &M::SpecificHeat, {"0.50157", 1}},
        {"initial F", &M::InitialTemperature, {"104", 1}},
        {"obtained F", &M::ObtainedTemperature, {"122", 1}},
        {"s", &M::TimeInterval, {"1200", 1}},
    };
    for (const Case& c : cases) {
        WarmUpMeasurement m = Example();
        m.*c.Entry = c.Given;
        EXPECT_NEAR(HeatRejectionKw(m, '.'), 1.4875L, 1.4875L * 1e-4L) << c.What;
    }
}

TEST(HeatRejection, ReadsEmptyOrUnreadableEntriesAsTheirDefaults)
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
        {"empty volume", &M::OilVolume, {"", 0}, 0},
        {"letters", &M::SpecificHeat, {"2.1x", 0}, 0},
        {"other separator", &M::Density, {"0,85", 1}, 0},
        {"unit beyond the list", &M::Density, {"0.85", 5}, 0},
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
        EXPECT_NEAR(HeatRejectionKw(m, '.'), c.Kw, 1e-12L * (1 + (c.Kw < 0 ? -c.Kw : c.Kw))) << c.What;
    }
    HeatCalculator calculator(',');
    WarmUpMeasurement zeroTime = WithSeparator(Example(), ',');
    zeroTime.TimeInterval = {"0", 1};
    EXPECT_EQ(calculator.Calculate(zeroTime, 0), "17850000000,00");
    zeroTime.ObtainedTemperature.Text = "30";
    EXPECT_EQ(calculator.Calculate(zeroTime, 0), "-17850000000,00");
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

        // A reset brings back the default units as the ones the fields are in.
        calculator.Reset();
        EXPECT_EQ(calculator.DensityUnitChanged(0), "850");
        calculator.Reset();
        EXPECT_EQ(calculator.SpecificHeatUnitChanged(0), WithSeparator("2.1", separator));
    }
}

// One kg/l and one kJ/(kg·°C) in every unit of their lists, and back.
TEST(HeatCalculator, DensityAndSpecificHeatFactorsMatchTheirUnits)
{
    const std::vector<Extended> perKgPerLitre = {1000, 1, 62.42796L, 0.03612729L, 1};
    for (int unit = 0; unit < static_cast<int>(perKgPerLitre.size()); ++unit) {
        const Extended expected = perKgPerLitre[static_cast<std::size_t>(unit)];
        EXPECT_NEAR(ConvertDensity(KgPerLitreUnit, unit, 1), expected, expected * 1e-4L) << unit;
        EXPECT_NEAR(ConvertDensity(unit, KgPerLitreUnit, expected), 1, 1e-4L) << unit;
    }
    EXPECT_NEAR(ConvertSpecificHeat(0, 1, 1), 0.2388459L, 1e-4L);
    EXPECT_NEAR(ConvertSpecificHeat(1, 0, 1), 4.1868L, 1e-3L);
    EXPECT_EQ(ConvertDensity(1, 5, 1), 0);
    EXPECT_EQ(ConvertSpecificHeat(-1, 0, 1), 0);
}

}  // namespace
}  // namespace kr
