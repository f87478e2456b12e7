#include "cli/command_rate.h"

#include "cli/exit_codes.h"
#include "cli/grid_table.h"
#include "cli/known_run.h"
#include "cli/result_json.h"

namespace kr::cli {

int RunRate(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args, WithSessionOptions(KnownValueOptions), {"--json"}, options, err))
        return UsageExitCode;
    for (const std::string_view required : {"--type", "--drive"}) {
        if (!options.Has(required)) {
            err << "krcool: rate needs " << required << '\n';
            return UsageExitCode;
        }
    }
    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    const Session& session = *open.Opened;

    const KnownRead read = ReadKnownInput(options, session);
    if (!read.Input) {
        err << "krcool: " << read.Error << '\n';
        return UsageExitCode;
    }
    const KnownRun run = RunKnownRating(session, read);
    if (options.Flag("--json")) {
        JsonWriter json(out);
        json.BeginObject();
        if (run.Shown)
            WriteGridResults(json, run.Grid);
        else
            WriteProblems(json, run.Problems);
        json.EndObject();
        out << '\n';
    } else if (run.Shown) {
        PrintGrid(out, run.Grid);
    } else {
        PrintProblemLines(out, run.Problems);
    }
    return run.Shown ? 0 : ProblemsExitCode;
}

}  // namespace kr::cli
