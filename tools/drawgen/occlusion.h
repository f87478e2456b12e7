#pragma once

#include <utility>
#include <variant>
#include <vector>

#include "drawgen/geometry.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

struct Disk {
    Point centre;
    double radius = 0;
};

// A part in front of others: what lies inside it is not drawn.
using Occluder = std::variant<Disk, Box>;

// The pieces of a segment outside every occluder, in order.
std::vector<std::pair<Point, Point>> VisibleSegments(Point from, Point to, const std::vector<Occluder>& occluders);

// The pieces of a circle outside every occluder, as counter-clockwise
// (start, end) angle pairs in degrees; one pair 0..360 when none hides it.
std::vector<std::pair<double, double>> VisibleArcs(Point centre, double radius, const std::vector<Occluder>& occluders);

// Draw what the occluders leave of a line, a polyline or a circle.
void AddVisibleLine(Sketch& sketch, LayerId layer, Point from, Point to, const std::vector<Occluder>& occluders);
void AddVisiblePolyline(Sketch& sketch, LayerId layer, const std::vector<Point>& points, bool closed,
                        const std::vector<Occluder>& occluders);
void AddVisibleCircle(Sketch& sketch, LayerId layer, Point centre, double radius, const std::vector<Occluder>& occluders);

}  // namespace kr::drawgen
