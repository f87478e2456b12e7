#pragma once

#include "core/data/record_field.h"
#include "krdata/csv.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// A CSV whose first row names its columns. The columns may come in any order
// and any of them may be left out; a name outside the known ones, a name
// given twice or a data row with another number of cells than the header is
// a DataError.
class CsvTable {
public:
    CsvTable(std::string_view text, std::span<const std::string_view> knownColumns);

    // The rows after the header, in text order.
    const std::vector<CsvRow>& DataRows() const { return dataRows_; }

    bool HasColumn(std::string_view column) const;

    // The cell of a data row under a column name; empty when the column is left out.
    std::string_view Cell(const CsvRow& row, std::string_view column) const;

    // Stores the cell of the field's column into the record; a value that
    // cannot be stored is a DataError naming the row and the column.
    void WriteField(std::span<std::uint8_t> record, const CsvRow& row, const RecordField& field) const;

private:
    std::vector<std::string> columns_;
    std::vector<CsvRow> dataRows_;
};

// "row 12, column HeatCoefA: " + what.
[[noreturn]] void ThrowAtCell(const CsvRow& row, std::string_view column, std::string_view what);

}  // namespace kr
