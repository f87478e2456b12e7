#include "cli/commands.h"

#include "cli/command_curve.h"
#include "cli/command_document.h"
#include "cli/command_info.h"
#include "cli/command_lists.h"
#include "cli/command_quote.h"
#include "cli/command_rate.h"
#include "cli/command_select.h"
#include "cli/options.h"

#include <functional>
#include <vector>

namespace kr::cli {

namespace {

using Command = std::function<int(std::span<const std::string_view>, std::ostream&, std::ostream&)>;

struct NamedCommand {
    std::string_view Name;
    std::string_view Usage;
    Command Run;
};

const std::vector<NamedCommand>& Commands()
{
    static const std::vector<NamedCommand> commands = {
        {"info", "info                          what a distribution folder holds", RunInfo},
        {"select",
         "select --heat Q --flow V --ambient T --inlet T [--max-loss P] [--altitude H]\n"
         "       [--oil GRADE] --drive 400|12|24|HYD|KRC [--keep-all] [--json]\n"
         "                                the selection by duty (exit 2: problems, 3: question answered no)\n"
         "  select --batch FILE.csv [--keep-all] [--json]\n"
         "                                one selection per row of a CSV file",
         RunSelect},
        {"rate",
         "rate --type CODE --drive AC|HYD|KRC [--motor ENTRY] --flow V --ambient T --inlet T\n"
         "       [--altitude H] [--oil GRADE] [--loss-unit UNIT] [--json]\n"
         "                                the rating of a known cooler type",
         RunRate},
        {"curve",
         "curve --designation TEXT --flow V --ambient T --inlet T [--altitude H] [--oil GRADE]\n"
         "       [--required Q]           the performance curves from 1 to 1500 l/min as CSV",
         RunCurve},
        {"types", "types                         the cooler types, one a line", RunTypes},
        {"motors", "motors --type CODE --drive AC|HYD\n"
                   "                                the motors offered for a type, one a line",
         RunMotors},
        {"document",
         "document technical|drawing|curves [select's or rate's options] [--row N] [--prices] --pdf FILE\n"
         "  document quotation --quotation FILE --pdf FILE\n"
         "  document instructions --pdf FILE\n"
         "                                one printout of the program as a PDF file, in the language of --lang",
         RunDocument},
        {"quote",
         "quote add --quotation FILE [select's or rate's options] [--row N] [--quantity Q] [--keep-all]\n"
         "  quote add --quotation FILE --accessory ITEMNO [--quantity Q]\n"
         "                                adds the row's cooler or an accessory to a quotation file (made when missing)\n"
         "  quote show --quotation FILE [--json]\n"
         "                                the quotation's header, items and sums",
         RunQuote},
    };
    return commands;
}

int PrintUsage(std::ostream& out)
{
    out << "usage: krcool COMMAND [OPTIONS]\n\ncommands:\n";
    for (const auto& command : Commands())
        out << "  " << command.Usage << '\n';
    out << "\nevery command takes --appdir DIR (default: the program's folder); all but info take\n"
           "--lang NAME (default English) and --decimal . or , (default .).\n"
           "A quantity is a number with an optional unit of its list: 80, 80l/min, \"1.2 m3/h\", 86degF.\n";
    return UsageExitCode;
}

}  // namespace

int RunKrcool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return PrintUsage(err);
    if (args[0] == "--help" || args[0] == "help") {
        PrintUsage(out);
        return 0;
    }
    for (const auto& command : Commands())
        if (command.Name == args[0])
            return command.Run(args.subspan(1), out, err);
    err << "krcool: unknown command " << args[0] << "\n\n";
    return PrintUsage(err);
}

}  // namespace kr::cli
