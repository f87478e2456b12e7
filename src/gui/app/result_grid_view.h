#pragma once

#include "core/engine/result_grid.h"
#include "gui/app/main_window_controls.h"

#include <QString>

#include <string_view>

namespace kr::gui {

// A grid text as a caption or hint shows it: its CR LF line breaks become
// plain line feeds.
QString GridText(std::string_view text);

// Writes a result grid's model into its StringGrid: the column and row
// counts and every cell as the model has it (headings in row 0, so screen
// readers find them), and the heading captions on the sort buttons, which
// screen readers name "Sort by" their heading.
void ShowGridModel(StringGrid& grid, const SortButtons& sortButtons, const ResultGrid& model,
                   const LanguageTable& texts, const FormatSettings& settings);

// Writes one row of the model again (after a step of its motor).
void ShowGridRow(StringGrid& grid, const ResultGrid& model, int row);

}  // namespace kr::gui
