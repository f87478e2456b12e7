#pragma once

#include <string>
#include <vector>

#include "drawgen/drawing_layers.h"
#include "drawgen/occlusion.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// Where a drawn part lies, to hide what is behind it and to place labels.
struct StubShape {
    Box bounds;
    Point end;  // middle of the free end
};

// A threaded connection seen from the side: a hexagon next to the body and
// the threaded piece beyond it, along one of the four axis directions.
StubShape AddPortStub(Sketch& sketch, const DrawingLayers& layers, Point base, Point direction, double threadDiameter,
                      double length, const std::vector<Occluder>& occluders = {});

// The same connection seen end on: hexagon, thread and bore, with centre lines.
void AddPortEnd(Sketch& sketch, const DrawingLayers& layers, Point centre, double threadDiameter, double acrossFlats);

// Across flats of the hexagon of a threaded connection, and the
// circumradius of a hexagon.
double HexAcrossFlats(double threadDiameter);
double HexRadius(double acrossFlats);

// A horizontal and a vertical centre line through a point, reaching
// overshoot beyond the radius.
void AddCentreCross(Sketch& sketch, const DrawingLayers& layers, Point centre, double radius, double overshoot);

// A label in the size of the dimension values.
void AddLabel(Sketch& sketch, LayerId layer, Point anchor, const std::string& text, HAlign hAlign, VAlign vAlign);

// Capital height of labels and dimension values, in bitmap pixels.
constexpr double LabelPixels = 11;

}  // namespace kr::drawgen
