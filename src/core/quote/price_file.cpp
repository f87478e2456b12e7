#include "core/quote/price_file.h"

#include "core/common/text_case.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>
#include <system_error>

namespace kr {

namespace {

constexpr std::string_view PricefileErrorKey = "Error Pricefile";

}  // namespace

std::string ParsePriceRecords(std::string_view bytes, PriceRecordList& table, const PriceLoadProgress& progress)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t wholeRecords = bytes.size() / PriceRecordSize;
    for (std::size_t i = 0; i < wholeRecords; ++i) {
        const tPriceType record(std::span<const std::uint8_t, PriceRecordSize>(data + i * PriceRecordSize,
                                                                               PriceRecordSize));
        std::string key = table.empty() ? record.Publisher() : record.ItemNo();
        table.push_back({std::move(key), record});
        if (progress)
            progress(i + 1, wholeRecords);
    }
    return bytes.size() % PriceRecordSize == 0 ? std::string() : std::string(PricefileErrorKey);
}

std::string LoadPriceRecords(const std::filesystem::path& file, PriceRecordList& table,
                             const PriceLoadProgress& progress)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {};
    std::ifstream in;
    if (std::filesystem::is_regular_file(file, error))
        in.open(file, std::ios::binary);
    if (!in.is_open())
        return std::string(PricefileErrorKey);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string failure = ParsePriceRecords(bytes, table, progress);
    if (in.bad())
        failure = PricefileErrorKey;
    return failure;
}

PriceLookup LookUpPrice(const PriceRecordList& table, std::string_view itemNo)
{
    const auto found = std::ranges::find_if(table, [&](const PriceEntry& e) { return SameText(e.Key, itemNo); });
    if (found == table.end())
        return {};
    return {true, found->Record.Price(), found->Record.Currency()};
}

}  // namespace kr
