#pragma once

#include "core/data/cooler_database.h"
#include "core/engine/duty_input.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// One entry of a motor list of the Known-cooler tab: its text and the
// integer it carries (pole count, 12 or 24 volt, or displacement in ccm).
struct MotorEntry {
    std::string Text;
    int Value = 0;
};

// A hydraulic displacement that is not a whole number is offered as this.
inline constexpr int UnreadableDisplacement = 6;

// The drive controls of the Known-cooler tab after the cooler type (or the
// drive button) changed: which are enabled, which button is selected, the
// two motor lists with their chosen entry (-1: none), and for a KRC type the
// pump flow to write into EditOilFlow1.
struct KnownDriveControls {
    bool ACDCEnabled = false;       // RadioButtonACDC1
    bool HydraulicEnabled = false;  // RadioButtonHydralic1
    bool KRCEnabled = false;        // RadioButtonKRC1
    DriveChoice Selected = DriveChoice::None;
    bool ACDCListEnabled = false;  // ComboBoxACDC1
    bool HydListEnabled = false;   // ComboBoxHyd1
    std::vector<MotorEntry> ACDCEntries;
    int ACDCChosen = -1;
    std::vector<MotorEntry> HydEntries;
    int HydChosen = -1;
    std::optional<std::string> PumpFlowText;
    // The KRC drive was chosen, but the new type does not offer it: the
    // choice is cleared and the oil flow, which only a KRC pump fixes, is
    // open to the user again.
    bool KrcChoiceCleared = false;
};

// Rebuilds the drive choices for a cooler type (empty: no type chosen) and
// the drive button selected before. oilFlowUnit is the index of
// ComboBoxOilFlow1.
KnownDriveControls RebuildMotorOptions(const CoolerRecordList& records, std::string_view coolerType,
                                       DriveChoice selected, int oilFlowUnit, char decimalSeparator);

// The pump flow of a KRC type (MinOilFlow of its first record) in the unit
// of ComboBoxOilFlow1 with two decimals; nothing for another type or a type
// without records.
std::optional<std::string> KrcPumpFlowText(const CoolerRecordList& records, std::string_view coolerType,
                                           int oilFlowUnit, char decimalSeparator);

// Which records the Known-cooler tab rates: the chosen type, exactly, with
// the chosen drive.
struct KnownDriveFilter {
    std::string CoolerType;
    std::string MotorKind;                    // empty: no record qualifies
    std::optional<int> Poles;                 // AC 400 V: the pole count
    std::optional<std::string> Displacement;  // hydraulic: HydDisplacement, trimmed

    bool Matches(const tCoolType& record) const;
};

KnownDriveFilter KnownDriveFilterFor(const KnownInput& input);

}  // namespace kr
