#include "core/common/units.h"

#include "core/common/cp1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kr {
namespace {

using Converter = Extended (*)(int, int, Extended);

TEST(Units, ListsHoldTheirNamesInOrder)
{
    const std::vector<std::size_t> sizes = {3, 2, 7, 5, 2, 4, 5, 2, 2, 2, 4, 2};
    ASSERT_EQ(AllUnitLists.size(), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i)
        EXPECT_EQ(AllUnitLists[i].size(), sizes[i]) << i;
    EXPECT_EQ(AllUnitLists[2][3], "gal(US)/h");
    EXPECT_EQ(UnitsSpecificHeat[0], "KJ/kg\u00B7\u00B0C");
    EXPECT_EQ(UnitsPressure[4], "lbf/ft\u00B2");
    EXPECT_EQ(UnitsDensity[1], "kg/l");  // the heat calculator's default
    EXPECT_EQ(MotorVoltages[2], "DC 24V");

    // Every name must survive the Windows-1252 language files and print-outs.
    for (UnitNames list : AllUnitLists)
        for (std::string_view name : list)
            EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(name)), name);
}

TEST(Units, ConvertsTheCheckedExamples)
{
    EXPECT_NEAR(ConvertOilFlow(3, 1, 15.85L), 0.0166667L, 1e-17L);  // 15.85 gal(US)/h is 1 l/min
    EXPECT_EQ(ConvertPressure(0, 4, 1), 2088.5434L);
    EXPECT_EQ(ConvertPressure(-1, 7, 5), 5);
    EXPECT_EQ(ConvertTemperature(1, 0, 32), 0);
    EXPECT_EQ(ConvertTemperature(0, 1, 100), 212);
    EXPECT_EQ(ConvertTemperature(0, 1, -40), -40);
    EXPECT_NEAR(ConvertTemperature(1, 1, 123.4L), 123.4L, 1e-15L);
    EXPECT_EQ(ConvertTemperature(-1, 2, 55.5L), 55.5L);
}

// One base unit expressed in each other unit, from physics rather than
// from the factor tables, so that a factor in the wrong row shows.
struct UnitFact {
    const char* Unit;
    Converter Convert;
    int Index;
    Extended PerBaseUnit;
};

TEST(Units, EveryFactorMatchesItsUnit)
{
    const std::vector<UnitFact> facts = {
        {"W", ConvertPower, 1, 1000},          {"kcal/h", ConvertPower, 2, 859.845L},
        {"BTU/h", ConvertPower, 3, 3412.14L},  {"l/s", ConvertOilFlow, 1, 1 / 60.0L},
        {"m3/h", ConvertOilFlow, 2, 0.06L},    {"gal(US)/h", ConvertOilFlow, 3, 60 / 3.785411784L},
        {"gal(UK)/h", ConvertOilFlow, 4, 60 / 4.54609L},
        {"kg/s", ConvertOilFlow, 5, 0.85L / 60},
        {"lb/h", ConvertOilFlow, 6, 0.85L * 60 / 0.45359237L},
        {"Pa", ConvertPressure, 1, 1e5L},      {"kPa", ConvertPressure, 2, 100},
        {"PSI", ConvertPressure, 3, 1e5L / 6894.757L},
        {"lbf/ft2", ConvertPressure, 4, 1e5L / 47.880259L},
        {"ft3/s", ConvertAirFlow, 1, 1 / 0.028316846592L},
        {"ft", ConvertLength, 1, 1 / 0.3048L}, {"lb", ConvertMass, 1, 1 / 0.45359237L},
        {"m3", ConvertVolume, 1, 0.001L},      {"ft3", ConvertVolume, 2, 1 / 28.316846592L},
        {"in3", ConvertVolume, 3, 1 / 0.016387064L},
    };
    for (const UnitFact& f : facts) {
        const Extended out = f.Convert(0, f.Index, 1);
        EXPECT_NEAR(out / f.PerBaseUnit, 1, 2e-3) << f.Unit;
        EXPECT_NEAR(f.Convert(f.Index, 0, out), 1, 1e-4) << f.Unit;
        EXPECT_NEAR(f.Convert(f.Index, f.Index, 7), 7, 7e-4) << f.Unit;
    }
}

TEST(Units, IndicesOutsideTheTableMeanTheBaseUnit)
{
    for (Converter convert : {ConvertPower, ConvertOilFlow, ConvertTemperature, ConvertPressure,
                              ConvertAirFlow, ConvertLength, ConvertMass, ConvertVolume}) {
        EXPECT_EQ(convert(-1, 99, 42.5L), 42.5L);
        EXPECT_EQ(convert(0, -7, 42.5L), 42.5L);
        EXPECT_EQ(convert(1, 99, 1), convert(1, 0, 1));
    }
    EXPECT_EQ(ConvertPower(4, 1, 1), 1000);  // BTU/h has index 3; 4 is beyond
}

TEST(Units, NamesAUnitByIndex)
{
    EXPECT_EQ(UnitName(UnitsPressure, 3), "PSI");
    EXPECT_EQ(UnitName(UnitsPressure, -1), "bar");
    EXPECT_EQ(UnitName(UnitsPressure, 5), "bar");
    EXPECT_EQ(UnitName(UnitNames{}, 0), "");
}

TEST(Units, FindsUnitsByTheirOwnOrPlainSpelling)
{
    struct Lookup {
        UnitNames List;
        const char* Name;
        int Index;
    };
    const std::vector<Lookup> lookups = {
        {UnitsAirFlow, "m3/s", 0},           {UnitsAirFlow, "FT3/S", 1},
        {UnitsAirFlow, "ft³/s", 1},          {UnitsTemperature, "degC", 0},
        {UnitsTemperature, "degf", 1},       {UnitsTemperature, "°F", 1},
        {UnitsPressure, "lbf/ft2", 4},       {UnitsPressure, "psi", 3},
        {UnitsPressure, "kpa", 2},           {UnitsSpecificHeat, "kJ/kg.degC", 0},
        {UnitsSpecificHeat, "KJ/kg·°C", 0},  {UnitsSpecificHeat, "BTU/lb.degF", 1},
        {UnitsOilFlow, "gal(US)/h", 3},      {UnitsOilFlow, "GAL(uk)/H", 4},
        {UnitsOilFlow, " l/min ", 0},        {UnitsOilFlow, "m3/h", 2},
        {UnitsDensity, "kg/m3", 0},          {UnitsDensity, "lb/ft3", 2},
        {UnitsDensity, "lb/in3", 3},         {UnitsDensity, "g/cm3", 4},
        {UnitsVolume, "ft3", 2},             {UnitsVolume, "in3", 3},
        {UnitsVolume, "m3", 1},              {UnitsVolume, "L", 0},
        {UnitsPressure, "mbar", -1},         {UnitsOilFlow, "", -1},
        {UnitsTemperature, "C", -1},         {UnitsPower, "kW3", -1},
    };
    for (const Lookup& l : lookups)
        EXPECT_EQ(FindUnitIndex(l.List, l.Name), l.Index) << l.Name;
}

}  // namespace
}  // namespace kr
