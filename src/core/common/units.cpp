#include "core/common/units.h"

#include "core/common/text_case.h"

#include <string>
#include <utility>

namespace kr {

namespace {

// A unit other than the base unit: the from-factor brings a value into the
// base unit, the to-factor takes it out again. Each is a rounded constant of
// its own, the one the reciprocal of the other only to the digits written,
// so a round trip need not give a value back to the last bit.
struct UnitFactors {
    Extended FromFactor;
    Extended ToFactor;
};

// Row i of a table is unit index i + 1.
constexpr std::array<UnitFactors, 3> PowerFactors{{
    {0.001L, 1000.0L},                   // W
    {0.001162993545385823L, 859.85L},    // kcal/h
    {0.0002930712104427134L, 3412.14L},  // BTU/h
}};

constexpr std::array<UnitFactors, 6> OilFlowFactors{{
    {59.99988000024L, 0.0166667L},          // l/s
    {16.666666666666668L, 0.06L},           // m³/h
    {0.06309148264984227L, 15.85L},         // gal(US)/h
    {0.07575757575757576L, 13.2L},          // gal(UK)/h
    {70.57163020465772L, 0.01417L},         // kg/s, at a fixed oil density of about 0.85 kg/l
    {0.008892050506846879L, 112.46L},       // lb/h, likewise
}};

constexpr std::array<UnitFactors, 4> PressureFactors{{
    {0.00001L, 100000.0L},                  // Pa
    {0.01L, 100.0L},                        // kPa
    {0.06894649751792609L, 14.504L},        // PSI
    {0.0004788025951483699L, 2088.5434L},   // lbf/ft²
}};

constexpr std::array<UnitFactors, 1> AirFlowFactors{{
    {0.02831657935721365L, 35.315L},  // ft³/s
}};

constexpr std::array<UnitFactors, 1> LengthFactors{{
    {0.30480370641307L, 3.2808L},  // ft
}};

constexpr std::array<UnitFactors, 1> MassFactors{{
    {0.4535929094356397L, 2.20462L},  // lb
}};

constexpr std::array<UnitFactors, 3> VolumeFactors{{
    {1000.0L, 0.001L},                     // m³
    {28.316579357213648L, 0.035315L},      // ft³
    {0.01638699528054536L, 61.024L},       // in³
}};

// Temperature is the one affine conversion.
constexpr int FahrenheitIndex = 1;
constexpr Extended FahrenheitAtFreezing = 32.0L;
constexpr Extended CelsiusPerFahrenheit = 0.5555555555555556L;
constexpr Extended FahrenheitPerCelsius = 1.8L;

const UnitFactors* NonBaseUnit(std::span<const UnitFactors> units, int index)
{
    if (index < 1 || index > static_cast<int>(units.size()))
        return nullptr;
    return &units[static_cast<std::size_t>(index - 1)];
}

Extended ConvertThroughBase(std::span<const UnitFactors> units, int fromIndex, int toIndex, Extended value)
{
    if (const UnitFactors* from = NonBaseUnit(units, fromIndex))
        value *= from->FromFactor;
    if (const UnitFactors* to = NonBaseUnit(units, toIndex))
        value *= to->ToFactor;
    return value;
}

// The characters of the unit names that a plain keyboard lacks, and what
// is typed instead.
constexpr std::pair<std::string_view, std::string_view> AsciiSpellings[] = {
    {"³", "3"}, {"²", "2"}, {"°", "deg"}, {"·", "."}};

std::string AsciiSpelling(std::string_view name)
{
    std::string text(name);
    for (const auto& [special, ascii] : AsciiSpellings) {
        for (std::size_t pos = text.find(special); pos != std::string::npos;
             pos = text.find(special, pos + ascii.size()))
            text.replace(pos, special.size(), ascii);
    }
    return text;
}

}  // namespace

std::string_view UnitName(UnitNames list, int index)
{
    if (list.empty())
        return {};
    if (index < 0 || index >= static_cast<int>(list.size()))
        index = 0;
    return list[static_cast<std::size_t>(index)];
}

int FindUnitIndex(UnitNames list, std::string_view name)
{
    const std::string wanted = AsciiSpelling(TrimText(name));
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (SameText(AsciiSpelling(list[i]), wanted))
            return static_cast<int>(i);
    }
    return -1;
}

Extended ConvertPower(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(PowerFactors, fromIndex, toIndex, value);
}

Extended ConvertOilFlow(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(OilFlowFactors, fromIndex, toIndex, value);
}

Extended ConvertTemperature(int fromIndex, int toIndex, Extended value)
{
    if (fromIndex == FahrenheitIndex)
        value = (value - FahrenheitAtFreezing) * CelsiusPerFahrenheit;
    if (toIndex == FahrenheitIndex)
        value = value * FahrenheitPerCelsius + FahrenheitAtFreezing;
    return value;
}

Extended ConvertPressure(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(PressureFactors, fromIndex, toIndex, value);
}

Extended ConvertAirFlow(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(AirFlowFactors, fromIndex, toIndex, value);
}

Extended ConvertLength(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(LengthFactors, fromIndex, toIndex, value);
}

Extended ConvertMass(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(MassFactors, fromIndex, toIndex, value);
}

Extended ConvertVolume(int fromIndex, int toIndex, Extended value)
{
    return ConvertThroughBase(VolumeFactors, fromIndex, toIndex, value);
}

}  // namespace kr
