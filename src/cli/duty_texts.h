#pragma once

#include "core/engine/duty_input.h"
#include "core/engine/result_grid.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kr::cli {

// The values of one duty by name, as the options (--heat ...) or the
// columns of a batch file give them. A missing name is a value left out:
// its field stays empty, or takes its standard value. An empty text is an
// emptied field, which the checks report as empty.
using DutyTexts = std::map<std::string, std::string, std::less<>>;

namespace DutyName {
inline constexpr std::string_view Heat = "heat";
inline constexpr std::string_view Flow = "flow";
inline constexpr std::string_view Ambient = "ambient";
inline constexpr std::string_view Inlet = "inlet";
inline constexpr std::string_view MaxLoss = "max-loss";
inline constexpr std::string_view Altitude = "altitude";
inline constexpr std::string_view Oil = "oil";
inline constexpr std::string_view Drive = "drive";
}  // namespace DutyName

// Every value of a Calculation-tab duty, in the order of its fields.
inline constexpr std::array<std::string_view, 8> CalculationDutyNames{
    DutyName::Heat, DutyName::Flow,     DutyName::Ambient, DutyName::Inlet,
    DutyName::MaxLoss, DutyName::Altitude, DutyName::Oil,  DutyName::Drive};

// The standard values of the fields that may be left out.
inline constexpr std::string_view StandardMaxLoss = "2";  // bar
inline constexpr std::string_view StandardAltitude = "0"; // m

struct CalculationRead {
    std::optional<CalculationInput> Input;
    GridUnits Units;    // the units the grid shows heat and pressure loss in
    std::string Error;  // when there is no input: a usage message
};

// The controls of the Calculation tab filled from the texts: the number
// texts as typed, each unit list at the unit named, the oil grade and drive
// (400, 12, 24, HYD or KRC, any letter case); max-loss and altitude left
// out take their standard values. A KRC drive empties the oil flow, as its
// radio button does.
CalculationRead ReadCalculationInput(const DutyTexts& texts, char decimalSeparator);

// The index of an oil grade given as "ISO VG 32", "VG 32" or "32" (letter
// case and blanks ignored); the standard grade for an empty text, as the
// oil list always has a grade chosen.
std::optional<int> ReadOilGrade(std::string_view text);
std::string OilGradeNameList();

// The text of a value, empty when it is missing.
std::string_view DutyText(const DutyTexts& texts, std::string_view name);

}  // namespace kr::cli
