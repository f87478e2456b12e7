#include "drawgen/picture_kit.h"

#include <cmath>

namespace kr::drawgen {

namespace {

// Sutherland-Hodgman against one edge: keep where inside(p) holds.
template <typename Inside, typename Cut>
std::vector<Point> ClipEdge(const std::vector<Point>& polygon, Inside inside, Cut cut)
{
    std::vector<Point> result;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point current = polygon[i];
        const Point next = polygon[(i + 1) % polygon.size()];
        if (inside(current))
            result.push_back(current);
        if (inside(current) != inside(next))
            result.push_back(cut(current, next));
    }
    return result;
}

Point CutAtX(Point a, Point b, double x) { return {x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; }
Point CutAtY(Point a, Point b, double y) { return {a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; }

}  // namespace

LayerId PaintLayer(Sketch& sketch, const std::string& name, Rgb colour, double penPixels, LineStyle style)
{
    return sketch.AddLayer({name, 7, colour, style, penPixels});
}

std::vector<Point> ClipToBox(const std::vector<Point>& polygon, const Box& box)
{
    std::vector<Point> result = polygon;
    result = ClipEdge(result, [&](Point p) { return p.x >= box.left; }, [&](Point a, Point b) { return CutAtX(a, b, box.left); });
    result = ClipEdge(result, [&](Point p) { return p.x <= box.right; }, [&](Point a, Point b) { return CutAtX(a, b, box.right); });
    result = ClipEdge(result, [&](Point p) { return p.y >= box.bottom; }, [&](Point a, Point b) { return CutAtY(a, b, box.bottom); });
    result = ClipEdge(result, [&](Point p) { return p.y <= box.top; }, [&](Point a, Point b) { return CutAtY(a, b, box.top); });
    return result;
}

void AddBand(Sketch& sketch, LayerId layer, Point a, Point b, double width, const Box& clip)
{
    const Point along = Unit(b - a) * (Length(b - a) + clip.Width() + clip.Height());
    const Point side = Normal(Unit(b - a)) * (width / 2);
    const std::vector<Point> band = ClipToBox({a - along + side, b + along + side, b + along - side, a - along - side}, clip);
    if (band.size() >= 3)
        sketch.AddSolid(layer, band);
}

void AddFilledBox(Sketch& sketch, LayerId layer, const Box& box)
{
    sketch.AddSolid(layer, {{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}});
}

void AddDot(Sketch& sketch, LayerId layer, Point centre, double radius)
{
    constexpr int Corners = 16;
    std::vector<Point> corners;
    for (int corner = 0; corner < Corners; ++corner)
        corners.push_back(Polar(centre, radius, 360.0 * corner / Corners));
    sketch.AddSolid(layer, corners);
}

void AddArrow(Sketch& sketch, LayerId layer, Point from, Point to, double headLength, double headWidth)
{
    const Point direction = Unit(to - from);
    const Point back = to - direction * headLength;
    sketch.AddLine(layer, from, back + direction * (headLength * 0.3));
    const Point side = Normal(direction) * (headWidth / 2);
    sketch.AddSolid(layer, {to, back + side, back - side});
}

void AddCurvedArrow(Sketch& sketch, LayerId layer, Point centre, double radius, double startDegrees, double endDegrees, bool clockwise,
                    double headLength, double headWidth)
{
    const double headDegrees = Degrees(headLength / radius);
    if (clockwise) {
        sketch.AddArc(layer, centre, radius, endDegrees + headDegrees * 0.7, startDegrees);
    } else {
        sketch.AddArc(layer, centre, radius, startDegrees, endDegrees - headDegrees * 0.7);
    }
    const Point tip = Polar(centre, radius, endDegrees);
    const Point back = Polar(centre, radius, clockwise ? endDegrees + headDegrees : endDegrees - headDegrees);
    const Point side = Unit(tip - centre) * (headWidth / 2);
    sketch.AddSolid(layer, {tip, back + side, back - side});
}

std::vector<Point> BezierPoints(Point p0, Point p1, Point p2, Point p3, int segments)
{
    std::vector<Point> points;
    for (int i = 0; i <= segments; ++i) {
        const double t = static_cast<double>(i) / segments;
        const double u = 1 - t;
        points.push_back(p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t));
    }
    return points;
}

std::vector<Point> RoundedPath(const std::vector<Point>& corners, double radius)
{
    constexpr int CornerSegments = 6;
    if (corners.size() < 3)
        return corners;
    std::vector<Point> path{corners.front()};
    for (std::size_t i = 1; i + 1 < corners.size(); ++i) {
        const Point corner = corners[i];
        const Point start = corner - Unit(corner - corners[i - 1]) * radius;
        const Point end = corner + Unit(corners[i + 1] - corner) * radius;
        for (int step = 0; step <= CornerSegments; ++step) {
            const double t = static_cast<double>(step) / CornerSegments;
            path.push_back(start * ((1 - t) * (1 - t)) + corner * (2 * t * (1 - t)) + end * (t * t));
        }
    }
    path.push_back(corners.back());
    return path;
}

void AddHose(Sketch& sketch, LayerId layer, const std::vector<Point>& centreLine, double width)
{
    std::vector<Point> left, right;
    for (std::size_t i = 0; i < centreLine.size(); ++i) {
        const Point before = centreLine[i == 0 ? 0 : i - 1];
        const Point after = centreLine[i + 1 == centreLine.size() ? i : i + 1];
        const Point side = Normal(Unit(after - before)) * (width / 2);
        left.push_back(centreLine[i] + side);
        right.push_back(centreLine[i] - side);
    }
    sketch.AddPolyline(layer, left);
    sketch.AddPolyline(layer, right);
}

void AddFins(Sketch& sketch, LayerId layer, const Box& box, double pitch)
{
    for (double x = box.left + pitch; x < box.right - pitch / 2; x += pitch)
        sketch.AddLine(layer, {x, box.bottom}, {x, box.top});
}

void AddGround(Sketch& sketch, LayerId layer, double left, double right, double y, double pitch)
{
    sketch.AddLine(layer, {left, y}, {right, y});
    for (double x = left + pitch; x <= right; x += pitch)
        sketch.AddLine(layer, {x, y}, {x - pitch, y - pitch});
}

void AddLabelText(Sketch& sketch, LayerId layer, Point anchor, double height, const std::string& text, HAlign hAlign, VAlign vAlign)
{
    sketch.AddText(Text{layer, anchor, height, text, hAlign, vAlign});
}

}  // namespace kr::drawgen
