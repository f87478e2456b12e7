#pragma once

#include "drawgen/cooler_geometry.h"
#include "drawgen/drawing_layers.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// The two views of a dimension drawing with their dimensions and labels.
// origin is where the view's own (0, 0) lands on the sheet: the floor under
// the middle of the frame for the front view, the floor under the air inlet
// face of the core for the side view.
void AddFrontView(Sketch& sketch, const DrawingLayers& layers, const CoolerGeometry& geometry, Point origin);
void AddSideView(Sketch& sketch, const DrawingLayers& layers, const CoolerGeometry& geometry, Point origin);

// The text of a connection label: "IN G 3/4".
std::string PortLabel(const char* mark, const std::string& thread);

}  // namespace kr::drawgen
