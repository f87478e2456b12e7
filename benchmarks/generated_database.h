#pragma once

#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/quote/price_file.h"

#include <cstddef>

namespace kr::bench {

// What a search reads: the records, the prices and the language texts.
struct SearchData {
    CoolerRecordList Records;
    PriceRecordList Prices;
    LanguageTable Texts;
};

// The sample distribution folder of the build (Krdata.dat, Price.dat,
// English.SPROG). Aborts when the folder cannot be read: a benchmark of
// nothing would report nonsense.
const SearchData& SampleData();

// A database of recordCount coolers made from the sample's coolers, each
// copy with its own item number, price and heat-transfer coefficients
// spread over ±40 %, and a price list holding every item.
SearchData GeneratedData(std::size_t recordCount);

}  // namespace kr::bench
