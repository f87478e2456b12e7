#include "cli/known_choice.h"

#include "core/common/text_case.h"

#include <algorithm>
#include <array>

namespace kr::cli {

namespace {

struct DriveName {
    std::string_view Name;
    DriveChoice Drive;
};

constexpr std::array<DriveName, 3> DriveNames{{
    {"AC", DriveChoice::ACDC},
    {"HYD", DriveChoice::Hydraulic},
    {"KRC", DriveChoice::KRC},
}};

std::string WithoutBlanks(std::string_view text)
{
    std::string packed;
    for (const char c : text)
        if (c != ' ')
            packed += c;
    return packed;
}

bool Enabled(const KnownDriveControls& controls, DriveChoice drive)
{
    switch (drive) {
    case DriveChoice::ACDC: return controls.ACDCEnabled;
    case DriveChoice::Hydraulic: return controls.HydraulicEnabled;
    case DriveChoice::KRC: return controls.KRCEnabled;
    case DriveChoice::None: break;
    }
    return false;
}

std::string EnabledDrives(const KnownDriveControls& controls)
{
    std::string names;
    for (const DriveName& drive : DriveNames)
        if (Enabled(controls, drive.Drive))
            names += (names.empty() ? "" : " or ") + std::string(drive.Name);
    return names;
}

}  // namespace

const std::vector<MotorEntry>& KnownChoice::Motors() const
{
    static const std::vector<MotorEntry> none;
    switch (Drive) {
    case DriveChoice::ACDC: return Controls.ACDCEntries;
    case DriveChoice::Hydraulic: return Controls.HydEntries;
    default: return none;
    }
}

KnownChoiceRead ReadKnownChoice(const CoolerDatabase& database, std::string_view typeText, std::string_view driveText,
                                int oilFlowUnit, char decimalSeparator)
{
    KnownChoiceRead read;
    const auto type = std::ranges::find_if(database.CoolerTypes,
                                           [&](const std::string& t) { return SameText(t, TrimText(typeText)); });
    if (type == database.CoolerTypes.end()) {
        read.Error = "--type: no cooler type \"" + std::string(typeText) + "\" (krcool types lists them)";
        return read;
    }
    const auto drive = std::ranges::find_if(DriveNames, [&](const DriveName& d) { return SameText(d.Name, TrimText(driveText)); });
    if (drive == DriveNames.end()) {
        read.Error = "--drive: \"" + std::string(driveText) + "\" is none of AC, HYD, KRC";
        return read;
    }

    KnownChoice choice;
    choice.CoolerType = *type;
    choice.Drive = drive->Drive;
    choice.Controls = RebuildMotorOptions(database.CoolerRecords, choice.CoolerType, choice.Drive, oilFlowUnit,
                                          decimalSeparator);
    if (!Enabled(choice.Controls, choice.Drive)) {
        read.Error = "--drive: " + choice.CoolerType + " is rated with --drive " + EnabledDrives(choice.Controls);
        return read;
    }
    read.Choice = std::move(choice);
    return read;
}

std::optional<MotorEntry> FindMotorEntry(const std::vector<MotorEntry>& motors, std::string_view text)
{
    if (TrimText(text).empty()) {
        if (motors.empty())
            return std::nullopt;
        return motors.front();
    }
    const std::string wanted = WithoutBlanks(text);
    for (const MotorEntry& motor : motors)
        if (SameText(WithoutBlanks(motor.Text), wanted))
            return motor;
    return std::nullopt;
}

std::string MotorEntryList(const std::vector<MotorEntry>& motors)
{
    std::string names;
    for (const MotorEntry& motor : motors)
        names += (names.empty() ? "\"" : ", \"") + motor.Text + "\"";
    return names.empty() ? "none" : names;
}

}  // namespace kr::cli
