#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace kr::cli {

// The longest row a CSV file may hold, so that a file without line breaks
// (or a device that never ends) is refused rather than read into memory.
inline constexpr std::size_t MaxCsvRowBytes = std::size_t{1} << 20;
inline constexpr std::string_view MaxCsvRowSize = "1 MiB";

struct CsvRow {
    int Number = 0;  // 1 for the first data row
    std::vector<std::string> Fields;

    // Every field blank, as in a blank line or one of separators only.
    bool IsEmpty() const;
};

// A CSV file read a row at a time, in memory bounded by its longest row: a
// header row naming the columns, then data rows. Fields are separated by
// ',' or, when the header holds a ';' (as files written with a decimal
// comma are), by ';'. A field in double quotes may hold separators, line
// breaks and doubled quotes. A UTF-8 byte-order mark is dropped and blank
// lines before the header are skipped; after it every line is a row, a
// blank one too, so that rows keep the numbers a spreadsheet shows.
class CsvReader {
public:
    explicit CsvReader(std::istream& in) : in_(*in.rdbuf()) {}

    // The header's fields; nothing, with Error() set, when there is none.
    std::optional<std::vector<std::string>> ReadHeader();
    // The next data row; nothing at the end of the file, or with Error()
    // set when the rest cannot be read.
    std::optional<CsvRow> ReadRow();

    const std::string& Error() const { return error_; }

private:
    // The text of the next record, up to a line break outside quotes;
    // nothing at the end of the file or on an error.
    std::optional<std::string> ReadRecordText();
    std::vector<std::string> SplitFields(const std::string& record) const;

    std::streambuf& in_;
    char separator_ = ',';
    int rowCount_ = 0;
    int linesRead_ = 0;
    std::string error_;
};

}  // namespace kr::cli
