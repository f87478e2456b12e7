// Every seed of the fuzz targets and every input a fuzzer once found a
// fault with, fed through the same function the fuzzer calls: the damaged
// files of each kind must be read, shown and printed to the end.
#include "fuzz_inputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct FuzzTarget {
    const char* Name;
    int (*Feed)(const std::uint8_t*, std::size_t);
};

const FuzzTarget Targets[] = {
    {"krdata_fuzz", kr::fuzz::FeedCoolerDatabase}, {"price_fuzz", kr::fuzz::FeedPriceFile},
    {"language_fuzz", kr::fuzz::FeedLanguageFile},  {"settings_fuzz", kr::fuzz::FeedSettingsFile},
    {"instructions_fuzz", kr::fuzz::FeedInstructions}, {"batch_fuzz", kr::fuzz::FeedBatchCsv},
    {"quotation_fuzz", kr::fuzz::FeedQuotationFile},
};

std::vector<fs::path> InputsOf(const std::string& target)
{
    std::vector<fs::path> files;
    for (const fs::path& dir : {fs::path(KR_SOURCE_DIR) / "fuzz/corpus" / target,
                               fs::path(KR_SOURCE_DIR) / "tests/data/fuzz_regressions" / target}) {
        if (fs::is_directory(dir))
            for (const fs::directory_entry& entry : fs::directory_iterator(dir))
                files.push_back(entry.path());
    }
    return files;
}

TEST(FuzzInputs, EverySeedAndEveryFormerFindingIsReadToTheEnd)
{
    for (const FuzzTarget& target : Targets) {
        const std::vector<fs::path> files = InputsOf(target.Name);
        EXPECT_FALSE(files.empty()) << target.Name << " has no seeds";
        for (const fs::path& file : files) {
            SCOPED_TRACE(file.string());
            std::ifstream in(file, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            // A fault aborts the test program; an input the target passes over fails here.
            EXPECT_EQ(target.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
        }
    }
}

}  // namespace
