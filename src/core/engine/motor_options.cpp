#include "core/engine/motor_options.h"

#include "core/common/delphi_format.h"
#include "core/common/number_text.h"
#include "core/common/text_case.h"
#include "core/common/units.h"
#include "core/engine/record_match.h"

#include <map>

namespace kr {

namespace {

constexpr int DC12Volt = 12;
constexpr int DC24Volt = 24;
// The DC entries are keyed so that they sort before every pole count.
constexpr std::string_view DC12Key = "00012";
constexpr std::string_view DC24Key = "00024";
constexpr int PumpFlowDecimals = 2;

using SortedEntries = std::map<std::string, int, LessIgnoringCase>;

std::string ThreeDigitKey(int value) { return Format("%.3d", {value}); }

std::string ACDCEntryText(int value)
{
    if (value == DC12Volt)
        return "12 V";
    if (value == DC24Volt)
        return "24 V";
    return "400 V / " + std::to_string(value) + " POL";
}

std::vector<MotorEntry> HydraulicEntries(const CoolerRecordList& records, std::string_view coolerType)
{
    SortedEntries displacements;
    for (const tCoolType& record : records) {
        if (!FieldEquals(record, CoolerField::MotorKind, DriveKey::Hydraulic) || record.CoolerType() != coolerType)
            continue;
        const int d = WholeNumber(record.HydDisplacement()).value_or(UnreadableDisplacement);
        displacements.emplace(ThreeDigitKey(d), d);
    }
    std::vector<MotorEntry> entries;
    for (const auto& [key, d] : displacements)
        entries.push_back({std::to_string(d) + " ccm", d});
    return entries;
}

std::vector<MotorEntry> ACDCEntries(const CoolerRecordList& records, std::string_view coolerType)
{
    SortedEntries motors;
    bool hasDC = false;
    for (const tCoolType& record : records) {
        if (record.CoolerType() != coolerType)
            continue;
        if (FieldEquals(record, CoolerField::MotorKind, DriveKey::AC400))
            motors.emplace(ThreeDigitKey(record.Poles()), record.Poles());
        else if (FieldEquals(record, CoolerField::MotorKind, DriveKey::DC12) ||
                 FieldEquals(record, CoolerField::MotorKind, DriveKey::DC24))
            hasDC = true;
    }
    // Both voltages are offered when either exists; a voltage without a
    // record then finds no cooler.
    if (hasDC) {
        motors.emplace(std::string(DC12Key), DC12Volt);
        motors.emplace(std::string(DC24Key), DC24Volt);
    }
    std::vector<MotorEntry> entries;
    for (const auto& [key, value] : motors)
        entries.push_back({ACDCEntryText(value), value});
    return entries;
}

}  // namespace

KnownDriveControls RebuildMotorOptions(const CoolerRecordList& records, std::string_view coolerType,
                                       DriveChoice selected, int oilFlowUnit, char decimalSeparator)
{
    KnownDriveControls controls;
    const bool typeChosen = !coolerType.empty();
    if (typeChosen) {
        controls.KRCEnabled = IsKrcType(coolerType);
        controls.ACDCEnabled = !controls.KRCEnabled;
        controls.HydraulicEnabled = !controls.KRCEnabled;
        controls.KrcChoiceCleared = selected == DriveChoice::KRC && !controls.KRCEnabled;
        if (controls.KrcChoiceCleared)
            selected = DriveChoice::None;
    }
    controls.ACDCListEnabled = selected == DriveChoice::ACDC && controls.ACDCEnabled;
    controls.HydListEnabled = selected == DriveChoice::Hydraulic && controls.HydraulicEnabled;
    controls.Selected = controls.KRCEnabled ? DriveChoice::KRC : selected;

    if (controls.Selected == DriveChoice::Hydraulic) {
        controls.ACDCListEnabled = false;
        controls.HydEntries = HydraulicEntries(records, coolerType);
        controls.HydChosen = controls.HydEntries.empty() ? -1 : 0;
    }
    if (controls.Selected == DriveChoice::ACDC) {
        controls.ACDCEntries = ACDCEntries(records, coolerType);
        controls.ACDCChosen = controls.ACDCEntries.empty() ? -1 : 0;
    }
    controls.PumpFlowText = KrcPumpFlowText(records, coolerType, oilFlowUnit, decimalSeparator);
    return controls;
}

std::optional<std::string> KrcPumpFlowText(const CoolerRecordList& records, std::string_view coolerType,
                                           int oilFlowUnit, char decimalSeparator)
{
    if (!IsKrcType(coolerType))
        return std::nullopt;
    for (const tCoolType& record : records) {
        if (record.CoolerType() != coolerType)
            continue;
        const Extended flow = ConvertOilFlow(0, oilFlowUnit, record.MinOilFlow());
        return FormatValue(PumpFlowDecimals, 0, true, flow, false, decimalSeparator);
    }
    return std::nullopt;
}

bool KnownDriveFilter::Matches(const tCoolType& record) const
{
    if (MotorKind.empty() || !FieldEquals(record, CoolerField::MotorKind, MotorKind))
        return false;
    if (record.CoolerType() != CoolerType)
        return false;
    if (Poles && record.Poles() != *Poles)
        return false;
    if (Displacement && TrimText(record.HydDisplacement()) != *Displacement)
        return false;
    return true;
}

KnownDriveFilter KnownDriveFilterFor(const KnownInput& input)
{
    KnownDriveFilter filter;
    filter.CoolerType = input.CoolerType;
    switch (input.Drive) {
    case DriveChoice::ACDC:
        if (!input.MotorChoice)
            break;
        if (*input.MotorChoice == DC12Volt) {
            filter.MotorKind = DriveKey::DC12;
        } else if (*input.MotorChoice == DC24Volt) {
            filter.MotorKind = DriveKey::DC24;
        } else {
            filter.MotorKind = DriveKey::AC400;
            filter.Poles = *input.MotorChoice;
        }
        break;
    case DriveChoice::Hydraulic: {
        const std::string_view text = input.HydraulicChoice;
        filter.MotorKind = DriveKey::Hydraulic;
        filter.Displacement = std::string(TrimText(text.substr(0, text.find(' '))));
        break;
    }
    case DriveChoice::KRC: filter.MotorKind = DriveKey::KRC; break;
    case DriveChoice::None: break;
    }
    return filter;
}

}  // namespace kr
