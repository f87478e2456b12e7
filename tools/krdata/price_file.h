#pragma once

#include <string>
#include <string_view>

namespace kr {

// Price.dat from the price CSV and back. The CSV has the columns
// Record,DiskDate,DiskID,Publisher,EndDate,ItemNo,Price,Currency (any order,
// any left out). Column Record says what a row is: "header" for the one
// header record, which must be the first data row and fills only the header
// columns, "item" for an item record, which fills only the item columns.
// A CSV with no data rows gives an empty price file.
std::string PriceFileFromCsv(std::string_view csv);

// The price CSV of a Price.dat, all columns in the order above. For a source
// written in this form, PriceCsvFromFile(PriceFileFromCsv(csv)) gives back
// the same bytes.
std::string PriceCsvFromFile(std::string_view bytes);

}  // namespace kr
