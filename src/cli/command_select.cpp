#include "cli/command_select.h"

#include "cli/batch_select.h"
#include "cli/duty_options.h"
#include "cli/exit_codes.h"
#include "cli/selection_run.h"
#include "cli/session.h"

namespace kr::cli {

namespace {

std::set<std::string_view> SelectValueOptions()
{
    std::set<std::string_view> options = DutyValueOptions();
    options.insert("--batch");
    return WithSessionOptions(std::move(options));
}

int RunOneSelection(const Session& session, const Options& options, std::ostream& out, std::ostream& err)
{
    const CalculationRead read = ReadCalculationInput(DutyFromOptions(options), session.DecimalSeparator());
    if (!read.Input) {
        err << "krcool: --" << read.Error << '\n';
        return UsageExitCode;
    }
    const SelectionRun run = RunSelection(session, read, options.Flag("--keep-all"));
    if (options.Flag("--json")) {
        JsonWriter json(out);
        json.BeginObject();
        WriteSelectionRun(json, run);
        json.EndObject();
        out << '\n';
    } else if (run.Outcome == SelectionRun::Kind::Unreadable) {
        err << run.Text << '\n';
    } else {
        PrintSelectionRun(out, run);
        if (run.Outcome == SelectionRun::Kind::Shown)
            PrintHydraulicMotors(out, run.Grid, session.Texts);
    }
    if (run.Outcome == SelectionRun::Kind::Question)
        err << "krcool: answered no; --keep-all shows these coolers\n";
    return ExitCodeOf(run);
}

}  // namespace

int RunSelect(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args, SelectValueOptions(), {"--json", "--keep-all"}, options, err))
        return UsageExitCode;
    const bool batch = options.Has("--batch");
    if (batch) {
        for (const std::string_view name : CalculationDutyNames) {
            if (options.Has(DutyOptionName(name))) {
                err << "krcool: --batch takes every duty from its file; " << DutyOptionName(name)
                    << " cannot be given with it\n";
                return UsageExitCode;
            }
        }
    }

    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    if (batch)
        return RunBatchSelect(*open.Opened, options.Value("--batch"), options.Flag("--json"),
                              options.Flag("--keep-all"), out, err);
    return RunOneSelection(*open.Opened, options, out, err);
}

}  // namespace kr::cli
