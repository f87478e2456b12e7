// Feeds bytes to the readers of Price.dat and of price disk files as the
// program calls them: the price list loaded at start-up with its lookups,
// and a price disk file checked, its header listed and its refusal told.
#include "core/quote/price_disk.h"
#include "core/quote/price_file.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

int kr::fuzz::FeedPriceFile(const std::uint8_t* data, std::size_t size)
{
    using namespace kr;
    if (size > 200 * PriceRecordSize)
        return -1;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    PriceRecordList table;
    std::size_t lastRead = 0;
    const std::string error = ParsePriceRecords(bytes, table, [&](std::size_t read, std::size_t whole) {
        if (read > whole || read < lastRead)
            std::abort();  // the gauge must move forward and end at the whole
        lastRead = read;
    });
    if (table.size() != size / PriceRecordSize || error.empty() != (size % PriceRecordSize == 0))
        std::abort();
    for (const PriceEntry& entry : table)
        if (!LookUpPrice(table, entry.Key).Found)
            std::abort();
    (void)LookUpPrice(table, "KR 10");

    const PriceDiskCheck check = CheckPriceDiskBytes("pricedisk.dat", bytes);
    (void)PriceDiskHeaderLines(check.Header, fuzz::EnglishTexts());
    const std::string refusal = PriceDiskRefusalText(check, fuzz::EnglishTexts(), FormatSettings{',', '.'});
    if (refusal.empty() != check.Fit())
        std::abort();
    return 0;
}
