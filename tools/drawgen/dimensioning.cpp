#include "drawgen/dimensioning.h"

#include <cmath>

#include "drawgen/stroke_font.h"

namespace kr::drawgen {

Dimensioner::Dimensioner(Sketch& sketch, LayerId layer, DimensionStyle style) : sketch_(sketch), layer_(layer), style_(style) {}

void Dimensioner::ExtensionLine(Point from, Point to)
{
    const Point direction = Unit(to - from);
    if (Length(to - from) <= sketch_.Units(style_.gapPixels))
        return;
    sketch_.AddLine(layer_, from + direction * sketch_.Units(style_.gapPixels), to + direction * sketch_.Units(style_.overshootPixels));
}

void Dimensioner::Arrow(Point tip, Point direction)
{
    const Point back = tip - direction * sketch_.Units(style_.arrowPixels);
    const Point side = Normal(direction) * sketch_.Units(style_.arrowHalfWidthPixels);
    sketch_.AddSolid(layer_, {tip, back + side, back - side});
}

void Dimensioner::DimensionLine(Point from, Point to, bool arrowsInside)
{
    const Point direction = Unit(to - from);
    if (arrowsInside) {
        sketch_.AddLine(layer_, from, to);
        Arrow(from, direction * -1);
        Arrow(to, direction);
        return;
    }
    const double tail = sketch_.Units(style_.arrowPixels * 2);
    sketch_.AddLine(layer_, from - direction * tail, to + direction * tail);
    Arrow(from, direction);
    Arrow(to, direction * -1);
}

void Dimensioner::Horizontal(Point a, Point b, double lineY, const std::string& value)
{
    if (a.x > b.x)
        std::swap(a, b);
    const Point lineStart{a.x, lineY};
    const Point lineEnd{b.x, lineY};
    ExtensionLine(a, lineStart);
    ExtensionLine(b, lineEnd);

    const double length = b.x - a.x;
    const double textHeight = sketch_.Units(style_.textPixels);
    const double textWidth = TextWidth(value, textHeight);
    const double arrows = sketch_.Units(2.5 * style_.arrowPixels);
    DimensionLine(lineStart, lineEnd, length >= arrows);

    const double textGap = sketch_.Units(style_.textGapPixels);
    Text text{layer_, {(a.x + b.x) / 2, lineY + textGap}, textHeight, value, HAlign::Centre};
    if (textWidth + 2 * sketch_.Units(style_.arrowPixels) > length) {
        text.anchor.x = b.x + sketch_.Units(style_.arrowPixels * 2) + textGap;
        text.hAlign = HAlign::Left;
    }
    sketch_.AddText(text);
}

void Dimensioner::Vertical(Point a, Point b, double lineX, const std::string& value)
{
    if (a.y > b.y)
        std::swap(a, b);
    const Point lineStart{lineX, a.y};
    const Point lineEnd{lineX, b.y};
    ExtensionLine(a, lineStart);
    ExtensionLine(b, lineEnd);

    const double length = b.y - a.y;
    const double textHeight = sketch_.Units(style_.textPixels);
    const double textWidth = TextWidth(value, textHeight);
    const double arrows = sketch_.Units(2.5 * style_.arrowPixels);
    DimensionLine(lineStart, lineEnd, length >= arrows);

    const double textGap = sketch_.Units(style_.textGapPixels);
    Text text{layer_, {lineX - textGap, (a.y + b.y) / 2}, textHeight, value, HAlign::Centre, VAlign::Baseline, 90};
    if (textWidth + 2 * sketch_.Units(style_.arrowPixels) > length) {
        text.anchor.y = b.y + sketch_.Units(style_.arrowPixels * 2) + textGap;
        text.hAlign = HAlign::Left;
    }
    sketch_.AddText(text);
}

std::string MillimetreText(double millimetres) { return std::to_string(std::lround(millimetres)); }

}  // namespace kr::drawgen
