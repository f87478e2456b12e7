#pragma once

#include "core/canvas/canvas.h"
#include "core/data/cooler_database.h"
#include "core/print/print_context.h"

#include <string_view>

namespace kr {

// One landscape sheet laid out as a technical drawing: the dimension
// drawing of the cooler with this designation (the one the drawing viewer
// shows, not necessarily the current cooler), the logo, the spare-parts
// list of the cooler's drive and size in the lower left corner, the title
// block with the sender, designation, drawing and item number in the lower
// right corner, a border round the page and the version line. Returns
// whether the sheet was printed: an empty designation, one of no cooler
// with a drawing, or a drawing bitmap that cannot be read print nothing,
// with nothing to tell the user (the print selection offers the drawing
// only when the viewer shows one).
bool PrintDrawingSheet(Canvas& canvas, const PrintContext& context, const CoolerRecordList& records,
                       std::string_view designation);

}  // namespace kr
