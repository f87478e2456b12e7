#pragma once

#include <string>

#include "drawgen/cooler_description.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// Size of a dimension drawing's bitmap: landscape, shown at its own size in
// the drawing viewer and printed on one sheet.
constexpr int SheetWidthPixels = 800;
constexpr int SheetHeightPixels = 560;

// The whole dimension drawing of one cooler: border, front and side view
// at the largest scale that fits beside each other with their dimensions,
// and a title block with the drawing name, the type code and the drive.
// Sketch units are mm. Throws DrawgenError when the views cannot fit.
Sketch BuildCoolerSheet(const std::string& drawingName, const CoolerDescription& description);

}  // namespace kr::drawgen
