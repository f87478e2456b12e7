#pragma once

#include "core/common/extended.h"
#include "core/engine/oil_grades.h"

#include <optional>
#include <string>
#include <string_view>

namespace kr {

// The drive radio buttons of a search tab.
enum class DriveChoice { None, ACDC, Hydraulic, KRC };

// Drive codes of the MotorKind field.
namespace DriveKey {
inline constexpr std::string_view AC400 = "400";
inline constexpr std::string_view DC12 = "12";
inline constexpr std::string_view DC24 = "24";
inline constexpr std::string_view Hydraulic = "HYD";
inline constexpr std::string_view KRC = "KRC";
}  // namespace DriveKey

// What the controls of the Calculation tab hold: each edit text as typed,
// each unit list as its selected index (-1: nothing selected).
struct CalculationInput {
    std::string HeatReject;  // EditHeatReject / ComboBoxHeatReject (power)
    int HeatRejectUnit = 0;
    std::string OilFlow;  // EditOilFlow / ComboBoxOilFlow (oil flow)
    int OilFlowUnit = 0;
    std::string AmbientTemp;  // EditAmbientTemp / ComboBoxAmbientTemp (temperature)
    int AmbientTempUnit = 0;
    std::string InletTemp;  // EditInletTemp / ComboBoxInletTemp (temperature)
    int InletTempUnit = 0;
    std::string MaxLoss;  // EditMaxLoss / ComboBoxMaxLoss (pressure)
    int MaxLossUnit = 0;
    std::string Altitude;  // EditAltitude / ComboBoxAltitude (length)
    int AltitudeUnit = 0;
    int OilTypeIndex = StandardOilGradeIndex;  // ComboBoxOilType
    DriveChoice Drive = DriveChoice::None;
    int MotorVoltageIndex = 0;  // ComboBoxACDC: "AC 400V", "DC 12V", "DC 24V"
};

// What the controls of the Known-cooler tab hold.
struct KnownInput {
    std::string OilFlow;  // EditOilFlow1 / ComboBoxOilFlow1
    int OilFlowUnit = 0;
    std::string AmbientTemp;  // EditAmbientTemp1 / ComboBoxAmbientTemp1
    int AmbientTempUnit = 0;
    std::string InletTemp;  // EditInletTemp1 / ComboBoxInletTemp1
    int InletTempUnit = 0;
    std::string Altitude;  // EditAltitude1 / ComboBoxAltitude1
    int AltitudeUnit = 0;
    int OilTypeIndex = StandardOilGradeIndex;  // ComboBoxOilType1
    DriveChoice Drive = DriveChoice::None;
    std::string CoolerType;            // ComboBoxSelectCooler
    std::optional<int> MotorChoice;    // the integer of the chosen ComboBoxACDC1 entry
    std::string HydraulicChoice;       // the text of ComboBoxHyd1, e.g. "8 ccm"
};

// A duty in internal units (kW, l/min, °C, bar, m).
struct DutyValues {
    Extended RequiredHeat = 0;
    Extended OilFlow = 0;
    Extended AmbientTemp = 0;
    Extended OilInletTemp = 0;
    Extended MaxPressLoss = 0;
    Extended Altitude = 0;
    Extended RequiredKWperK = 0;
    int OilTypeIndex = StandardOilGradeIndex;
};

}  // namespace kr
