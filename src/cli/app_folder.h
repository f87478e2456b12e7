#pragma once

#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/quote/price_file.h"

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
    std::string ErrorKey;  // empty when everything loaded
};

AppFolderLoad LoadAppFolder(const std::filesystem::path& dir);

// The folder of the running executable.
std::filesystem::path ExecutableDir();

// A failure as the user reads it: the text of the key in the given language
// when there is such a language file with that key, else the key itself.
std::string MessageText(const LanguageList& languages, std::string_view languageName, std::string_view key);

}  // namespace kr::cli
