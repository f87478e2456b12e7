#include "cli/command_curve.h"

#include "cli/duty_texts.h"
#include "cli/exit_codes.h"
#include "cli/grid_table.h"
#include "cli/known_run.h"
#include "cli/quantity.h"
#include "core/common/json_writer.h"
#include "cli/session.h"
#include "core/common/number_text.h"
#include "core/common/text_case.h"
#include "core/engine/duty_checks.h"
#include "core/engine/rating.h"
#include "core/engine/record_match.h"
#include "core/present/curve_sweep.h"

#include <algorithm>

namespace kr::cli {

namespace {

constexpr std::string_view CurveHeader[] = {"OilFlow", "HeatRejection", "PressLoss"};

const tCoolType* FindCooler(const CoolerRecordList& records, std::string_view designation)
{
    const auto found = std::ranges::find_if(records, [&](const tCoolType& r) {
        return !r.IsAccessory() && SameText(TrimText(r.Designation()), TrimText(designation));
    });
    return found == records.end() ? nullptr : &*found;
}

// The duty of the curves as the Known-cooler tab reads it; its checks are
// those of that tab.
struct CurveDutyRead {
    std::optional<KnownInput> Input;
    std::optional<Quantity> Required;
    std::string Error;
};

CurveDutyRead ReadCurveDuty(const Options& options, char sep)
{
    CurveDutyRead read;
    KnownInput input;
    input.Drive = DriveChoice::ACDC;  // any drive but KRC: the oil flow is checked
    std::string& error = read.Error;
    if (!ReadOptionInto(options, "--flow", UnitsOilFlow, sep, input.OilFlow, input.OilFlowUnit, error) ||
        !ReadOptionInto(options, "--ambient", UnitsTemperature, sep, input.AmbientTemp, input.AmbientTempUnit, error) ||
        !ReadOptionInto(options, "--inlet", UnitsTemperature, sep, input.InletTemp, input.InletTempUnit, error) ||
        !ReadOptionInto(options, "--altitude", UnitsLength, sep, input.Altitude, input.AltitudeUnit, error))
        return read;
    if (!options.Has("--altitude"))
        input.Altitude = StandardAltitude;
    const std::optional<int> oil = ReadOilGrade(options.Value("--oil"));
    if (!oil) {
        error = "--oil: unknown grade \"" + options.Value("--oil") + "\"; the grades are " + OilGradeNameList();
        return read;
    }
    input.OilTypeIndex = *oil;
    if (options.Has("--required")) {
        const QuantityRead required = ReadQuantity(options.Value("--required"), UnitsPower, sep, "--required");
        if (!required.Value) {
            error = required.Error;
            return read;
        }
        read.Required = required.Value;
    }
    read.Input = std::move(input);
    return read;
}

// A number of the CSV: every digit of the 80-bit value, with the decimal
// separator chosen.
std::string CsvNumber(Extended value, char decimalSeparator)
{
    std::string text = JsonNumber(value);
    std::ranges::replace(text, '.', decimalSeparator);
    return text;
}

}  // namespace

int RunCurve(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args,
                      WithSessionOptions({"--designation", "--flow", "--ambient", "--inlet", "--altitude", "--oil",
                                          "--required"}),
                      {}, options, err))
        return UsageExitCode;
    if (!options.Has("--designation")) {
        err << "krcool: curve needs --designation\n";
        return UsageExitCode;
    }
    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    const Session& session = *open.Opened;
    const char sep = session.DecimalSeparator();

    const tCoolType* record = FindCooler(session.Folder.Database.CoolerRecords, options.Value("--designation"));
    if (record == nullptr) {
        err << "krcool: --designation: no cooler \"" << options.Value("--designation") << "\"\n";
        return UsageExitCode;
    }
    if (IsKrcType(record->CoolerType())) {
        err << "krcool: --designation: a KRC cooler runs at its pump's flow and has no performance curves\n";
        return UsageExitCode;
    }
    const CurveDutyRead read = ReadCurveDuty(options, sep);
    if (!read.Input) {
        err << "krcool: " << read.Error << '\n';
        return UsageExitCode;
    }
    ErrorList errors(session.Texts, session.Settings);
    const DutyValues duty = CheckKnownInput(*read.Input, errors);
    if (!errors.Empty()) {
        PrintProblemLines(out, errors.Text());
        return ProblemsExitCode;
    }

    tCoolType cooler = *record;
    cooler.OilFlow = duty.OilFlow;
    cooler.AmbientTemp = duty.AmbientTemp;
    cooler.OilInletTemp = duty.OilInletTemp;
    cooler.Altitude = duty.Altitude;
    cooler.OilTypeIndex = duty.OilTypeIndex;
    // Without a required heat the curves start from the estimate the
    // known-cooler rating keeps, as for a cooler chosen there.
    const RatingDuty ratingDuty{duty.OilFlow, duty.OilInletTemp, duty.AmbientTemp, duty.Altitude, duty.OilTypeIndex};
    cooler.RequiredHeat = read.Required ? ConvertPower(read.Required->UnitIndex, 0,
                                                       TextToNumber(read.Required->NumberText, 0, sep))
                                        : BaseHeatEstimate(CoefficientsOf(cooler), ratingDuty);

    const PerformanceCurves curves = SweepCurves(cooler);
    const char delimiter = sep == ',' ? ';' : ',';
    out << CurveHeader[0] << delimiter << CurveHeader[1] << delimiter << CurveHeader[2] << '\n';
    for (int flow = FirstCurveFlow; flow <= LastCurveFlow; ++flow) {
        const CurvePoint& point = curves.At(flow);
        out << flow << delimiter << CsvNumber(point.HeatRejection, sep) << delimiter
            << CsvNumber(point.PressLoss, sep) << '\n';
    }
    return 0;
}

}  // namespace kr::cli
