#include "cli/duty_texts.h"

#include "cli/quantity.h"
#include "core/common/text_case.h"
#include "core/common/units.h"
#include "core/engine/oil_grades.h"

#include <algorithm>

namespace kr::cli {

namespace {

constexpr std::string_view OilGradePrefix = "ISOVG";

std::string WithoutBlanks(std::string_view text)
{
    std::string packed;
    for (const char c : text)
        if (c != ' ')
            packed += c;
    return packed;
}

struct DriveName {
    std::string_view Name;
    DriveChoice Drive;
    int MotorVoltageIndex;  // ComboBoxACDC: "AC 400V", "DC 12V", "DC 24V"
};

constexpr std::array<DriveName, 5> DriveNames{{
    {DriveKey::AC400, DriveChoice::ACDC, 0},
    {DriveKey::DC12, DriveChoice::ACDC, 1},
    {DriveKey::DC24, DriveChoice::ACDC, 2},
    {DriveKey::Hydraulic, DriveChoice::Hydraulic, 0},
    {DriveKey::KRC, DriveChoice::KRC, 0},
}};

// Reads one quantity into a field and its unit list; false with the error
// set when the text is no quantity of the list.
bool ReadInto(const DutyTexts& texts, std::string_view name, UnitNames units, char decimalSeparator,
              std::string& field, int& unit, std::string& error)
{
    return ReadQuantityInto(DutyText(texts, name), units, decimalSeparator, name, field, unit, error);
}

}  // namespace

std::string_view DutyText(const DutyTexts& texts, std::string_view name)
{
    const auto found = texts.find(name);
    return found == texts.end() ? std::string_view() : std::string_view(found->second);
}

std::optional<int> ReadOilGrade(std::string_view text)
{
    const std::string wanted = WithoutBlanks(TrimText(text));
    if (wanted.empty())
        return StandardOilGradeIndex;
    for (std::size_t i = 0; i < OilGrades.size(); ++i) {
        const std::string name = WithoutBlanks(OilGrades[i].Name);
        const std::string_view number = std::string_view(name).substr(OilGradePrefix.size());
        if (SameText(wanted, name) || SameText(wanted, "VG" + std::string(number)) || wanted == number)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string OilGradeNameList()
{
    std::string names;
    for (const OilGrade& grade : OilGrades)
        names += (names.empty() ? "" : ", ") + std::string(grade.Name);
    return names;
}

CalculationRead ReadCalculationInput(const DutyTexts& texts, char decimalSeparator)
{
    CalculationRead read;
    CalculationInput input;

    const std::string_view driveText = TrimText(DutyText(texts, DutyName::Drive));
    if (!driveText.empty()) {
        const auto drive = std::ranges::find_if(DriveNames, [&](const DriveName& d) { return SameText(d.Name, driveText); });
        if (drive == DriveNames.end()) {
            read.Error = "drive: \"" + std::string(driveText) + "\" is none of 400, 12, 24, HYD, KRC";
            return read;
        }
        input.Drive = drive->Drive;
        input.MotorVoltageIndex = drive->MotorVoltageIndex;
    }

    const std::optional<int> oil = ReadOilGrade(DutyText(texts, DutyName::Oil));
    if (!oil) {
        read.Error = "oil: unknown grade \"" + std::string(DutyText(texts, DutyName::Oil)) + "\"; the grades are " +
                     OilGradeNameList();
        return read;
    }
    input.OilTypeIndex = *oil;

    std::string& error = read.Error;
    const char sep = decimalSeparator;
    if (!ReadInto(texts, DutyName::Heat, UnitsPower, sep, input.HeatReject, input.HeatRejectUnit, error) ||
        !ReadInto(texts, DutyName::Flow, UnitsOilFlow, sep, input.OilFlow, input.OilFlowUnit, error) ||
        !ReadInto(texts, DutyName::Ambient, UnitsTemperature, sep, input.AmbientTemp, input.AmbientTempUnit, error) ||
        !ReadInto(texts, DutyName::Inlet, UnitsTemperature, sep, input.InletTemp, input.InletTempUnit, error) ||
        !ReadInto(texts, DutyName::MaxLoss, UnitsPressure, sep, input.MaxLoss, input.MaxLossUnit, error) ||
        !ReadInto(texts, DutyName::Altitude, UnitsLength, sep, input.Altitude, input.AltitudeUnit, error))
        return read;

    if (!texts.contains(DutyName::MaxLoss)) {
        input.MaxLoss = StandardMaxLoss;
        input.MaxLossUnit = 0;
    }
    if (!texts.contains(DutyName::Altitude)) {
        input.Altitude = StandardAltitude;
        input.AltitudeUnit = 0;
    }
    // A KRC cooler's oil flow is that of its own pump.
    if (input.Drive == DriveChoice::KRC)
        input.OilFlow.clear();

    read.Units = {input.HeatRejectUnit, input.MaxLossUnit};
    read.Input = std::move(input);
    return read;
}

}  // namespace kr::cli
