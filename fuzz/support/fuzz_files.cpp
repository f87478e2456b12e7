#include "fuzz_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace kr::fuzz {

namespace fs = std::filesystem;

fs::path ScratchDir()
{
    static const fs::path dir = [] {
        const fs::path made = fs::temp_directory_path() / ("kr-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(made);
        return made;
    }();
    return dir;
}

void WriteScratchFile(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        std::abort();
}

std::string ReadWholeFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        std::abort();
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const LanguageTable& EnglishTexts()
{
    static const LanguageTable texts(SplitLanguageLines(ReadWholeFile(fs::path(KR_FUZZ_SOURCE_DIR) / "data/lang/English.SPROG")));
    return texts;
}

std::string SampleCoolerRecords()
{
    return ReadWholeFile(fs::path(KR_FUZZ_SOURCE_DIR) / "fuzz/corpus/krdata_fuzz/sample_records.dat");
}

CoolerChoices ChoicesFromDutyTab(std::string heatText)
{
    CoolerChoices choices;
    choices.FromDutyTab = true;
    choices.HeatText = std::move(heatText);
    return choices;
}

PrintContext ContextWith(const LanguageTable& texts, fs::path pictureDir)
{
    return PrintContext{.Texts = texts, .Format = {}, .PictureDir = std::move(pictureDir), .NameOnPrint = false,
                        .NameAddress = "Receiver\r\nStreet 1", .DateText = "01.02.2024"};
}

}  // namespace kr::fuzz
