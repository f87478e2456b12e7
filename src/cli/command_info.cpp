#include "cli/command_info.h"

#include "cli/app_folder.h"
#include "cli/options.h"

#include <algorithm>
#include <map>

namespace kr::cli {

namespace {

constexpr std::string_view MessageLanguage = "English";

void PrintList(std::ostream& out, std::string_view title, const std::vector<std::string>& items)
{
    out << title << " (" << items.size() << "):";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << (i == 0 ? " " : ", ") << items[i];
    out << '\n';
}

void PrintCoolers(std::ostream& out, const CoolerDatabase& database)
{
    const auto& records = database.CoolerRecords;
    const auto accessories = std::ranges::count_if(records, [](const tCoolType& r) { return r.IsAccessory(); });
    out << "Cooler records: " << records.size() << " (" << records.size() - accessories << " coolers, "
        << accessories << " accessories)\n";
    PrintList(out, "Cooler types", database.CoolerTypes);

    std::map<std::string, int> drives;
    for (const tCoolType& r : records)
        if (!r.IsAccessory())
            ++drives[r.MotorKind()];
    out << "Drives:";
    for (const auto& [kind, count] : drives)
        out << ' ' << kind << " (" << count << ')';
    out << '\n';

    std::vector<std::string> accessoryNames;
    for (const tCoolType& r : records)
        if (r.IsAccessory())
            accessoryNames.push_back(r.CoolerType() + " " + r.ItemNo() + " " + r.Designation());
    PrintList(out, "Accessories", accessoryNames);
}

void PrintPrices(std::ostream& out, const AppFolder& folder)
{
    if (!folder.HasPriceFile) {
        out << "Prices: no price file\n";
        return;
    }
    if (folder.Prices.empty()) {
        out << "Prices: none\n";
        return;
    }
    const tPriceType& header = folder.Prices.front().Record;
    out << "Prices: " << folder.Prices.size() - 1 << " items; publisher \"" << header.Publisher() << "\", disk "
        << header.DiskID() << " of " << header.DiskDate() << ", valid until " << header.EndDate() << '\n';
    std::map<std::string, int> currencies;
    for (std::size_t i = 1; i < folder.Prices.size(); ++i)
        ++currencies[folder.Prices[i].Record.Currency()];
    out << "Currencies:";
    for (const auto& [currency, count] : currencies)
        out << ' ' << currency << " (" << count << ')';
    out << '\n';
}

}  // namespace

int RunInfo(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args, {"--appdir"}, {}, options, err))
        return UsageExitCode;
    const auto dir = std::filesystem::path(options.Value("--appdir", ExecutableDir().string()));

    const AppFolderLoad load = LoadAppFolder(dir);
    std::vector<std::string> languageNames;
    for (const Language& language : load.Folder.Languages)
        languageNames.push_back(language.Name);

    if (!load.ErrorKey.empty()) {
        err << LoadFailureLine(load, MessageLanguage) << '\n';
        return FailureExitCode;
    }
    out << "Folder: " << dir.string() << '\n';
    PrintCoolers(out, load.Folder.Database);
    PrintPrices(out, load.Folder);
    PrintList(out, "Languages", languageNames);
    return 0;
}

}  // namespace kr::cli
