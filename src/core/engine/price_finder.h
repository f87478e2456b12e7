#pragma once

#include "core/quote/price_file.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace kr {

// LookUpPrice for many items of one search. A large price table is indexed
// once (first key wins, letter case ignored), so that pricing every
// candidate of a big database does not scan the table for each.
class PriceFinder {
public:
    explicit PriceFinder(const PriceRecordList& table);

    bool TableEmpty() const { return table_->empty(); }
    PriceLookup Find(std::string_view itemNo);

private:
    const PriceRecordList* table_;
    std::unordered_map<std::string, std::size_t> firstByKey_;
    bool indexed_ = false;
};

}  // namespace kr
