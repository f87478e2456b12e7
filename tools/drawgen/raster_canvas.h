#pragma once

#include <span>
#include <vector>

#include "drawgen/geometry.h"
#include "drawgen/image.h"

namespace kr::drawgen {

// Pixel drawing on an image, coordinates in pixels with y down; pixel (i, j)
// covers [i, i+1) x [j, j+1) and is painted when its centre is covered.
class RasterCanvas {
public:
    explicit RasterCanvas(Image& image) : image_(image) {}

    // Even-odd rule, any polygon.
    void FillPolygon(const std::vector<Point>& corners, Rgb colour);
    void FillDisk(Point centre, double radius, Rgb colour);
    // A pen of the given width with round ends; thin pens step pixel by pixel.
    void StrokeSegment(Point from, Point to, double width, Rgb colour);
    // dashes: lengths in pixels, on and off in turn; empty for a solid line.
    // The pattern runs on across the corners of the polyline.
    void StrokePolyline(const std::vector<Point>& points, double width, Rgb colour, std::span<const double> dashes);

private:
    void Plot(int x, int y, Rgb colour);

    Image& image_;
};

}  // namespace kr::drawgen
