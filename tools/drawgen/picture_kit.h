#pragma once

#include <string>
#include <vector>

#include "drawgen/sketch.h"

namespace kr::drawgen {

// Helpers for the fixed pictures, which are drawn in pixel units (one unit
// per bitmap pixel, y up from the bottom edge).

// A layer that paints in one colour with one pen.
LayerId PaintLayer(Sketch& sketch, const std::string& name, Rgb colour, double penPixels, LineStyle style = LineStyle::Continuous);

// The part of a convex polygon inside a box.
std::vector<Point> ClipToBox(const std::vector<Point>& polygon, const Box& box);

// A filled band of the given width along the line through a and b, cut to
// the box.
void AddBand(Sketch& sketch, LayerId layer, Point a, Point b, double width, const Box& clip);

void AddFilledBox(Sketch& sketch, LayerId layer, const Box& box);

// A filled round dot.
void AddDot(Sketch& sketch, LayerId layer, Point centre, double radius);

// A straight arrow with a filled head at to; shaft drawn in the layer's pen.
void AddArrow(Sketch& sketch, LayerId layer, Point from, Point to, double headLength, double headWidth);

// An arc of a circle with a filled head at its end, counter-clockwise from
// start to end when clockwise is false.
void AddCurvedArrow(Sketch& sketch, LayerId layer, Point centre, double radius, double startDegrees, double endDegrees, bool clockwise,
                    double headLength, double headWidth);

// Points along a cubic Bezier curve, both ends included.
std::vector<Point> BezierPoints(Point p0, Point p1, Point p2, Point p3, int segments);

// A centre line through the points with each corner rounded to the radius.
std::vector<Point> RoundedPath(const std::vector<Point>& corners, double radius);

// The two edges of a hose of the given width along a centre line.
void AddHose(Sketch& sketch, LayerId layer, const std::vector<Point>& centreLine, double width);

// Vertical lines at the given pitch inside a box: the fins of a core.
void AddFins(Sketch& sketch, LayerId layer, const Box& box, double pitch);

// Short slanted strokes under a floor line, the sign of solid ground.
void AddGround(Sketch& sketch, LayerId layer, double left, double right, double y, double pitch);

void AddLabelText(Sketch& sketch, LayerId layer, Point anchor, double height, const std::string& text, HAlign hAlign = HAlign::Centre,
                  VAlign vAlign = VAlign::Middle);

}  // namespace kr::drawgen
