#include "cli/grid_table.h"

#include "core/engine/error_list.h"

#include <algorithm>

namespace kr::cli {

namespace {

constexpr std::string_view ColumnGap = "  ";

// Characters, not bytes: every UTF-8 byte that does not continue a character.
std::size_t DisplayWidth(std::string_view text)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool AlignsRight(int column)
{
    return column != GridColumn::Cooler && column != GridColumn::Motor;
}

void PrintLine(std::ostream& out, const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
               const std::function<bool(int column)>& alignsRight)
{
    std::string line;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const std::size_t padding = widths[column] - std::min(widths[column], DisplayWidth(cells[column]));
        if (column > 0)
            line += ColumnGap;
        if (alignsRight(static_cast<int>(column)))
            line += std::string(padding, ' ') + cells[column];
        else
            line += cells[column] + std::string(padding, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

}  // namespace

std::vector<std::string> TextLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

void PrintGrid(std::ostream& out, const ResultGrid& grid)
{
    const int columns = grid.ColumnCount();
    std::vector<std::vector<std::string>> headingLines(2, std::vector<std::string>(columns));
    for (int column = 0; column < columns; ++column) {
        const std::vector<std::string> lines = TextLines(grid.Cell(column, 0));
        for (std::size_t i = 0; i < lines.size() && i < headingLines.size(); ++i)
            headingLines[i][column] = lines[i];
    }
    for (int row = 1; row <= grid.ResultRowCount(); ++row)
        headingLines.push_back(grid.RowCells(row));
    PrintTable(out, headingLines, AlignsRight);
}

void PrintTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                const std::function<bool(int column)>& alignsRight)
{
    std::vector<std::size_t> widths;
    for (const auto& cells : rows) {
        widths.resize(std::max(widths.size(), cells.size()), 0);
        for (std::size_t column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], DisplayWidth(cells[column]));
    }
    for (const auto& cells : rows)
        PrintLine(out, cells, widths, alignsRight);
}

void PrintProblemLines(std::ostream& out, std::string_view problemText)
{
    for (const std::string& line : TextLines(problemText))
        out << line << '\n';
}

std::vector<std::string> ProblemEntries(std::string_view problemText)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < problemText.size()) {
        const std::size_t end = problemText.find(ErrorEntryEnd, start);
        entries.emplace_back(problemText.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + ErrorEntryEnd.size();
    }
    return entries;
}

}  // namespace kr::cli
