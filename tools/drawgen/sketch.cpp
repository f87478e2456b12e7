#include "drawgen/sketch.h"

#include <stdexcept>

#include "core/common/cp1252.h"
#include "drawgen/drawgen_error.h"
#include "drawgen/stroke_font.h"

namespace kr::drawgen {

namespace {

bool IsConvex(const std::vector<Point>& corners)
{
    int turn = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        const Point c = corners[(i + 2) % corners.size()];
        const double cross = Cross(b - a, c - b);
        if (cross == 0)
            continue;
        const int sign = cross > 0 ? 1 : -1;
        if (turn != 0 && sign != turn)
            return false;
        turn = sign;
    }
    return turn != 0;
}

}  // namespace

Sketch::Sketch(int widthPixels, int heightPixels, double pixelsPerUnit)
    : widthPixels_(widthPixels), heightPixels_(heightPixels), pixelsPerUnit_(pixelsPerUnit)
{
    if (widthPixels <= 0 || heightPixels <= 0 || !(pixelsPerUnit > 0))
        throw std::invalid_argument("sketch: the sheet needs a positive size and scale");
}

LayerId Sketch::AddLayer(Layer layer)
{
    for (const Layer& existing : layers_)
        if (existing.name == layer.name)
            throw std::invalid_argument("sketch: layer " + layer.name + " exists already");
    layers_.push_back(std::move(layer));
    return layers_.size() - 1;
}

void Sketch::CheckLayer(LayerId layer) const
{
    if (layer >= layers_.size())
        throw std::invalid_argument("sketch: no layer " + std::to_string(layer));
}

void Sketch::AddLine(LayerId layer, Point from, Point to)
{
    CheckLayer(layer);
    primitives_.push_back(Line{layer, from, to});
}

void Sketch::AddPolyline(LayerId layer, const std::vector<Point>& points, bool closed)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        AddLine(layer, points[i - 1], points[i]);
    if (closed && points.size() > 2)
        AddLine(layer, points.back(), points.front());
}

void Sketch::AddBox(LayerId layer, const Box& box)
{
    AddPolyline(layer, {{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}}, true);
}

void Sketch::AddCircle(LayerId layer, Point centre, double radius)
{
    CheckLayer(layer);
    primitives_.push_back(Circle{layer, centre, radius});
}

void Sketch::AddArc(LayerId layer, Point centre, double radius, double startDegrees, double endDegrees)
{
    CheckLayer(layer);
    primitives_.push_back(Arc{layer, centre, radius, startDegrees, endDegrees});
}

void Sketch::AddText(Text text)
{
    CheckLayer(text.layer);
    if (const char32_t bad = FirstUndrawable(text.text); bad != 0) {
        std::string character;
        AppendUtf8(character, bad);
        throw DrawgenError("the text \"" + text.text + "\" holds \"" + character +
                           "\", which the drawing font cannot draw (capital letters, digits and . , - + / ( ) : = < > ~ \u00D8 \u00B0 \u2265 only)");
    }
    primitives_.push_back(std::move(text));
}

void Sketch::AddSolid(LayerId layer, std::vector<Point> corners)
{
    CheckLayer(layer);
    if (corners.size() < 3 || !IsConvex(corners))
        throw std::invalid_argument("sketch: a solid needs at least three corners of a convex polygon");
    primitives_.push_back(Solid{layer, std::move(corners)});
}

}  // namespace kr::drawgen
