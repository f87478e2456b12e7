#pragma once

#include "core/common/delphi_format.h"
#include "core/data/cool_type.h"

#include <span>
#include <string>
#include <string_view>

namespace kr {

// A hydraulic selection shows one row per cooler core; the row's step
// button walks through the motor variants of that core (its group).
enum class StepDirection { Up, Down };

// Stepped: the position moved. Beep: it was at the end it was pushed
// towards, and the platform's beep is all that happens.
enum class StepOutcome { Stepped, Beep };

// Moves the shown position of a group of groupSize entries one up (towards
// the first entry) or down (towards the last).
StepOutcome StepPosition(int& position, std::size_t groupSize, StepDirection direction);

// The motor cell of a hydraulic row: Format("%s cc %d bar %.1f l/min",
// [HydDisplacement, HydPressure, HydOilFlow]).
std::string HydraulicMotorText(const tCoolType& entry, const FormatSettings& settings);

// The hint of the step button: the title, a line break, then for every
// entry of the group a line break and Format("%s cc %d bar %.1f l/min %d rpm",
// [HydDisplacement, HydPressure, HydOilFlow, FanSpeed]).
std::string HydraulicStepHint(std::string_view title, std::span<const tCoolType> group,
                              const FormatSettings& settings);

}  // namespace kr
