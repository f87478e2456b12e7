#include "cli/app_folder.h"

#include <system_error>

namespace kr::cli {

namespace fs = std::filesystem;

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
        return load;
    }

    std::error_code error;
    folder.HasPriceFile = fs::exists(dir / PriceFileName, error);
    load.ErrorKey = LoadPriceRecords(dir / PriceFileName, folder.Prices);
    return load;
}

fs::path ExecutableDir()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
}

std::string MessageText(const LanguageList& languages, std::string_view languageName, std::string_view key)
{
    if (const Language* language = FindLanguage(languages, languageName)) {
        if (language->Table.Contains(key))
            return language->Table.Lookup(key);
    }
    return std::string(key);
}

}  // namespace kr::cli
