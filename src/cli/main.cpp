// krcool: the cooler selection engine on the command line.

#include "cli/command_info.h"
#include "cli/options.h"

#include <functional>
#include <iostream>
#include <span>
#include <string_view>
#include <vector>

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
        {"info", "info [--appdir DIR]            what a distribution folder holds", kr::cli::RunInfo},
    };
    return commands;
}

int PrintUsage(std::ostream& out)
{
    out << "usage: krcool COMMAND [OPTIONS]\n\ncommands:\n";
    for (const auto& command : Commands())
        out << "  " << command.Usage << '\n';
    return kr::cli::UsageExitCode;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty())
        return PrintUsage(std::cerr);
    if (args[0] == "--help" || args[0] == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const auto& command : Commands())
        if (command.Name == args[0])
            return command.Run(std::span(args).subspan(1), std::cout, std::cerr);
    std::cerr << "krcool: unknown command " << args[0] << "\n\n";
    return PrintUsage(std::cerr);
}
