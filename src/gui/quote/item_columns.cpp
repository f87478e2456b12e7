#include "gui/quote/item_columns.h"

#include "gui/widgets/string_grid.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>
#include <numeric>

namespace kr::gui {

namespace {
// A cell's text keeps this far from the grid line.
constexpr int TextSlack = 4;

int SumAfterFixed(const std::vector<int>& widths)
{
    return std::accumulate(widths.begin() + 1, widths.end(), 0);
}
}  // namespace

std::vector<int> NeededColumnWidths(const StringGrid& grid, int stepColumn, int stepWidth)
{
    const QStyle& style = *grid.style();
    const QFontMetrics cellFont(grid.font());
    const QFontMetrics headingFont(grid.horizontalHeader()->font());
    const int cellMargin = 2 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1) + TextSlack;
    const int headingMargin = 2 * style.pixelMetric(QStyle::PM_HeaderMargin, nullptr, &grid) + TextSlack;
    std::vector<int> needed(static_cast<std::size_t>(grid.ColCount()));
    needed[0] = grid.ColWidth(0);
    for (int col = 1; col < grid.ColCount(); ++col) {
        int width = headingFont.horizontalAdvance(grid.Cell(col, 0)) + headingMargin;
        const int margin = cellMargin + (col == stepColumn ? stepWidth : 0);
        for (int row = 1; row < grid.RowCount(); ++row)
            width = std::max(width, cellFont.horizontalAdvance(grid.Cell(col, row)) + margin);
        needed[static_cast<std::size_t>(col)] = width;
    }
    return needed;
}

std::vector<int> FittedColumnWidths(const std::vector<int>& setWidths, const std::vector<int>& needed, int room)
{
    if (SumAfterFixed(setWidths) <= room)
        return setWidths;
    std::vector<int> widths = needed;
    widths[0] = setWidths[0];
    const int left = room - SumAfterFixed(widths);
    std::vector<int> shortOf(widths.size());
    for (std::size_t col = 1; col < widths.size(); ++col)
        shortOf[col] = std::max(0, setWidths[col] - widths[col]);
    const int shortOfAll = SumAfterFixed(shortOf);
    if (left <= 0 || shortOfAll == 0)
        return widths;
    for (std::size_t col = 1; col < widths.size(); ++col)
        widths[col] += static_cast<int>(static_cast<long long>(left) * shortOf[col] / shortOfAll);
    return widths;
}

}  // namespace kr::gui
