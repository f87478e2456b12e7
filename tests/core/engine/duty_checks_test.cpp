#include "core/engine/duty_checks.h"

#include "engine_fixtures.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

using test::ErrorEntries;

const LanguageTable& Language()
{
    static const LanguageTable language = test::PatternLanguage();
    return language;
}

// A complete, valid Calculation tab: 40 kW, 100 l/min, 30 °C air, 70 °C oil.
CalculationInput ValidCalculation()
{
    CalculationInput input;
    input.HeatReject = "40";
    input.OilFlow = "100";
    input.AmbientTemp = "30";
    input.InletTemp = "70";
    input.MaxLoss = "2";
    input.Altitude = "0";
    input.Drive = DriveChoice::ACDC;
    return input;
}

std::string CheckText(const CalculationInput& input, char separator = '.')
{
    ErrorList errors(Language(), FormatSettings{separator, '\0'});
    CheckCalculationInput(input, errors);
    return errors.Text();
}

TEST(CalculationChecks, AValidTabGivesNoMessageAndInternalValues)
{
    ErrorList errors(Language(), {});
    CalculationInput input = ValidCalculation();
    input.OilFlowUnit = 2;  // m³/h
    input.OilFlow = "6";
    input.AltitudeUnit = 1;  // ft
    input.Altitude = "1000";
    const DutyCheck check = CheckCalculationInput(input, errors);
    EXPECT_EQ(errors.Text(), "");
    EXPECT_EQ(check.Duty.RequiredHeat, 40);
    EXPECT_NEAR(static_cast<double>(check.Duty.OilFlow), 100.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(check.Duty.Altitude), 304.80370641307, 1e-9);
    EXPECT_EQ(check.Duty.RequiredKWperK, 1);
    EXPECT_EQ(check.DriveKey, "400");
}

// Each row changes one entry of a valid tab; the text is the whole list.
struct BoundaryCase {
    const char* name;
    void (*change)(CalculationInput&);
    const char* expected;
};

const BoundaryCase BoundaryCases[] = {
    {"oil flow 20", [](CalculationInput& i) { i.OilFlow = "20"; }, ""},
    {"oil flow 500", [](CalculationInput& i) { i.OilFlow = "500"; }, ""},
    {"oil flow 19.99", [](CalculationInput& i) { i.OilFlow = "19.99"; },
     "1. Error low oilflow 20.0 l/min 500.0 l/min\r\n\r\n"},
    {"oil flow 500.01", [](CalculationInput& i) { i.OilFlow = "500.01"; },
     "1. Error low oilflow 20.0 l/min 500.0 l/min\r\n\r\n"},
    {"KRC without oil flow", [](CalculationInput& i) { i.Drive = DriveChoice::KRC; i.OilFlow = ""; i.MaxLoss = ""; },
     ""},
    {"ambient -40", [](CalculationInput& i) { i.AmbientTemp = "-40"; }, ""},
    {"ambient 50", [](CalculationInput& i) { i.AmbientTemp = "50"; }, ""},
    {"ambient -40.01", [](CalculationInput& i) { i.AmbientTemp = "-40.01"; },
     "1. Error low airtemp -40.0 °C\r\n\r\n"},
    {"ambient 50.01", [](CalculationInput& i) { i.AmbientTemp = "50.01"; },
     "1. Error high airtemp 50.0 °C\r\n\r\n"},
    {"oil 0", [](CalculationInput& i) { i.InletTemp = "0"; i.AmbientTemp = "-10"; }, ""},
    {"oil 150", [](CalculationInput& i) { i.InletTemp = "150"; }, ""},
    {"oil -0.01", [](CalculationInput& i) { i.InletTemp = "-0.01"; i.AmbientTemp = "-10"; },
     "1. Error low oiltemp 0.0 °C\r\n\r\n"},
    {"oil 150.01", [](CalculationInput& i) { i.InletTemp = "150.01"; },
     "1. Error high oiltemp 150.0 °C\r\n\r\n"},
    {"difference 5", [](CalculationInput& i) { i.InletTemp = "35"; i.HeatReject = "20"; },
     "1. Error temp dif 5.0 °C\r\n\r\n"},
    {"difference 5.01", [](CalculationInput& i) { i.InletTemp = "35.01"; i.HeatReject = "20"; }, ""},
    {"pressure loss 10", [](CalculationInput& i) { i.MaxLoss = "10"; }, ""},
    {"pressure loss 10.01", [](CalculationInput& i) { i.MaxLoss = "10.01"; },
     "1. Error pressloss 10.0 bar\r\n\r\n"},
    {"pressure loss 0", [](CalculationInput& i) { i.MaxLoss = "0"; }, ""},
    {"altitude 4000", [](CalculationInput& i) { i.Altitude = "4000"; }, ""},
    {"altitude -1", [](CalculationInput& i) { i.Altitude = "-1"; },
     "1. Error height 0.0 m 4000.0 m\r\n\r\n"},
    {"altitude 4000.01", [](CalculationInput& i) { i.Altitude = "4000.01"; },
     "1. Error height 0.0 m 4000.0 m\r\n\r\n"},
    {"55 kW at 10 K", [](CalculationInput& i) { i.HeatReject = "55"; i.InletTemp = "40"; }, ""},
    {"55.1 kW at 10 K", [](CalculationInput& i) { i.HeatReject = "55.1"; i.InletTemp = "40"; },
     "1. Error kwc\r\n\r\n"},
    {"no drive", [](CalculationInput& i) { i.Drive = DriveChoice::None; }, "1. No motortype\r\n\r\n"},
    {"not a number reads as 0", [](CalculationInput& i) { i.OilFlow = "-"; },
     "1. Error low oilflow 20.0 l/min 500.0 l/min\r\n\r\n"},
};

