#pragma once

#include <span>

namespace kr::drawgen {

enum class LineStyle { Continuous, Dashed, Center };

// Dash patterns in bitmap pixels: dash, gap, dash, gap ... Both the raster
// renderer and the DXF line types use them, so that a hidden line looks the
// same on screen and in CAD (where they are scaled to drawing units).
std::span<const double> DashPattern(LineStyle style);

}  // namespace kr::drawgen
