#pragma once

#include <string_view>
#include <vector>

#include "drawgen/geometry.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// A simple stroke font in the manner of technical lettering: capital
// letters, digits and the signs a dimension drawing needs (. , - + / ( ) : =
// < > ~ and the diameter, degree and greater-or-equal signs). Each glyph is a
// few polylines on a grid six units high, so that the bitmap draws every
// text with the same pen as its lines at any size.
bool CanDraw(char32_t character);

// The first character of a UTF-8 text the font cannot draw, or 0 when it can
// draw them all.
char32_t FirstUndrawable(std::string_view utf8);

// Advance width of a text of the given capital height, the gap after the
// last glyph not counted.
double TextWidth(std::string_view utf8, double height);

// The strokes of a text placed as its anchor, alignment and rotation say,
// in the units of its sketch.
std::vector<std::vector<Point>> TextStrokes(const Text& text);

}  // namespace kr::drawgen