TEST(CalculationChecks, LimitsAreInclusiveAndTheirMessagesExact)
{
    for (const BoundaryCase& c : BoundaryCases) {
        CalculationInput input = ValidCalculation();
        c.change(input);
        EXPECT_EQ(CheckText(input), c.expected) << c.name;
    }
}

TEST(CalculationChecks, EveryEmptyFieldIsReportedInOrder)
{
    CalculationInput input;
    input.Drive = DriveChoice::None;
    const auto entries = ErrorEntries(CheckText(input));
    // An empty tab also reads as 0 everywhere: oil flow 0 is too low and an
    // oil temperature of 0 does not exceed the ambient 0.
    const std::vector<std::string> expected = {
        "1. No motortype",
        "2. Error empty heatRejection",
        "3. Error empty oilflow",
        "4. Error empty ambient",
        "5. Error empty oiltemp",
        "6. Error empty maxpressloss",
        "7. Error empty altitude",
        "8. Error low oilflow 20.0 l/min 500.0 l/min",
        "9. Error temp dif 5.0 °C",
    };
    EXPECT_EQ(entries, expected);
}

TEST(CalculationChecks, LimitsAreShownInTheUnitsOfTheirFields)
{
    CalculationInput input = ValidCalculation();
    input.AmbientTempUnit = 1;  // °F
    input.InletTempUnit = 1;
    input.AmbientTemp = "-41";   // below -40 °F = -40 °C
    input.InletTemp = "303";     // above 302 °F = 150 °C
    input.OilFlowUnit = 2;  // m³/h
    input.OilFlow = "1";
    input.MaxLossUnit = 3;  // PSI
    input.MaxLoss = "146";
    input.AltitudeUnit = 1;  // ft
    input.Altitude = "-1";
    EXPECT_EQ(ErrorEntries(CheckText(input)), (std::vector<std::string>{
                                                  "1. Error low oilflow 1.2 m³/h 30.0 m³/h",
                                                  "2. Error low airtemp -40.0 °F",
                                                  "3. Error high oiltemp 302.0 °F",
                                                  "4. Error pressloss 145.0 PSI",
                                                  "5. Error height 0.0 ft 13123.2 ft",
                                              }));

    input = ValidCalculation();
    input.AmbientTempUnit = 1;
    input.InletTempUnit = 1;
    input.AmbientTemp = "123";
    input.InletTemp = "31";
    EXPECT_EQ(ErrorEntries(CheckText(input)), (std::vector<std::string>{
                                                  "1. Error high airtemp 122.0 °F",
                                                  "2. Error low oiltemp 32.0 °F",
                                                  // 5 K is a difference of 9 °F (not the temperature 41 °F)
                                                  "3. Error temp dif 9.0 °F",
                                              }));
}

TEST(CalculationChecks, TheDecimalSeparatorIsTheLocalesInEntriesAndMessages)
{
    CalculationInput input = ValidCalculation();
    input.OilFlow = "19,5";
    input.HeatReject = "40,5";
    EXPECT_EQ(CheckText(input, ','), "1. Error low oilflow 20,0 l/min 500,0 l/min\r\n\r\n");
    // With the point as separator "19,5" is no number: it reads as 0.
    ErrorList errors(Language(), FormatSettings{'.', ','});
    EXPECT_EQ(CheckCalculationInput(input, errors).Duty.OilFlow, 0);

    ErrorList commaErrors(Language(), FormatSettings{',', '.'});
    const DutyCheck check = CheckCalculationInput(input, commaErrors);
    EXPECT_EQ(check.Duty.OilFlow, 19.5L);
    EXPECT_EQ(check.Duty.RequiredHeat, 40.5L);
}

