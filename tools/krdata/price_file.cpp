#include "krdata/price_file.h"

#include "core/quote/price_type.h"
#include "krdata/csv_table.h"
#include "krdata/data_error.h"
#include "krdata/field_text.h"
#include "krdata/record_bytes.h"

#include <span>
#include <vector>

namespace kr {

namespace {

constexpr std::string_view RecordColumn = "Record";
constexpr std::string_view HeaderKind = "header";
constexpr std::string_view ItemKind = "item";

std::vector<std::string_view> PriceColumns()
{
    std::vector<std::string_view> names{RecordColumn};
    for (const RecordField& field : PriceField::HeaderFields)
        names.push_back(field.name);
    for (const RecordField& field : PriceField::ItemFields)
        names.push_back(field.name);
    return names;
}

bool IsHeaderRow(const CsvTable& table, const CsvRow& row, bool isFirst)
{
    const std::string_view kind = table.Cell(row, RecordColumn);
    if (kind != HeaderKind && kind != ItemKind)
        ThrowAtCell(row, RecordColumn, "\"" + std::string(kind) + "\" is neither \"header\" nor \"item\"");
    const bool isHeader = kind == HeaderKind;
    if (isFirst && !isHeader)
        ThrowAtCell(row, RecordColumn, "the first data row must be the header record");
    if (!isFirst && isHeader)
        ThrowAtCell(row, RecordColumn, "only the first data row is the header record");
    return isHeader;
}

// A header row holds nothing in the item columns and an item row nothing in
// the header columns, so that no value is written that would be lost.
void CheckUnusedColumnsEmpty(const CsvTable& table, const CsvRow& row, std::span<const RecordField> unused,
                             bool isHeader)
{
    for (const RecordField& field : unused)
        if (!table.Cell(row, field.name).empty())
            ThrowAtCell(row, field.name, isHeader ? "must be empty in a header row" : "must be empty in an item row");
}

std::vector<std::string> CsvCells(const tPriceType& record, bool isHeader)
{
    std::vector<std::string> cells{std::string(isHeader ? HeaderKind : ItemKind)};
    for (const RecordField& field : PriceField::HeaderFields)
        cells.push_back(isHeader ? ReadFieldText(record.Record, field) : std::string());
    for (const RecordField& field : PriceField::ItemFields)
        cells.push_back(isHeader ? std::string() : ReadFieldText(record.Record, field));
    return cells;
}

}  // namespace

std::string PriceFileFromCsv(std::string_view csv)
{
    const std::vector<std::string_view> columns = PriceColumns();
    const CsvTable table(csv, columns);
    if (!table.DataRows().empty() && !table.HasColumn(RecordColumn))
        throw DataError("no column Record saying which row is the header and which are items");
    std::string bytes;
    bool isFirst = true;
    for (const CsvRow& row : table.DataRows()) {
        const bool isHeader = IsHeaderRow(table, row, isFirst);
        const std::span<const RecordField> used = isHeader ? std::span<const RecordField>(PriceField::HeaderFields)
                                                           : std::span<const RecordField>(PriceField::ItemFields);
        const std::span<const RecordField> unused = isHeader ? std::span<const RecordField>(PriceField::ItemFields)
                                                             : std::span<const RecordField>(PriceField::HeaderFields);
        CheckUnusedColumnsEmpty(table, row, unused, isHeader);
        tPriceType record;
        for (const RecordField& field : used)
            table.WriteField(record.Record, row, field);
        AppendRecordBytes(bytes, record);
        isFirst = false;
    }
    return bytes;
}

std::string PriceCsvFromFile(std::string_view bytes)
{
    const std::size_t count = CheckRecordFile(bytes, PriceRecordSize);
    const std::vector<std::string_view> columns = PriceColumns();
    std::string csv = CsvLine({columns.begin(), columns.end()});
    for (std::size_t n = 0; n < count; ++n)
        csv += CsvLine(CsvCells(RecordAt<tPriceType>(bytes, n), n == 0));
    return csv;
}

}  // namespace kr
