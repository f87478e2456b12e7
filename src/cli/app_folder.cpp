#include "cli/app_folder.h"

#include "core/common/text_case.h"

#include <algorithm>
#include <system_error>

namespace kr::cli {

namespace fs = std::filesystem;

namespace {

std::string MessageText(const LanguageList& languages, std::string_view languageName, std::string_view key)
{
    if (const Language* language = FindLanguage(languages, languageName)) {
        if (language->Table.Contains(key))
            return language->Table.Lookup(key);
    }
    const auto builtIn =
        std::ranges::find_if(BuiltInFailureTexts, [&](const auto& text) { return SameText(text.first, key); });
    // Every key a load fails with is built in; a key is still better than nothing.
    return builtIn == BuiltInFailureTexts.end() ? std::string(key) : std::string(builtIn->second);
}

}  // namespace

AppFolderLoad LoadAppFolder(const fs::path& dir)
{
    AppFolderLoad load;
    AppFolder& folder = load.Folder;
    folder.Dir = dir;
    folder.Languages = LoadLanguageList(dir);

    CoolerDatabaseLoad database = LoadCoolerDatabase(dir / CoolerDatabaseFileName);
    folder.Database = std::move(database.Database);
    if (!database.ErrorKey.empty()) {
        load.ErrorKey = database.ErrorKey;
        load.ErrorFile = dir / CoolerDatabaseFileName;
        return load;
    }

    std::error_code error;
    folder.HasPriceFile = fs::exists(dir / PriceFileName, error);
    load.ErrorKey = LoadPriceRecords(dir / PriceFileName, folder.Prices);
    if (!load.ErrorKey.empty())
        load.ErrorFile = dir / PriceFileName;
    return load;
}

fs::path ExecutableDir()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
}

std::string LoadFailureLine(const AppFolderLoad& load, std::string_view languageName)
{
    return "krcool: " + load.ErrorFile.string() + ": " +
           MessageText(load.Folder.Languages, languageName, load.ErrorKey);
}

}  // namespace kr::cli
