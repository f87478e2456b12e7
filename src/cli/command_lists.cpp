#include "cli/command_lists.h"

#include "cli/known_choice.h"
#include "cli/session.h"

namespace kr::cli {

int RunTypes(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args, SessionOptions, {}, options, err))
        return UsageExitCode;
    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    for (const std::string& type : open.Opened->Folder.Database.CoolerTypes)
        out << type << '\n';
    return 0;
}

int RunMotors(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args, WithSessionOptions({"--type", "--drive"}), {}, options, err))
        return UsageExitCode;
    for (const std::string_view required : {"--type", "--drive"}) {
        if (!options.Has(required)) {
            err << "krcool: motors needs " << required << '\n';
            return UsageExitCode;
        }
    }
    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    const Session& session = *open.Opened;
    const KnownChoiceRead read = ReadKnownChoice(session.Folder.Database, options.Value("--type"),
                                                 options.Value("--drive"), 0, session.DecimalSeparator());
    if (!read.Choice) {
        err << "krcool: " << read.Error << '\n';
        return UsageExitCode;
    }
    if (read.Choice->Drive == DriveChoice::KRC) {
        err << "krcool: --drive: a KRC cooler has no motor list\n";
        return UsageExitCode;
    }
    for (const MotorEntry& motor : read.Choice->Motors())
        out << motor.Text << '\n';
    return 0;
}

}  // namespace kr::cli