TEST(CalculationChecks, EqualTemperaturesTakeTheInletAsOneTenthForTheRatio)
{
    // Both at 0 °C: the inlet becomes 0.1 °C, so 1 kW is 10 kW/K, too much.
    CalculationInput input = ValidCalculation();
    input.AmbientTemp = "0";
    input.InletTemp = "0";
    input.HeatReject = "1";
    EXPECT_EQ(ErrorEntries(CheckText(input)),
              (std::vector<std::string>{"1. Error temp dif 5.0 °C", "2. Error kwc"}));

    // Both at 20 °C: the difference becomes 0.1 − 20, a negative ratio.
    input.AmbientTemp = "20";
    input.InletTemp = "20";
    input.HeatReject = "100";
    EXPECT_EQ(ErrorEntries(CheckText(input)), (std::vector<std::string>{"1. Error temp dif 5.0 °C"}));
}

TEST(CalculationChecks, AnEmptyHeatIsReportedAndCountsAsZero)
{
    CalculationInput input = ValidCalculation();
    input.HeatReject = "";
    ErrorList errors(Language(), {});
    const DutyCheck check = CheckCalculationInput(input, errors);
    EXPECT_EQ(errors.Text(), "1. Error empty heatRejection\r\n\r\n");
    EXPECT_EQ(check.Duty.RequiredKWperK, 0);
}

TEST(CalculationChecks, DriveKeys)
{
    struct Row {
        DriveChoice drive;
        int voltage;
        const char* key;
    };
    const Row rows[] = {
        {DriveChoice::ACDC, 0, "400"},      {DriveChoice::ACDC, 1, "12"},  {DriveChoice::ACDC, 2, "24"},
        {DriveChoice::ACDC, -1, ""},        {DriveChoice::ACDC, 3, ""},    {DriveChoice::Hydraulic, 1, "HYD"},
        {DriveChoice::KRC, 0, "KRC"},       {DriveChoice::None, 0, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CalculationDriveKey(row.drive, row.voltage), row.key) << static_cast<int>(row.drive) << row.voltage;
}

TEST(CalculationChecks, AnOilGradeOutsideTheListIsTheStandardGrade)
{
    CalculationInput input = ValidCalculation();
    input.OilTypeIndex = -1;
    ErrorList errors(Language(), {});
    EXPECT_EQ(CheckCalculationInput(input, errors).Duty.OilTypeIndex, StandardOilGradeIndex);
    input.OilTypeIndex = 17;
    EXPECT_EQ(CheckCalculationInput(input, errors).Duty.OilTypeIndex, 17);
}

TEST(KnownChecks, RunInTheirOrderWithoutHeatOrPressureChecks)
{
    KnownInput input;
    input.Drive = DriveChoice::None;
    input.AmbientTemp = "60";
    input.InletTemp = "151";
    input.Altitude = "5000";
    input.AltitudeUnit = 1;  // ft: 5000 ft is inside 4000 m
    ErrorList errors(Language(), {});
    const DutyValues duty = CheckKnownInput(input, errors);
    EXPECT_EQ(ErrorEntries(errors.Text()), (std::vector<std::string>{
                                               "1. No motortype",
                                               "2. Error empty oilflow",
                                               "3. Error low oilflow 20.0 l/min 500.0 l/min",
                                               "4. Error high airtemp 50.0 °C",
                                               "5. Error high oiltemp 150.0 °C",
                                           }));
    EXPECT_NEAR(static_cast<double>(duty.Altitude), 1524.0185, 1e-3);
    EXPECT_EQ(duty.RequiredHeat, 0);
    EXPECT_EQ(duty.MaxPressLoss, 0);

    KnownInput krc;
    krc.Drive = DriveChoice::KRC;
    krc.AmbientTemp = "20";
    krc.InletTemp = "60";
    ErrorList krcErrors(Language(), {});
    CheckKnownInput(krc, krcErrors);
    EXPECT_EQ(krcErrors.Text(), "1. Error empty altitude\r\n\r\n");
}

}  // namespace
}  // namespace kr
