#include "drawgen/sketch_bounds.h"

#include <algorithm>

#include "drawgen/stroke_font.h"

namespace kr::drawgen {

namespace {

class BoundsCollector {
public:
    void Include(Point p)
    {
        if (!box_) {
            box_ = Box{p.x, p.y, p.x, p.y};
            return;
        }
        box_->left = std::min(box_->left, p.x);
        box_->right = std::max(box_->right, p.x);
        box_->bottom = std::min(box_->bottom, p.y);
        box_->top = std::max(box_->top, p.y);
    }

    void operator()(const Line& line)
    {
        Include(line.from);
        Include(line.to);
    }
    // Arcs count as their whole circle: a little generous, never short.
    void operator()(const Circle& circle) { IncludeCircle(circle.centre, circle.radius); }
    void operator()(const Arc& arc) { IncludeCircle(arc.centre, arc.radius); }
    void operator()(const Text& text)
    {
        for (const auto& stroke : TextStrokes(text))
            for (const Point p : stroke)
                Include(p);
    }
    void operator()(const Solid& solid)
    {
        for (const Point p : solid.corners)
            Include(p);
    }

    std::optional<Box> Result() const { return box_; }

private:
    void IncludeCircle(Point centre, double radius)
    {
        Include(centre - Point{radius, radius});
        Include(centre + Point{radius, radius});
    }

    std::optional<Box> box_;
};

}  // namespace

std::optional<Box> SketchBounds(const Sketch& sketch)
{
    BoundsCollector collector;
    for (const Primitive& primitive : sketch.Primitives())
        std::visit(collector, primitive);
    return collector.Result();
}

}  // namespace kr::drawgen
