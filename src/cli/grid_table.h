#pragma once

#include "core/engine/result_grid.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kr::cli {

// The rows of a result grid as text: the heading lines (a heading's line
// break starts its second line), then one line per row with a result, the
// cells in aligned columns. Cell texts are written as the grid holds them;
// columns of numbers are aligned on the right, the others on the left.
void PrintGrid(std::ostream& out, const ResultGrid& grid);

// Rows of cells in aligned columns, each column as wide as its widest cell
// (in characters) and aligned on the right where alignsRight says so.
void PrintTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                const std::function<bool(int column)>& alignsRight);

// The lines of a problem list as the error dialog shows them: the text
// split at its line breaks, the blank line between entries kept.
void PrintProblemLines(std::ostream& out, std::string_view problemText);

// The entries of a problem list: the text split at the empty line that
// ends each entry.
std::vector<std::string> ProblemEntries(std::string_view problemText);

// The lines of a text split at CR LF, a lone CR or a lone LF; a text that
// ends with a line break has no empty last line.
std::vector<std::string> TextLines(std::string_view text);

}  // namespace kr::cli
