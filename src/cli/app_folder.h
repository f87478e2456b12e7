#pragma once

#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"
#include "core/quote/price_file.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace kr::cli {

// What the program reads from its folder, loaded as the program does at
// start-up: languages, then the cooler database, then the price file.
struct AppFolder {
    std::filesystem::path Dir;
    LanguageList Languages;
    CoolerDatabase Database;
    PriceRecordList Prices;
    bool HasPriceFile = false;
};

struct AppFolderLoad {
    AppFolder Folder;
    std::string ErrorKey;             // empty when everything loaded
    std::filesystem::path ErrorFile;  // the file the failure is about
};

AppFolderLoad LoadAppFolder(const std::filesystem::path& dir);

// The folder of the running executable.
std::filesystem::path ExecutableDir();

// The English texts of the failures a folder can fail to load with, as the
// English language file has them, by key.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 2> BuiltInFailureTexts{{
    {keys::ErrorDataMissing.Key,
     "The cooler database Krdata.dat is missing or damaged. Please install the program again."},
    {keys::ErrorPricefile.Key, "The price file Price.dat cannot be read. Please install the program again or "
                               "update the prices from a price disk."},
}};

// "krcool: FILE: TEXT" for the failure of a load, the text in the given
// language when there is such a language file with that key, else the
// English text built in (a folder may have no language files at all).
std::string LoadFailureLine(const AppFolderLoad& load, std::string_view languageName);

}  // namespace kr::cli
