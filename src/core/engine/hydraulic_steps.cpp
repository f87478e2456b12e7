#include "core/engine/hydraulic_steps.h"

#include "core/engine/result_grid.h"

#include <array>

namespace kr {

namespace {

constexpr std::string_view MotorTextPattern = "%s cc %d bar %.1f l/min";
constexpr std::string_view MotorHintPattern = "%s cc %d bar %.1f l/min %d rpm";

}  // namespace

StepOutcome StepPosition(int& position, std::size_t groupSize, StepDirection direction)
{
    if (direction == StepDirection::Up) {
        if (position < 1)
            return StepOutcome::Beep;
        --position;
        return StepOutcome::Stepped;
    }
    if (position < 0 || static_cast<std::size_t>(position) + 1 >= groupSize)
        return StepOutcome::Beep;
    ++position;
    return StepOutcome::Stepped;
}

std::string HydraulicMotorText(const tCoolType& entry, const FormatSettings& settings)
{
    return TryFormat(MotorTextPattern,
                     std::array<FormatArg, 3>{entry.HydDisplacement(), entry.HydPressure(), entry.HydOilFlow()},
                     settings)
        .Text;
}

std::string HydraulicStepHint(std::string_view title, std::span<const tCoolType> group,
                              const FormatSettings& settings)
{
    std::string hint(title);
    hint += GridLineBreak;
    for (const tCoolType& entry : group) {
        hint += GridLineBreak;
        hint += TryFormat(MotorHintPattern,
                          std::array<FormatArg, 4>{entry.HydDisplacement(), entry.HydPressure(), entry.HydOilFlow(),
                                                   entry.FanSpeed()},
                          settings)
                    .Text;
    }
    return hint;
}

}  // namespace kr
