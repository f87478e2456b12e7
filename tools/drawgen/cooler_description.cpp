#include "drawgen/cooler_description.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <variant>

#include "core/common/text_case.h"
#include "drawgen/drawgen_error.h"
#include "drawgen/stroke_font.h"

namespace kr::drawgen {

namespace {

enum class Applies { All, MotorPorts, PumpOnly };

using NumberField = double CoolerDescription::*;
using TextField = std::string CoolerDescription::*;

struct KeyRule {
    const char* key;
    std::variant<NumberField, TextField> field;
    Applies applies;
};

const KeyRule KeyRules[] = {
    {"type", &CoolerDescription::typeCode, Applies::All},
    {"width", &CoolerDescription::width, Applies::All},
    {"height", &CoolerDescription::height, Applies::All},
    {"core_depth", &CoolerDescription::coreDepth, Applies::All},
    {"fin_width", &CoolerDescription::finWidth, Applies::All},
    {"fin_height", &CoolerDescription::finHeight, Applies::All},
    {"fan_diameter", &CoolerDescription::fanDiameter, Applies::All},
    {"cowl_depth", &CoolerDescription::cowlDepth, Applies::All},
    {"motor_diameter", &CoolerDescription::motorDiameter, Applies::All},
    {"motor_length", &CoolerDescription::motorLength, Applies::All},
    {"foot_height", &CoolerDescription::footHeight, Applies::All},
    {"foot_width", &CoolerDescription::footWidth, Applies::All},
    {"foot_spacing", &CoolerDescription::footSpacing, Applies::All},
    {"foot_length", &CoolerDescription::footLength, Applies::All},
    {"foot_hole_pitch", &CoolerDescription::footHolePitch, Applies::All},
    {"foot_hole", &CoolerDescription::footHole, Applies::All},
    {"port_thread", &CoolerDescription::portThread, Applies::All},
    {"inlet_height", &CoolerDescription::inletHeight, Applies::All},
    {"outlet_height", &CoolerDescription::outletHeight, Applies::All},
    {"port_length", &CoolerDescription::portLength, Applies::All},
    {"motor_port_thread", &CoolerDescription::motorPortThread, Applies::MotorPorts},
    {"pump_diameter", &CoolerDescription::pumpDiameter, Applies::PumpOnly},
    {"pump_length", &CoolerDescription::pumpLength, Applies::PumpOnly},
};

constexpr const char* DriveKey = "drive";

// British standard pipe threads (ISO 228): size and major diameter in mm.
const std::map<std::string, double> PipeThreads = {
    {"G 1/4", 13.157}, {"G 3/8", 16.662}, {"G 1/2", 20.955}, {"G 3/4", 26.441},   {"G 1", 33.249},
    {"G 1 1/4", 41.910}, {"G 1 1/2", 47.803}, {"G 2", 59.614},  {"G 2 1/2", 75.184},
};

const std::map<std::string, DriveFamily> Drives = {
    {"AC", DriveFamily::Ac}, {"DC", DriveFamily::Dc}, {"HYD", DriveFamily::Hydraulic}, {"KRC", DriveFamily::Krc}};

bool AppliesTo(Applies applies, DriveFamily drive)
{
    switch (applies) {
    case Applies::MotorPorts:
        return drive == DriveFamily::Hydraulic || drive == DriveFamily::Krc;
    case Applies::PumpOnly:
        return drive == DriveFamily::Krc;
    case Applies::All:
        break;
    }
    return true;
}

struct Entry {
    std::string value;
    int line = 0;
};

class DescriptionReader {
public:
    explicit DescriptionReader(const std::string& source) : source_(source) {}

    [[noreturn]] void Fail(int line, const std::string& what) const
    {
        throw DrawgenError(source_ + (line > 0 ? ":" + std::to_string(line) : "") + ": " + what);
    }

    std::map<std::string, Entry> ReadEntries(std::string_view text) const
    {
        std::map<std::string, Entry> entries;
        int lineNumber = 0;
        while (!text.empty()) {
            ++lineNumber;
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
            line = TrimText(line.substr(0, line.find('#')));
            if (line.empty())
                continue;
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos)
                Fail(lineNumber, "\"" + std::string(line) + "\" is not a \"key = value\" line");
            const std::string key(TrimText(line.substr(0, equals)));
            const std::string value(TrimText(line.substr(equals + 1)));
            if (value.empty())
                Fail(lineNumber, "\"" + key + "\" has no value");
            if (!IsKnownKey(key))
                Fail(lineNumber, "unknown key \"" + key + "\"");
            if (const auto earlier = entries.find(key); earlier != entries.end())
                Fail(lineNumber, "\"" + key + "\" is given twice (first in line " + std::to_string(earlier->second.line) + ")");
            entries.emplace(key, Entry{value, lineNumber});
        }
        return entries;
    }

    double Number(const std::string& key, const Entry& entry) const
    {
        double value = 0;
        const char* first = entry.value.data();
        const char* last = first + entry.value.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc{} || end != last || !std::isfinite(value))
            Fail(entry.line, "\"" + key + "\" must be a number of mm, not \"" + entry.value + "\"");
        if (value <= 0)
            Fail(entry.line, "\"" + key + "\" must be greater than 0");
        return value;
    }

