#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kr::cli {

// A small CSV file: a header row naming the columns, then data rows.
// Fields are separated by ',' or, when the header holds a ';' (as files
// written with a decimal comma are), by ';'. A field in double quotes may
// hold separators, line breaks and doubled quotes. Blank lines are skipped;
// a UTF-8 byte-order mark is dropped.
struct CsvRow {
    int Number = 0;  // 1 for the first data row
    std::vector<std::string> Fields;
};

struct CsvTable {
    std::vector<std::string> Header;
    std::vector<CsvRow> Rows;
};

struct CsvRead {
    std::optional<CsvTable> Table;
    std::string Error;  // when there is no table
};

CsvRead ParseCsv(std::string_view text);
CsvRead ReadCsvFile(const std::filesystem::path& file);

}  // namespace kr::cli
