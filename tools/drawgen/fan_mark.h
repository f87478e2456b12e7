#pragma once

#include <array>
#include <vector>

#include "drawgen/geometry.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// The maker's colour, of the logo and the program icon.
constexpr Rgb BrandBlue{0, 51, 141};

// The fan mark of the logo: a ring with three blades around a hub. The
// logo draws it at a ring radius of 19 pixels; the icon scales it.
struct FanMark {
    Point centre;
    double ringRadius = 0;
    double ringPen = 0;    // width of the ring's stroke
    double hubRadius = 0;
    std::array<std::vector<Point>, 3> blades;  // convex, counter-clockwise
};

FanMark MakeFanMark(Point centre, double ringRadius);

}  // namespace kr::drawgen