    void CheckText(const std::string& key, const Entry& entry) const
    {
        if (const char32_t bad = FirstUndrawable(entry.value); bad != 0)
            Fail(entry.line, "\"" + key + "\" = \"" + entry.value + "\" holds a character the drawing font cannot draw; use capital letters, digits and . - / ( )");
    }

private:
    static bool IsKnownKey(const std::string& key)
    {
        if (key == DriveKey)
            return true;
        return std::any_of(std::begin(KeyRules), std::end(KeyRules), [&](const KeyRule& rule) { return key == rule.key; });
    }

    const std::string& source_;
};

void CheckThread(const DescriptionReader& reader, const std::map<std::string, Entry>& entries, const char* key, const std::string& thread)
{
    if (ThreadDiameter(thread) == 0) {
        std::string known;
        for (const auto& [name, diameter] : PipeThreads)
            known += (known.empty() ? "" : ", ") + name;
        reader.Fail(entries.at(key).line, "unknown thread \"" + thread + "\" for \"" + key + "\"; known: " + known);
    }
}

// Sizes that would draw parts through each other, each named by its keys.
void CheckProportions(const DescriptionReader& reader, const CoolerDescription& d)
{
    const auto require = [&](bool condition, const std::string& what) {
        if (!condition)
            reader.Fail(0, what);
    };
    const double frameHeight = d.height - d.footHeight;
    const double port = ThreadDiameter(d.portThread);
    require(d.footHeight < d.height / 2, "foot_height must be less than half the height");
    require(d.finWidth < d.width, "fin_width must be less than width");
    require(d.finHeight < frameHeight, "fin_height must be less than height - foot_height");
    require(d.fanDiameter < std::min(d.finWidth, d.finHeight), "fan_diameter must be less than fin_width and fin_height");
    require(d.motorDiameter < 0.6 * d.fanDiameter, "motor_diameter must be less than 0.6 x fan_diameter");
    require(d.footSpacing + d.footWidth <= d.width, "foot_spacing + foot_width must not exceed width: the feet stand under the frame");
    require(d.footWidth > 2 * d.footHole, "foot_width must be more than twice foot_hole");
    require(d.footHolePitch + 2 * d.footHole < d.footLength, "foot_hole_pitch + 2 x foot_hole must be less than foot_length");
    require(d.outletHeight < d.inletHeight, "outlet_height must be below inlet_height");
    require(d.outletHeight - port > d.footHeight, "outlet_height must leave the connection above the feet (foot_height + thread diameter)");
    require(d.inletHeight + port < d.height, "inlet_height must leave the connection inside the frame (height - thread diameter)");
    require(d.inletHeight - d.outletHeight > 2 * port, "inlet_height and outlet_height must be more than two thread diameters apart");
    require(d.portLength > port / 2, "port_length must be more than half the thread diameter");
    if (d.drive == DriveFamily::Krc) {
        require(d.pumpDiameter < d.motorDiameter, "pump_diameter must be less than motor_diameter");
        // The hose from the pump to the inlet runs above the motor.
        const double axis = (d.footHeight + d.height) / 2;
        require(d.inletHeight > axis + d.motorDiameter / 2 + 1.5 * ThreadDiameter(d.motorPortThread),
                "inlet_height must leave room for the pump hose above the motor (axis + motor_diameter / 2 + 1.5 x pump thread)");
    }
}

}  // namespace

double ThreadDiameter(std::string_view thread)
{
    const auto found = PipeThreads.find(std::string(thread));
    return found == PipeThreads.end() ? 0 : found->second;
}

CoolerDescription ParseCoolerDescription(std::string_view text, const std::string& source)
{
    const DescriptionReader reader(source);
    const std::map<std::string, Entry> entries = reader.ReadEntries(text);

    CoolerDescription description;
    const auto drive = entries.find(DriveKey);
    if (drive == entries.end())
        reader.Fail(0, "\"drive\" is missing (AC, DC, HYD or KRC)");
    const auto family = Drives.find(drive->second.value);
    if (family == Drives.end())
        reader.Fail(drive->second.line, "unknown drive \"" + drive->second.value + "\" (AC, DC, HYD or KRC)");
    description.drive = family->second;

    for (const KeyRule& rule : KeyRules) {
        const auto entry = entries.find(rule.key);
        const bool wanted = AppliesTo(rule.applies, description.drive);
        if (!wanted) {
            if (entry != entries.end())
                reader.Fail(entry->second.line, "\"" + std::string(rule.key) + "\" does not belong to a " + drive->second.value + " drawing");
            continue;
        }
        if (entry == entries.end())
            reader.Fail(0, "\"" + std::string(rule.key) + "\" is missing");
        if (const auto* number = std::get_if<NumberField>(&rule.field)) {
            description.*(*number) = reader.Number(rule.key, entry->second);
        } else {
            reader.CheckText(rule.key, entry->second);
            description.*std::get<TextField>(rule.field) = entry->second.value;
        }
    }

    CheckThread(reader, entries, "port_thread", description.portThread);
    if (AppliesTo(Applies::MotorPorts, description.drive))
        CheckThread(reader, entries, "motor_port_thread", description.motorPortThread);
    CheckProportions(reader, description);
    return description;
}

}  // namespace kr::drawgen
