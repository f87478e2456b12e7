#include "drawgen/raster_renderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "drawgen/raster_canvas.h"
#include "drawgen/stroke_font.h"

namespace kr::drawgen {

namespace {

// Segments of a circle: short enough that the polygon reads as round.
constexpr double PixelsPerCircleSegment = 3;
constexpr int MinCircleSegments = 12;

class SketchPainter {
public:
    SketchPainter(const Sketch& sketch, int supersampling)
        : sketch_(sketch),
          factor_(supersampling),
          image_(sketch.WidthPixels() * supersampling, sketch.HeightPixels() * supersampling, White),
          canvas_(image_)
    {
    }

    void operator()(const Line& line)
    {
        const Layer& layer = sketch_.LayerOf(line.layer);
        Stroke(layer, {Snapped(line.from, layer), Snapped(line.to, layer)});
    }

    void operator()(const Circle& circle)
    {
        const Layer& layer = sketch_.LayerOf(circle.layer);
        Stroke(layer, ArcPoints(layer, circle.centre, circle.radius, 0, 360));
    }

    void operator()(const Arc& arc)
    {
        const Layer& layer = sketch_.LayerOf(arc.layer);
        double end = arc.endDegrees;
        while (end <= arc.startDegrees)
            end += 360;
        Stroke(layer, ArcPoints(layer, arc.centre, arc.radius, arc.startDegrees, end));
    }

    void operator()(const Text& text)
    {
        const Layer& layer = sketch_.LayerOf(text.layer);
        for (const std::vector<Point>& stroke : TextStrokes(text)) {
            std::vector<Point> points;
            for (const Point point : stroke)
                points.push_back(Mapped(point));
            canvas_.StrokePolyline(points, layer.penPixels * factor_, layer.colour, {});
        }
    }

    void operator()(const Solid& solid)
    {
        std::vector<Point> corners;
        for (const Point corner : solid.corners)
            corners.push_back(Mapped(corner));
        canvas_.FillPolygon(corners, sketch_.LayerOf(solid.layer).colour);
    }

    Image Result() const
    {
        Image result(sketch_.WidthPixels(), sketch_.HeightPixels(), White);
        const int samples = factor_ * factor_;
        for (int y = 0; y < result.Height(); ++y)
            for (int x = 0; x < result.Width(); ++x) {
                int red = 0, green = 0, blue = 0;
                for (int dy = 0; dy < factor_; ++dy)
                    for (int dx = 0; dx < factor_; ++dx) {
                        const Rgb sample = image_.At(x * factor_ + dx, y * factor_ + dy);
                        red += sample.red;
                        green += sample.green;
                        blue += sample.blue;
                    }
                result.Set(x, y, Rgb{Average(red, samples), Average(green, samples), Average(blue, samples)});
            }
        return result;
    }

private:
    static std::uint8_t Average(int sum, int count) { return static_cast<std::uint8_t>((sum + count / 2) / count); }

    // Bitmap pixels, y down, at the fine sampling.
    Point Mapped(Point p) const
    {
        const double ppu = sketch_.PixelsPerUnit();
        return Point{p.x * ppu, sketch_.HeightPixels() - p.y * ppu} * factor_;
    }

    // Lines land on whole pixels: a pen of odd width is centred on a pixel,
    // one of even width on the border between two, so that straight lines
    // stay sharp instead of smearing over two half-tone rows.
    double SnappedPixel(double pixels, const Layer& layer) const
    {
        const bool odd = static_cast<int>(std::lround(layer.penPixels)) % 2 == 1;
        return odd ? std::floor(pixels) + 0.5 : std::round(pixels);
    }

    Point Snapped(Point p, const Layer& layer) const
    {
        const double ppu = sketch_.PixelsPerUnit();
        const Point pixels{SnappedPixel(p.x * ppu, layer), SnappedPixel(sketch_.HeightPixels() - p.y * ppu, layer)};
        return pixels * factor_;
    }

    std::vector<Point> ArcPoints(const Layer& layer, Point centre, double radius, double startDegrees, double endDegrees) const
    {
        const Point mappedCentre = Snapped(centre, layer);
        const double pixelRadius = std::round(radius * sketch_.PixelsPerUnit()) * factor_;
        const double sweep = endDegrees - startDegrees;
        const double arcPixels = pixelRadius * Radians(sweep);
        const int segments = std::max(MinCircleSegments * static_cast<int>(std::ceil(sweep / 360)),
                                      static_cast<int>(std::ceil(arcPixels / (PixelsPerCircleSegment * factor_))));
        std::vector<Point> points;
        for (int i = 0; i <= segments; ++i) {
            // Counter-clockwise on the sheet is clockwise with y down.
            const double angle = Radians(startDegrees + sweep * i / segments);
            points.push_back({mappedCentre.x + pixelRadius * std::cos(angle), mappedCentre.y - pixelRadius * std::sin(angle)});
        }
        return points;
    }

    void Stroke(const Layer& layer, const std::vector<Point>& points)
    {
        std::vector<double> dashes;
        for (const double length : DashPattern(layer.style))
            dashes.push_back(length * factor_);
        canvas_.StrokePolyline(points, layer.penPixels * factor_, layer.colour, dashes);
    }

    const Sketch& sketch_;
    int factor_;
    Image image_;
    RasterCanvas canvas_;
};

}  // namespace

Image RenderSketch(const Sketch& sketch, int supersampling)
{
    if (supersampling < 1)
        throw std::invalid_argument("render: supersampling must be at least 1");
    SketchPainter painter(sketch, supersampling);
    for (const Primitive& primitive : sketch.Primitives())
        std::visit(painter, primitive);
    return painter.Result();
}

}  // namespace kr::drawgen
