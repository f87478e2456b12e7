#pragma once

#include "core/canvas/canvas.h"
#include "core/print/print_context.h"

#include <string>

namespace kr {

// The frame of the landscape printouts, the performance curves and the
// drawing sheet: wider margins than a letter page, the factors that turn a
// screen pixel into printer pixels, all in printer pixels.
struct LandscapeSheet {
    Size Page;
    int MarginX = 0;  // (page width div 30) · 2
    int MarginY = 0;  // (page height div 20) · 2
    int ScaleX = 1;
    int ScaleY = 1;
};

LandscapeSheet LandscapeSheetOf(Size page, Size resolution);
LandscapeSheet LandscapeSheetOf(const Canvas& canvas);

// The page turned on its side, whatever way round the printer reports it
// before a landscape job has begun.
Size LandscapeSize(Size page);

// Who the sheet comes from, in one line: the first line of the user's own
// address when that is printed instead of the company's (empty when the
// address is), else the company's name.
std::string SenderLine(const PrintContext& context);

// The logo of the picture folder at its screen size times the sheet's
// factors, its right edge rightGap pixels in from the page's right edge and
// its top at top. A missing or unreadable logo is left out.
void DrawSheetLogo(Canvas& canvas, const PrintContext& context, const LandscapeSheet& sheet, int rightGap, int top);

}  // namespace kr
