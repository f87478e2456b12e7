#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// One record of a CSV text and the line of the text where it begins; a quoted
// cell may span lines, so the two counts can differ.
struct CsvRow {
    std::vector<std::string> cells;
    std::size_t number = 0;  // 1-based, the first row of the text is 1
    std::size_t line = 0;    // 1-based
};

// RFC 4180: cells separated by commas, rows by CRLF or LF; a cell holding a
// comma, a quote or a line break is quoted and its quotes are doubled.
// A leading UTF-8 byte-order mark is skipped. Throws DataError on a quote
// left open, text after a closing quote or a quote inside an unquoted cell.
std::vector<CsvRow> ParseCsv(std::string_view text);

// One row in that syntax, ended by LF; cells are quoted only where needed,
// so that the same cells always give the same bytes.
std::string CsvLine(const std::vector<std::string>& cells);

// "row 5" or, when a quoted line break moved it, "row 5 (line 7)".
std::string RowPlace(const CsvRow& row);

}  // namespace kr
