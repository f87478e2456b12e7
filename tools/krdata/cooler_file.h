#pragma once

#include <string>
#include <string_view>

namespace kr {

// Krdata.dat from the cooler CSV: one 488-byte record per data row, columns
// named after the record fields. The bytes no field covers are zero.
std::string CoolerFileFromCsv(std::string_view csv);

// The cooler CSV of a Krdata.dat: every field as a column, in record order.
// For a source written in this form, CoolerCsvFromFile(CoolerFileFromCsv(csv))
// gives back the same bytes.
std::string CoolerCsvFromFile(std::string_view bytes);

}  // namespace kr
