#include "generated_database.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kr::bench {

namespace {

[[noreturn]] void Abort(const std::string& what)
{
    std::fprintf(stderr, "kr_benchmarks: %s\n", what.c_str());
    std::exit(EXIT_FAILURE);
}

SearchData LoadSample()
{
    const std::filesystem::path dir{KR_DIST_DIR};
    SearchData data;
    CoolerDatabaseLoad database = LoadCoolerDatabase(dir / CoolerDatabaseFileName);
    if (!database.ErrorKey.empty() || database.Database.CoolerRecords.empty())
        Abort("cannot read " + (dir / CoolerDatabaseFileName).string());
    data.Records = std::move(database.Database.CoolerRecords);
    if (!LoadPriceRecords(dir / PriceFileName, data.Prices).empty() || data.Prices.empty())
        Abort("cannot read " + (dir / PriceFileName).string());
    const LanguageList languages = LoadLanguageList(dir);
    const Language* english = FindLanguage(languages, "English");
    if (english == nullptr)
        Abort("no English language file in " + dir.string());
    data.Texts = english->Table;
    return data;
}

// A spread of factors from 0.6 to 1.4 that visits every value of a
// 1000-step grid in a scrambled order.
long double Spread(std::size_t i)
{
    constexpr std::size_t Steps = 1000;
    constexpr std::size_t Scramble = 7919;  // prime, so i·Scramble mod Steps covers the grid
    return 0.6L + 0.8L * static_cast<long double>((i * Scramble) % Steps) / Steps;
}

}  // namespace

const SearchData& SampleData()
{
    static const SearchData data = LoadSample();
    return data;
}

SearchData GeneratedData(std::size_t recordCount)
{
    const SearchData& sample = SampleData();
    std::vector<const tCoolType*> coolers;
    for (const tCoolType& record : sample.Records)
        if (!record.IsAccessory())
            coolers.push_back(&record);

    SearchData data;
    data.Texts = sample.Texts;
    data.Records.reserve(recordCount);
    data.Prices.reserve(recordCount + 1);
    data.Prices.push_back(sample.Prices.front());  // the header record
    for (std::size_t i = 0; i < recordCount; ++i) {
        tCoolType record = *coolers[i % coolers.size()];
        const long double factor = Spread(i);
        const std::string itemNo = "G" + std::to_string(i);
        record.SetText(CoolerField::ItemNo, itemNo);
        record.SetText(CoolerField::Designation, record.Designation() + " #" + std::to_string(i));
        record.SetNumber(CoolerField::HeatCoefA, record.HeatCoefA() * factor);
        record.SetNumber(CoolerField::HeatCoefB, record.HeatCoefB() * factor);
        data.Records.push_back(record);

        tPriceType price;
        price.SetText(PriceField::ItemNo, itemNo);
        price.SetNumber(PriceField::Price, record.Price() * factor);
        price.SetText(PriceField::Currency, "DKK");
        data.Prices.push_back({itemNo, price});
    }
    SortCoolerRecords(data.Records);
    return data;
}

}  // namespace kr::bench
