#include "drawgen/raster_canvas.h"

#include <algorithm>
#include <cmath>

namespace kr::drawgen {

namespace {

// Widths up to this are drawn as a single chain of pixels.
constexpr double ThinPen = 1.0;

}  // namespace

void RasterCanvas::Plot(int x, int y, Rgb colour)
{
    if (image_.Inside(x, y))
        image_.Set(x, y, colour);
}

void RasterCanvas::FillPolygon(const std::vector<Point>& corners, Rgb colour)
{
    if (corners.size() < 3)
        return;
    double top = corners.front().y;
    double bottom = top;
    for (const Point corner : corners) {
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    const int firstRow = std::max(0, static_cast<int>(std::floor(top)));
    const int lastRow = std::min(image_.Height() - 1, static_cast<int>(std::ceil(bottom)));

    std::vector<double> crossings;
    for (int row = firstRow; row <= lastRow; ++row) {
        const double y = row + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % corners.size()];
            // Half-open in y, so that a corner on the scan line counts once.
            if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y))
                crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int firstColumn = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
            const int lastColumn = std::min(image_.Width() - 1, static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1);
            for (int column = firstColumn; column <= lastColumn; ++column)
                image_.Set(column, row, colour);
        }
    }
}

void RasterCanvas::FillDisk(Point centre, double radius, Rgb colour)
{
    const int firstRow = static_cast<int>(std::floor(centre.y - radius));
    const int lastRow = static_cast<int>(std::ceil(centre.y + radius));
    const int firstColumn = static_cast<int>(std::floor(centre.x - radius));
    const int lastColumn = static_cast<int>(std::ceil(centre.x + radius));
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            if (Length(Point{column + 0.5, row + 0.5} - centre) <= radius)
                Plot(column, row, colour);
}

void RasterCanvas::StrokeSegment(Point from, Point to, double width, Rgb colour)
{
    if (width <= ThinPen) {
        const double steps = std::max({std::abs(to.x - from.x), std::abs(to.y - from.y), 1.0});
        for (int step = 0; step <= static_cast<int>(std::ceil(steps)); ++step) {
            const Point p = from + (to - from) * std::min(1.0, step / steps);
            Plot(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)), colour);
        }
        return;
    }
    const double half = width / 2;
    const Point side = Normal(Unit(to - from)) * half;
    if (Length(side) > 0)
        FillPolygon({from + side, to + side, to - side, from - side}, colour);
    FillDisk(from, half, colour);
    FillDisk(to, half, colour);
}

void RasterCanvas::StrokePolyline(const std::vector<Point>& points, double width, Rgb colour, std::span<const double> dashes)
{
    if (dashes.empty()) {
        for (std::size_t i = 1; i < points.size(); ++i)
            StrokeSegment(points[i - 1], points[i], width, colour);
        return;
    }
    std::size_t dash = 0;
    double leftInDash = dashes[0];
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point a = points[i - 1];
        const Point b = points[i];
        const double length = Length(b - a);
        double done = 0;
        while (done < length) {
            const double piece = std::min(leftInDash, length - done);
            if (dash % 2 == 0)
                StrokeSegment(a + (b - a) * (done / length), a + (b - a) * ((done + piece) / length), width, colour);
            done += piece;
            leftInDash -= piece;
            if (leftInDash <= 1e-9) {
                dash = (dash + 1) % dashes.size();
                leftInDash = dashes[dash];
            }
        }
    }
}

}  // namespace kr::drawgen
