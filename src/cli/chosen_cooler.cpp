#include "cli/chosen_cooler.h"

#include "cli/duty_options.h"
#include "cli/exit_codes.h"
#include "cli/grid_table.h"
#include "cli/known_run.h"
#include "cli/selection_run.h"
#include "core/common/text_case.h"
#include "core/common/units.h"
#include "core/engine/hydraulic_steps.h"

#include <charconv>
#include <limits>

namespace kr::cli {

namespace {

constexpr std::string_view RowOption = "--row";
constexpr std::string_view TypeOption = "--type";
constexpr std::string_view MotorOption = "--motor";
// Duty options of one tab only; the others (--flow, --drive ...) both take.
constexpr std::string_view SelectOnly[] = {"--heat", "--max-loss", "--keep-all"};
constexpr std::string_view RateOnly[] = {"--loss-unit"};

ChosenCoolerRead Failed(int exitCode) { return {std::nullopt, exitCode}; }

ChosenCoolerRead Usage(std::ostream& err, const std::string& message)
{
    err << "krcool: " << message << '\n';
    return Failed(UsageExitCode);
}

std::optional<int> RowNumber(const Options& options)
{
    const std::string text = options.Value(RowOption, "1");
    int row = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), row);
    if (ec != std::errc() || end != text.data() + text.size() || row < 1)
        return std::nullopt;
    return row;
}

bool Given(const Options& options, std::string_view name) { return options.Has(name) || options.Flag(name); }

std::string Packed(std::string_view text)
{
    std::string packed;
    for (const char c : text)
        if (c != ' ')
            packed += c;
    return packed;
}

// The motor of a hydraulic group that --motor names: the text of its motor
// cell or its displacement, blanks and letter case ignored.
const tCoolType* FindGroupMotor(const std::vector<tCoolType>& group, std::string_view wanted,
                                const FormatSettings& settings)
{
    const std::string name = Packed(wanted);
    for (const tCoolType& entry : group) {
        const std::string displacement = Packed(entry.HydDisplacement());
        if (SameText(Packed(HydraulicMotorText(entry, settings)), name) || SameText(displacement, name) ||
            SameText(displacement + "cc", name))
            return &entry;
    }
    return nullptr;
}

ChosenCoolerRead TakeRow(const ResultGrid& grid, int row, const CoolerChoices& choices, const Options& options,
                         const Session& session, std::ostream& err)
{
    if (row > grid.ResultRowCount())
        return Usage(err, "--row " + std::to_string(row) + ": the result has " +
                              std::to_string(grid.ResultRowCount()) + " rows");
    const tCoolType* result = grid.ResultAt(row);
    if (grid.HasStepButton() && options.Has(MotorOption)) {
        const std::vector<tCoolType>& group = grid.HydraulicGroups()[static_cast<std::size_t>(row - 1)];
        result = FindGroupMotor(group, options.Value(MotorOption), session.Settings);
        if (result == nullptr) {
            std::string motors;
            for (const tCoolType& entry : group)
                motors += (motors.empty() ? "\"" : ", \"") + HydraulicMotorText(entry, session.Settings) + "\"";
            return Usage(err, "--motor: row " + std::to_string(row) + " has no motor \"" +
                                  options.Value(MotorOption) + "\"; its motors are " + motors);
        }
    }
    return {ChosenCooler{*result, choices}, 0};
}

ChosenCoolerRead ChooseFromSelection(const Session& session, const Options& options, int row, std::ostream& err)
{
    const CalculationRead read = ReadCalculationInput(DutyFromOptions(options), session.DecimalSeparator());
    if (!read.Input)
        return Usage(err, "--" + read.Error);
    if (options.Has(MotorOption) && read.Input->Drive != DriveChoice::Hydraulic)
        return Usage(err, "--motor names the motor of a hydraulic row (--drive HYD) or, with --type, a motor of rate");
    const SelectionRun run = RunSelection(session, read, options.Flag("--keep-all"));
    if (run.Outcome != SelectionRun::Kind::Shown) {
        PrintSelectionRun(err, run);
        if (run.Outcome == SelectionRun::Kind::Question)
            err << "krcool: answered no; --keep-all shows these coolers\n";
        return Failed(ExitCodeOf(run));
    }
    const CalculationInput& input = *read.Input;
    CoolerChoices choices;
    choices.FromDutyTab = true;
    choices.OilFlowUnit = input.OilFlowUnit;
    choices.HeatUnit = input.HeatRejectUnit;
    choices.AmbientUnit = input.AmbientTempUnit;
    choices.InletTempUnit = input.InletTempUnit;
    choices.AltitudeUnit = input.AltitudeUnit;
    choices.AltitudeUnitText = UnitName(UnitsLength, input.AltitudeUnit);
    choices.HeatText = input.HeatReject;
    choices.OilGradeIndex = input.OilTypeIndex;
    return TakeRow(run.Grid, row, choices, options, session, err);
}

ChosenCoolerRead ChooseFromRating(const Session& session, const Options& options, int row, std::ostream& err)
{
    const KnownRead read = ReadKnownInput(options, session);
    if (!read.Input)
        return Usage(err, read.Error);
    const KnownRun run = RunKnownRating(session, read);
    if (!run.Shown) {
        PrintProblemLines(err, run.Problems);
        return Failed(ProblemsExitCode);
    }
    const KnownInput& input = *read.Input;
    CoolerChoices choices;
    choices.OilFlowUnit = input.OilFlowUnit;
    choices.AmbientUnit = input.AmbientTempUnit;
    choices.InletTempUnit = input.InletTempUnit;
    choices.AltitudeUnit = input.AltitudeUnit;
    choices.AltitudeUnitText = UnitName(UnitsLength, input.AltitudeUnit);
    choices.OilGradeIndex = input.OilTypeIndex;
    return TakeRow(run.Grid, row, choices, options, session, err);
}

}  // namespace

const std::set<std::string_view>& ChosenCoolerValueOptions()
{
    static const std::set<std::string_view> options = [] {
        std::set<std::string_view> names = DutyValueOptions();
        names.insert(KnownValueOptions.begin(), KnownValueOptions.end());
        names.insert(RowOption);
        return names;
    }();
    return options;
}

bool ChoosesCooler(const Options& options)
{
    for (const std::string_view name : ChosenCoolerValueOptions())
        if (options.Has(name))
            return true;
    return options.Flag("--keep-all");
}

ChosenCoolerRead ChooseCooler(const Session& session, const Options& options, std::ostream& err)
{
    const std::optional<int> row = RowNumber(options);
    if (!row)
        return Usage(err, "--row takes a row number from 1 (not \"" + options.Value(RowOption) + "\")");
    const bool byType = options.Has(TypeOption);
    for (const std::string_view name : byType ? std::span<const std::string_view>(SelectOnly)
                                               : std::span<const std::string_view>(RateOnly)) {
        if (Given(options, name))
            return Usage(err, std::string(name) + (byType ? " is an option of select, not of a cooler chosen by --type"
                                                           : " is an option of rate; it needs --type"));
    }
    return byType ? ChooseFromRating(session, options, *row, err) : ChooseFromSelection(session, options, *row, err);
}

}  // namespace kr::cli
