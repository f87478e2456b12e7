// Closing the main window: its size, position and column widths are kept.
#include "core/settings/settings.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/app/window_size_keeper.h"
#include "gui/widgets/string_grid.h"

#include <vector>

namespace kr::gui {

void TFormStartmenu::FormClose()
{
    // The start menu has its own fixed bounds, which are not worth keeping.
    if (OnStartMenu())
        return;
    const StringGrid& grid = *MainScreen.StringGridResult;
    std::vector<int> columnWidths;
    for (int col = 0; col < grid.ColCount(); ++col)
        columnWidths.push_back(grid.ColWidth(col));
    // Closed in the middle of a drag, the window keeps the bounds it rested
    // at before: always one of the sizes, with the frame's position.
    const QPoint position = sizeKeeper_->RestingFramePosition();
    const QSize size = sizeKeeper_->RestingGeometry().size();
    const FileWriteResult written =
        WriteWindowBounds(*state_.Store, position.x(), position.y(), size.width(), size.height(), columnWidths);
    if (!written.Ok())
        ReportWriteFailure(written);
}

}  // namespace kr::gui
