#pragma once

#include "core/data/cooler_database.h"
#include "core/engine/motor_options.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kr::cli {

// The cooler type and drive chosen on the Known-cooler tab, with the drive
// controls the tab shows for them.
struct KnownChoice {
    std::string CoolerType;  // as the cooler-type list spells it
    DriveChoice Drive = DriveChoice::None;
    KnownDriveControls Controls;

    // The motor list of the chosen drive (empty for KRC).
    const std::vector<MotorEntry>& Motors() const;
};

struct KnownChoiceRead {
    std::optional<KnownChoice> Choice;
    std::string Error;  // a usage message
};

// typeText names a type of the cooler-type list (letter case ignored);
// driveText is AC, HYD or KRC, a drive whose button the type enables.
KnownChoiceRead ReadKnownChoice(const CoolerDatabase& database, std::string_view typeText, std::string_view driveText,
                                int oilFlowUnit, char decimalSeparator);

// The entry of the motor list named by its text (letter case and blanks
// ignored); with an empty text the list's first entry. None when the list
// has no such entry.
std::optional<MotorEntry> FindMotorEntry(const std::vector<MotorEntry>& motors, std::string_view text);

std::string MotorEntryList(const std::vector<MotorEntry>& motors);

}  // namespace kr::cli
