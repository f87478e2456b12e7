#pragma once

#include <string>

#include "drawgen/sketch.h"

namespace kr::drawgen {

// Sizes of the dimensioning, in bitmap pixels so that they read the same on
// every sheet whatever its scale.
struct DimensionStyle {
    double textPixels = 11;
    double arrowPixels = 9;
    double arrowHalfWidthPixels = 2.5;
    double gapPixels = 2;        // between the part and its extension line
    double overshootPixels = 3;  // extension line beyond the dimension line
    double textGapPixels = 3;    // between the dimension line and its value
    double rowPixels = 24;       // between successive dimension lines
};

// Dimensions drawn from plain primitives: extension lines, a dimension line
// with a filled arrowhead at each end and the value above it (left of it
// for vertical ones, reading upwards). Arrows that do not fit between the
// extension lines point in from outside; a value that does not fit stands
// beside the second extension line.
class Dimensioner {
public:
    Dimensioner(Sketch& sketch, LayerId layer, DimensionStyle style = {});

    // Between the x positions of a and b, the dimension line at lineY.
    void Horizontal(Point a, Point b, double lineY, const std::string& value);
    // Between the y positions of a and b, the dimension line at lineX.
    void Vertical(Point a, Point b, double lineX, const std::string& value);

    // A length in sketch units for n rows of dimensions out from a part.
    double Rows(double n) const { return sketch_.Units(style_.rowPixels * n); }
    const DimensionStyle& Style() const { return style_; }

private:
    void ExtensionLine(Point from, Point to);
    void Arrow(Point tip, Point direction);
    void DimensionLine(Point from, Point to, bool arrowsInside);

    Sketch& sketch_;
    LayerId layer_;
    DimensionStyle style_;
};

// A length in whole millimetres, as a dimension shows it.
std::string MillimetreText(double millimetres);

}  // namespace kr::drawgen
