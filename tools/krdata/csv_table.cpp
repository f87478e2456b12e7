#include "krdata/csv_table.h"

#include "krdata/data_error.h"
#include "krdata/field_text.h"

#include <algorithm>

namespace kr {

namespace {

void CheckHeader(const CsvRow& header, std::span<const std::string_view> knownColumns)
{
    for (std::size_t i = 0; i < header.cells.size(); ++i) {
        const std::string& name = header.cells[i];
        const std::string place = RowPlace(header) + ", column " + std::to_string(i + 1) + ": ";
        if (std::ranges::find(knownColumns, name) == knownColumns.end())
            throw DataError(place + "unknown column name \"" + name + "\"");
        if (std::find(header.cells.begin(), header.cells.begin() + static_cast<std::ptrdiff_t>(i), name) !=
            header.cells.begin() + static_cast<std::ptrdiff_t>(i))
            throw DataError(place + "the column \"" + name + "\" is named twice");
    }
}

void CheckRowLength(const CsvRow& row, std::size_t columnCount)
{
    if (row.cells.size() != columnCount)
        throw DataError(RowPlace(row) + ": " + std::to_string(row.cells.size()) + " cells where the header has " +
                        std::to_string(columnCount));
}

}  // namespace

CsvTable::CsvTable(std::string_view text, std::span<const std::string_view> knownColumns)
{
    std::vector<CsvRow> rows = ParseCsv(text);
    if (rows.empty())
        throw DataError("no header row naming the columns");
    CheckHeader(rows.front(), knownColumns);
    columns_ = std::move(rows.front().cells);
    dataRows_.assign(std::make_move_iterator(rows.begin() + 1), std::make_move_iterator(rows.end()));
    for (const CsvRow& row : dataRows_)
        CheckRowLength(row, columns_.size());
}

bool CsvTable::HasColumn(std::string_view column) const { return std::ranges::find(columns_, column) != columns_.end(); }

std::string_view CsvTable::Cell(const CsvRow& row, std::string_view column) const
{
    const auto found = std::ranges::find(columns_, column);
    if (found == columns_.end())
        return {};
    return row.cells[static_cast<std::size_t>(found - columns_.begin())];
}

void CsvTable::WriteField(std::span<std::uint8_t> record, const CsvRow& row, const RecordField& field) const
{
    try {
        WriteFieldText(record, field, Cell(row, field.name));
    } catch (const DataError& error) {
        ThrowAtCell(row, field.name, error.what());
    }
}

void ThrowAtCell(const CsvRow& row, std::string_view column, std::string_view what)
{
    throw DataError(RowPlace(row) + ", column " + std::string(column) + ": " + std::string(what));
}

}  // namespace kr
