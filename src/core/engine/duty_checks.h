#pragma once

#include "core/engine/duty_input.h"
#include "core/engine/error_list.h"

#include <string>

namespace kr {

// Limits of the duty checks, in internal units.
namespace DutyLimit {
inline constexpr Extended MinOilFlow = 20;      // l/min
inline constexpr Extended MaxOilFlow = 500;     // l/min
inline constexpr Extended MinAmbientTemp = -40; // °C
inline constexpr Extended MaxAmbientTemp = 50;  // °C
inline constexpr Extended MinOilTemp = 0;       // °C
inline constexpr Extended MaxOilTemp = 150;     // °C
inline constexpr Extended MinTempDifference = 5;  // K, oil inlet above ambient (more than)
inline constexpr Extended MaxPressLoss = 10;    // bar
inline constexpr Extended MinAltitude = 0;      // m
inline constexpr Extended MaxAltitude = 4000;   // m
inline constexpr Extended MaxKWperK = 5.5L;     // kW/K
}  // namespace DutyLimit

struct DutyCheck {
    DutyValues Duty;
    std::string DriveKey;  // the MotorKind the chosen drive selects; empty: none
};

// Runs every check of the Calculation tab in order, adding a numbered entry
// to errors for each that fails, and converts every entry to internal units
// (an empty or unreadable entry counts as 0). Limits in the messages are
// shown in the unit of their field.
DutyCheck CheckCalculationInput(const CalculationInput& input, ErrorList& errors);

// The same for the Known-cooler tab: no heat, pressure-loss or kW-per-kelvin
// check. Its drive filter is the motor options' (motor_options.h).
DutyValues CheckKnownInput(const KnownInput& input, ErrorList& errors);

// "400", "12" or "24" for the motor voltage list's entry 0, 1, 2 (empty for
// no entry), "HYD", "KRC", or empty when no drive is chosen.
std::string CalculationDriveKey(DriveChoice drive, int motorVoltageIndex);

}  // namespace kr
