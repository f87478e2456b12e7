#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "drawgen/geometry.h"
#include "drawgen/line_style.h"

namespace kr::drawgen {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};

// A layer gives its primitives their look in both outputs: colour index and
// line type in the DXF file, colour, dash pattern and pen width on the bitmap.
struct Layer {
    std::string name;
    int colourIndex = 7;  // AutoCAD colour index; 7 is black on paper
    Rgb colour = Black;
    LineStyle style = LineStyle::Continuous;
    double penPixels = 1;
};

using LayerId = std::size_t;

struct Line {
    LayerId layer = 0;
    Point from;
    Point to;
};

struct Circle {
    LayerId layer = 0;
    Point centre;
    double radius = 0;
};

// Counter-clockwise from start to end, angles in degrees.
struct Arc {
    LayerId layer = 0;
    Point centre;
    double radius = 0;
    double startDegrees = 0;
    double endDegrees = 0;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Baseline, Middle };

// One line of capital letters, digits and the signs of the stroke font;
// height is the capital height.
struct Text {
    LayerId layer = 0;
    Point anchor;
    double height = 0;
    std::string text;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Baseline;
    double rotationDegrees = 0;
};

// A filled convex polygon.
struct Solid {
    LayerId layer = 0;
    std::vector<Point> corners;
};

using Primitive = std::variant<Line, Circle, Arc, Text, Solid>;

// The one list of primitives that both the bitmap and the DXF file are made
// from. Units are the sketch's own (mm on the cooler drawings); the sheet
// starts at (0, 0) and maps to a bitmap of widthPixels x heightPixels at
// pixelsPerUnit, y up.
class Sketch {
public:
    Sketch(int widthPixels, int heightPixels, double pixelsPerUnit);

    LayerId AddLayer(Layer layer);
    const std::vector<Layer>& Layers() const { return layers_; }
    const Layer& LayerOf(LayerId id) const { return layers_.at(id); }

    void AddLine(LayerId layer, Point from, Point to);
    void AddPolyline(LayerId layer, const std::vector<Point>& points, bool closed = false);
    void AddBox(LayerId layer, const Box& box);
    void AddCircle(LayerId layer, Point centre, double radius);
    void AddArc(LayerId layer, Point centre, double radius, double startDegrees, double endDegrees);
    // Throws DrawgenError for a character the stroke font cannot draw.
    void AddText(Text text);
    void AddSolid(LayerId layer, std::vector<Point> corners);

    const std::vector<Primitive>& Primitives() const { return primitives_; }

    int WidthPixels() const { return widthPixels_; }
    int HeightPixels() const { return heightPixels_; }
    double PixelsPerUnit() const { return pixelsPerUnit_; }
    double Units(double pixels) const { return pixels / pixelsPerUnit_; }
    double WidthUnits() const { return widthPixels_ / pixelsPerUnit_; }
    double HeightUnits() const { return heightPixels_ / pixelsPerUnit_; }

private:
    void CheckLayer(LayerId layer) const;

    int widthPixels_;
    int heightPixels_;
    double pixelsPerUnit_;
    std::vector<Layer> layers_;
    std::vector<Primitive> primitives_;
};

}  // namespace kr::drawgen
