#include "krdata/cooler_file.h"

#include "core/data/cool_type.h"
#include "krdata/csv_table.h"
#include "krdata/field_text.h"
#include "krdata/record_bytes.h"

#include <vector>

namespace kr {

namespace {

std::vector<std::string_view> CoolerColumns()
{
    std::vector<std::string_view> names;
    for (const RecordField& field : CoolerField::All)
        names.push_back(field.name);
    return names;
}

}  // namespace

std::string CoolerFileFromCsv(std::string_view csv)
{
    const std::vector<std::string_view> columns = CoolerColumns();
    const CsvTable table(csv, columns);
    std::string bytes;
    for (const CsvRow& row : table.DataRows()) {
        tCoolType record;
        for (const RecordField& field : CoolerField::All)
            table.WriteField(record.Record, row, field);
        AppendRecordBytes(bytes, record);
    }
    return bytes;
}

std::string CoolerCsvFromFile(std::string_view bytes)
{
    const std::size_t count = CheckRecordFile(bytes, CoolerRecordSize);
    const std::vector<std::string_view> columns = CoolerColumns();
    std::string csv = CsvLine({columns.begin(), columns.end()});
    for (std::size_t n = 0; n < count; ++n) {
        const auto record = RecordAt<tCoolType>(bytes, n);
        std::vector<std::string> cells;
        for (const RecordField& field : CoolerField::All)
            cells.push_back(ReadFieldText(record.Record, field));
        csv += CsvLine(cells);
    }
    return csv;
}

}  // namespace kr
