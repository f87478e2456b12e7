// drawgen: draws the pictures of the distribution folder from the readable
// descriptions in data/drawings and the picture code of this tool.
//
//   drawgen --descriptions DIR --out DIR [--records coolers.csv]

#include <iostream>
#include <string_view>

#include "drawgen/drawgen_error.h"
#include "drawgen/generator.h"

namespace {

constexpr const char* Usage = "usage: drawgen --descriptions DIR --out DIR [--records coolers.csv]";

bool ReadOptions(int argc, char** argv, kr::drawgen::GeneratorOptions& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--descriptions")
            options.descriptionDir = argv[i + 1];
        else if (name == "--out")
            options.outputDir = argv[i + 1];
        else if (name == "--records")
            options.records = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1 && !options.descriptionDir.empty() && !options.outputDir.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    kr::drawgen::GeneratorOptions options;
    if (!ReadOptions(argc, argv, options)) {
        std::cerr << Usage << '\n';
        return 2;
    }
    try {
        const auto written = kr::drawgen::GenerateAll(options);
        std::cout << "drawgen: " << written.size() << " pictures in " << options.outputDir.string() << '\n';
        return 0;
    } catch (const kr::drawgen::DrawgenError& error) {
        std::cerr << "drawgen: " << error.what() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "drawgen: internal fault: " << error.what() << '\n';
    }
    return 1;
}
