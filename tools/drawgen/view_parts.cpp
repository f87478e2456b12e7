#include "drawgen/view_parts.h"

#include <cmath>

namespace kr::drawgen {

namespace {

constexpr double HexShareOfStub = 0.35;  // of the connection's length
constexpr double HexPerThread = 1.45;    // across flats per thread diameter
constexpr double BoreShare = 0.6;        // of the thread diameter

// The box between two points along the axis direction, width across it.
Box AxisBox(Point from, Point to, double width)
{
    if (from.y == to.y)
        return {std::min(from.x, to.x), from.y - width / 2, std::max(from.x, to.x), from.y + width / 2};
    return {from.x - width / 2, std::min(from.y, to.y), from.x + width / 2, std::max(from.y, to.y)};
}

void AddVisibleBox(Sketch& sketch, LayerId layer, const Box& box, const std::vector<Occluder>& occluders)
{
    AddVisiblePolyline(sketch, layer, {{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}},
                       true, occluders);
}

}  // namespace

double HexAcrossFlats(double threadDiameter) { return threadDiameter * HexPerThread; }

double HexRadius(double acrossFlats) { return acrossFlats / std::sqrt(3.0); }

StubShape AddPortStub(Sketch& sketch, const DrawingLayers& layers, Point base, Point direction, double threadDiameter,
                      double length, const std::vector<Occluder>& occluders)
{
    const Point hexEnd = base + direction * (length * HexShareOfStub);
    const Point end = base + direction * length;
    const Box hex = AxisBox(base, hexEnd, HexAcrossFlats(threadDiameter));
    const Box thread = AxisBox(hexEnd, end, threadDiameter);
    AddVisibleBox(sketch, layers.outline, hex, occluders);
    AddVisibleBox(sketch, layers.outline, thread, occluders);
    // The middle edge of the hexagon, seen across its flats.
    const Point across = Normal(direction) * (HexAcrossFlats(threadDiameter) / 4);
    AddVisibleLine(sketch, layers.detail, base + across, hexEnd + across, occluders);
    AddVisibleLine(sketch, layers.detail, base - across, hexEnd - across, occluders);
    const Box bounds{std::min(hex.left, thread.left), std::min(hex.bottom, thread.bottom), std::max(hex.right, thread.right),
                     std::max(hex.top, thread.top)};
    return {bounds, end};
}

void AddPortEnd(Sketch& sketch, const DrawingLayers& layers, Point centre, double threadDiameter, double acrossFlats)
{
    const double radius = HexRadius(acrossFlats);
    std::vector<Point> hexagon;
    for (int corner = 0; corner < 6; ++corner)
        hexagon.push_back(Polar(centre, radius, 60.0 * corner));
    sketch.AddPolyline(layers.outline, hexagon, true);
    sketch.AddCircle(layers.outline, centre, threadDiameter / 2);
    sketch.AddCircle(layers.detail, centre, threadDiameter * BoreShare / 2);
    AddCentreCross(sketch, layers, centre, radius, sketch.Units(4));
}

void AddCentreCross(Sketch& sketch, const DrawingLayers& layers, Point centre, double radius, double overshoot)
{
    const double reach = radius + overshoot;
    sketch.AddLine(layers.center, {centre.x - reach, centre.y}, {centre.x + reach, centre.y});
    sketch.AddLine(layers.center, {centre.x, centre.y - reach}, {centre.x, centre.y + reach});
}

void AddLabel(Sketch& sketch, LayerId layer, Point anchor, const std::string& text, HAlign hAlign, VAlign vAlign)
{
    sketch.AddText(Text{layer, anchor, sketch.Units(LabelPixels), text, hAlign, vAlign});
}

}  // namespace kr::drawgen
