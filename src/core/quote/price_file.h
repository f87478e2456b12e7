#pragma once

#include "core/common/extended.h"
#include "core/quote/price_type.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

inline constexpr std::string_view PriceFileName = "Price.dat";
inline constexpr std::string_view DefaultCurrency = "DKK";

// One record of the price file under its key: the header under its
// Publisher, every item under its ItemNo. File order, duplicates kept.
struct PriceEntry {
    std::string Key;
    tPriceType Record;
};
using PriceRecordList = std::vector<PriceEntry>;

// Called after each record read: (records read, whole records in the file).
using PriceLoadProgress = std::function<void(std::size_t, std::size_t)>;

// Appends the records of the file to the table. A missing file changes
// nothing and is no error. Returns the language key of a failure
// ("Error Pricefile": unreadable, or a partial last record), else empty;
// the records read before a failure stay in the table.
std::string LoadPriceRecords(const std::filesystem::path& file, PriceRecordList& table,
                             const PriceLoadProgress& progress = {});
std::string ParsePriceRecords(std::string_view bytes, PriceRecordList& table,
                              const PriceLoadProgress& progress = {});

struct PriceLookup {
    bool Found = false;
    Extended Price = 0;
    std::string Currency{DefaultCurrency};
};

// The first entry whose key equals the item number, ignoring case (the
// header takes part like any entry); else not found, 0 and "DKK".
PriceLookup LookUpPrice(const PriceRecordList& table, std::string_view itemNo);

}  // namespace kr
