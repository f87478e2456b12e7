#include "krdata/csv.h"

#include "krdata/data_error.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

using Cells = std::vector<std::string>;

std::vector<Cells> CellsOf(std::string_view text)
{
    std::vector<Cells> cells;
    for (const CsvRow& row : ParseCsv(text))
        cells.push_back(row.cells);
    return cells;
}

TEST(Csv, ReadsQuotedAndPlainCells)
{
    struct Case {
        std::string_view text;
        std::vector<Cells> expected;
    };
    const Case cases[] = {
        {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"\xEF\xBB\xBF" "a\n", {{"a"}}},
        {",\n", {{"", ""}}},
        {"\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
        {"\"two\nlines\",\"crlf\r\nkept\"\n", {{"two\nlines", "crlf\r\nkept"}}},
        {"\"\",b\n", {{"", "b"}}},
        {"a\rb\n", {{"a\rb"}}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellsOf(c.text), c.expected) << c.text;
}

TEST(Csv, CountsRowsAndTheLinesWhereTheyBegin)
{
    const auto rows = ParseCsv("h\n\"a\nb\nc\"\nd\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].number, 3u);
    EXPECT_EQ(rows[2].line, 5u);
    EXPECT_EQ(RowPlace(rows[1]), "row 2");
    EXPECT_EQ(RowPlace(rows[2]), "row 3 (line 5)");
}

TEST(Csv, RejectsBrokenQuoting)
{
    struct Case {
        std::string_view text;
        std::string_view message;
    };
    const Case cases[] = {
        {"a\n\"open,b\n", "row 2: a quoted cell is not closed"},
        {"\"x\"y,b\n", "row 1: text after the closing quote of a cell"},
        {"a,b\"c\n", "row 1: a quote inside a cell that does not begin with a quote"},
    };
    for (const Case& c : cases) {
        try {
            ParseCsv(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const DataError& error) {
            EXPECT_EQ(error.what(), std::string(c.message));
        }
    }
}

TEST(Csv, QuotesOnlyWhereNeededAndReadsItsOwnLinesBack)
{
    EXPECT_EQ(CsvLine({"a", "", "b c"}), "a,,b c\n");
    EXPECT_EQ(CsvLine({"1,5", "G 3/4\"", "x\ny"}), "\"1,5\",\"G 3/4\"\"\",\"x\ny\"\n");

    const Cells tricky = {"", ",", "\"", "\"\"", "a\r\nb", " lead", "trail ", "°C"};
    const auto rows = ParseCsv(CsvLine(tricky));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].cells, tricky);
}

}  // namespace
}  // namespace kr
