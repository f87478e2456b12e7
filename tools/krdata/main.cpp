// krdata: builds the binary data files of the distribution from their CSV
// sources, and shows a binary file as CSV again.

#include "krdata/cooler_file.h"
#include "krdata/data_error.h"
#include "krdata/file_io.h"
#include "krdata/price_file.h"

#include <array>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using Converter = std::string (*)(std::string_view);

struct Command {
    std::string_view name;
    Converter convert;
    bool needsOutputFile;  // the dumps may print to standard output instead
};

constexpr std::array Commands = {
    Command{"cooler-write", kr::CoolerFileFromCsv, true},
    Command{"cooler-dump", kr::CoolerCsvFromFile, false},
    Command{"price-write", kr::PriceFileFromCsv, true},
    Command{"price-dump", kr::PriceCsvFromFile, false},
};

constexpr std::string_view Usage =
    "usage: krdata cooler-write <coolers.csv> <Krdata.dat>\n"
    "       krdata cooler-dump <Krdata.dat> [<coolers.csv>]\n"
    "       krdata price-write <prices.csv> <Price.dat>\n"
    "       krdata price-dump <Price.dat> [<prices.csv>]\n";

const Command* FindCommand(std::string_view name)
{
    for (const Command& command : Commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

int Run(const Command& command, const std::string& input, const char* output)
{
    const std::string source = kr::ReadWholeFile(input);
    std::string result;
    try {
        result = command.convert(source);
    } catch (const kr::DataError& error) {
        throw kr::DataError(input + ": " + error.what());
    }
    if (output)
        kr::ReplaceFile(output, result);
    else
        std::cout << result << std::flush;
    return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const Command* command = argc >= 2 ? FindCommand(argv[1]) : nullptr;
    const int wantedArguments = command && command->needsOutputFile ? 4 : 3;
    if (!command || argc < wantedArguments || argc > 4) {
        std::cerr << Usage;
        return 1;
    }
    try {
        return Run(*command, argv[2], argc == 4 ? argv[3] : nullptr);
    } catch (const kr::DataError& error) {
        std::cerr << "krdata: " << error.what() << '\n';
        return 1;
    }
}
