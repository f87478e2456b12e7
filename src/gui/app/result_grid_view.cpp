#include "gui/app/result_grid_view.h"

#include "core/data/text_keys.h"
#include "gui/app/screen_texts.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/string_grid.h"

namespace kr::gui {

QString GridText(std::string_view text)
{
    return FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowGridModel(StringGrid& grid, const SortButtons& sortButtons, const ResultGrid& model,
                   const LanguageTable& texts, const FormatSettings& settings)
{
    grid.SetColCount(model.ColumnCount());
    grid.SetRowCount(model.RowCount());
    for (int row = 0; row < model.RowCount(); ++row)
        ShowGridRow(grid, model, row);
    for (std::size_t i = 0; i < SortColumns.size(); ++i) {
        const QString caption = GridText(model.Cell(SortColumns[i], 0));
        sortButtons[i]->setText(caption);
        const QString heading = caption.split(u'\n', Qt::SkipEmptyParts).join(QStringLiteral(", "));
        sortButtons[i]->setAccessibleName(FormatText(texts, keys::SortBy, {ToUtf8(heading)}, settings));
    }
}

void ShowGridRow(StringGrid& grid, const ResultGrid& model, int row)
{
    for (int col = 0; col < model.ColumnCount(); ++col) {
        const QString text = FromUtf8(model.Cell(col, row));
        if (grid.Cell(col, row) != text)
            grid.SetCell(col, row, text);
        // The numbers are padded to a fixed count of characters, which a
        // proportional font does not line up: they stand at the right edge.
        QTableWidgetItem* cell = row > 0 && col > 0 ? grid.item(row - 1, col - 1) : nullptr;
        if (cell && col >= GridColumn::HeatRejection)
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

}  // namespace kr::gui
