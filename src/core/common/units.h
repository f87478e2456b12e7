#pragma once

#include "core/common/extended.h"

#include <array>
#include <span>
#include <string_view>

namespace kr {

// A unit list names the units of one quantity in a fixed order; a unit index
// is the 0-based position in it. Index 0 is the base unit the engine computes
// in, and -1 (nothing selected) or an index beyond the list means it too.
// The names are UTF-8; their superscripts, degree signs and middle dots are
// all characters of Windows-1252, so they survive the language files' code page.
using UnitNames = std::span<const std::string_view>;

inline constexpr std::array<std::string_view, 3> MotorVoltages{"AC 400V", "DC 12V", "DC 24V"};
inline constexpr std::array<std::string_view, 2> UnitsAirFlow{"m³/s", "ft³/s"};
inline constexpr std::array<std::string_view, 7> UnitsOilFlow{
    "l/min", "l/s", "m³/h", "gal(US)/h", "gal(UK)/h", "kg/s", "lb/h"};
inline constexpr std::array<std::string_view, 5> UnitsPressure{"bar", "Pa", "kPa", "PSI", "lbf/ft²"};
inline constexpr std::array<std::string_view, 2> UnitsMass{"kg", "lb"};
inline constexpr std::array<std::string_view, 4> UnitsVolume{"l", "m³", "ft³", "in³"};
inline constexpr std::array<std::string_view, 5> UnitsDensity{"kg/m³", "kg/l", "lb/ft³", "lb/in³", "g/cm³"};
inline constexpr std::array<std::string_view, 2> UnitsSpecificHeat{"KJ/kg·°C", "BTU/lb·°F"};
inline constexpr std::array<std::string_view, 2> UnitsTemperature{"°C", "°F"};
inline constexpr std::array<std::string_view, 2> UnitsTime{"min", "s"};
inline constexpr std::array<std::string_view, 4> UnitsPower{"kW", "W", "kcal/h", "BTU/h"};
inline constexpr std::array<std::string_view, 2> UnitsLength{"m", "ft"};

// Every list, in the order start-up creates them.
inline constexpr std::array<UnitNames, 12> AllUnitLists{
    MotorVoltages, UnitsAirFlow,     UnitsOilFlow, UnitsPressure,    UnitsMass,
    UnitsVolume,   UnitsDensity,     UnitsSpecificHeat, UnitsTemperature, UnitsTime,
    UnitsPower,    UnitsLength};

// The name of the unit a value with this index is in: for -1 or an index
// beyond the list that is the base unit, as the converters take it.
std::string_view UnitName(UnitNames list, int index);

// The index of a unit given by name, ignoring letter case; plain-ASCII
// spellings are accepted too ("m3/s", "degC", "lbf/ft2", "kJ/kg.degC").
// -1 when the list has no such unit.
int FindUnitIndex(UnitNames list, std::string_view name);

// Value given in the unit fromIndex, returned in the unit toIndex. Each goes
// through the base unit in two steps with the 80-bit factors of the tables.
Extended ConvertPower(int fromIndex, int toIndex, Extended value);
Extended ConvertOilFlow(int fromIndex, int toIndex, Extended value);
Extended ConvertTemperature(int fromIndex, int toIndex, Extended value);
Extended ConvertPressure(int fromIndex, int toIndex, Extended value);
Extended ConvertAirFlow(int fromIndex, int toIndex, Extended value);
Extended ConvertLength(int fromIndex, int toIndex, Extended value);
Extended ConvertMass(int fromIndex, int toIndex, Extended value);
Extended ConvertVolume(int fromIndex, int toIndex, Extended value);

}  // namespace kr
