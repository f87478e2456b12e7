#include "core/data/cooler_database.h"

#include "core/common/text_case.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>

namespace kr {

namespace {

constexpr std::string_view DataMissingKey = "Error Data missing";

void AddToDerivedLists(const tCoolType& record, CoolerDatabase& database)
{
    const std::string upperType = UpperCaseText(record.CoolerType());
    if (IsAccessoryType(upperType))
        return;
    const bool known = std::ranges::any_of(database.CoolerTypes,
                                           [&](const std::string& t) { return SameText(t, upperType); });
    if (!known)
        database.CoolerTypes.push_back(upperType);
    database.Drawings.push_back(record.Designation());
}

}  // namespace

CoolerDatabaseLoad ParseCoolerDatabase(std::string_view bytes)
{
    CoolerDatabaseLoad load;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t wholeRecords = bytes.size() / CoolerRecordSize;
    load.Database.CoolerRecords.reserve(wholeRecords);
    for (std::size_t i = 0; i < wholeRecords; ++i) {
        const std::span<const std::uint8_t, CoolerRecordSize> recordBytes(data + i * CoolerRecordSize,
                                                                          CoolerRecordSize);
        tCoolType& record = load.Database.CoolerRecords.emplace_back(recordBytes);
        AddToDerivedLists(record, load.Database);
    }
    if (bytes.size() % CoolerRecordSize != 0)
        load.ErrorKey = DataMissingKey;
    SortCoolerRecords(load.Database.CoolerRecords);
    return load;
}

CoolerDatabaseLoad LoadCoolerDatabase(const std::filesystem::path& file)
{
    std::error_code error;
    std::ifstream in;
    if (std::filesystem::is_regular_file(file, error))
        in.open(file, std::ios::binary);
    if (!in.is_open()) {
        CoolerDatabaseLoad failed;
        failed.ErrorKey = DataMissingKey;
        return failed;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CoolerDatabaseLoad load = ParseCoolerDatabase(bytes);
    if (in.bad())
        load.ErrorKey = DataMissingKey;
    return load;
}

void SortCoolerRecords(CoolerRecordList& records)
{
    // The keys are decoded once, not at every comparison.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        keys.emplace_back(records[i].CoolerType(), i);
    std::ranges::stable_sort(keys, LessIgnoringCase{}, [](const auto& k) { return std::string_view(k.first); });

    CoolerRecordList sorted;
    sorted.reserve(records.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(records[key.second]));
    records = std::move(sorted);
}

}  // namespace kr
