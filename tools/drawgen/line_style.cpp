#include "drawgen/line_style.h"

namespace kr::drawgen {

namespace {

constexpr double DashedPattern[] = {6, 3};
constexpr double CenterPattern[] = {14, 3, 3, 3};

}  // namespace

std::span<const double> DashPattern(LineStyle style)
{
    switch (style) {
    case LineStyle::Dashed:
        return DashedPattern;
    case LineStyle::Center:
        return CenterPattern;
    case LineStyle::Continuous:
        break;
    }
    return {};
}

}  // namespace kr::drawgen
