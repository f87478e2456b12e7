// krcool: the cooler selection engine on the command line.

#include "cli/commands.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return kr::cli::RunKrcool(args, std::cout, std::cerr);
}
