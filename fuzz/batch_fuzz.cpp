// Feeds bytes as the CSV file of krcool select --batch, through the command
// itself on a small sample database: every row is read, run and written,
// as text or as JSON, and a file of any shape ends with an exit code.
#include "cli/batch_select.h"
#include "cli/exit_codes.h"
#include "core/data/cooler_database.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

int kr::fuzz::FeedBatchCsv(const std::uint8_t* data, std::size_t size)
{
    using namespace kr;
    if (size > 64 * 1024)
        return -1;
    static const cli::Session session = [] {
        cli::Session made{.Folder = {}, .Texts = fuzz::EnglishTexts(), .Settings = {}};
        made.Folder.Database = ParseCoolerDatabase(fuzz::SampleCoolerRecords()).Database;
        return made;
    }();
    const auto file = fuzz::ScratchDir() / "duties.csv";
    fuzz::WriteScratchFile(file, std::string_view(reinterpret_cast<const char*>(data), size));

    std::ostringstream out;
    std::ostringstream err;
    const bool json = size % 2 == 1;
    const int exitCode = cli::RunBatchSelect(session, file, json, size % 3 == 0, out, err);
    if (exitCode != 0 && exitCode != cli::FailureExitCode)
        std::abort();
    if (exitCode == cli::FailureExitCode && err.str().empty())
        std::abort();  // a refused file is always told
    return 0;
}
