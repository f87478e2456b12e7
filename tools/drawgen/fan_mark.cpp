#include "drawgen/fan_mark.h"

namespace kr::drawgen {

namespace {

// The proportions as the logo was first drawn, at a ring radius of 19.
constexpr double DesignRadius = 19;
constexpr double DesignPen = 4;
constexpr double DesignHub = 2;
constexpr double BladeRoot = 3;              // distance of a blade's root from the centre
constexpr double BladeTipInset = 4;          // of its tip from the ring
constexpr double RootHalfAngle = 50;         // degrees either side of the blade's axis at the root
constexpr double TipLeadAngle = 18;          // ahead of the axis at the tip
constexpr double TipTrailAngle = 16;         // behind it
constexpr double FirstBladeAngle = 90;

}  // namespace

FanMark MakeFanMark(Point centre, double ringRadius)
{
    const double scale = ringRadius / DesignRadius;
    FanMark mark{centre, ringRadius, DesignPen * scale, DesignHub * scale, {}};
    const double root = BladeRoot * scale;
    const double tip = (DesignRadius - BladeTipInset) * scale;
    for (std::size_t blade = 0; blade < mark.blades.size(); ++blade) {
        const double angle = FirstBladeAngle + 360.0 * static_cast<double>(blade) / mark.blades.size();
        mark.blades[blade] = {Polar(centre, root, angle - RootHalfAngle), Polar(centre, tip, angle - TipTrailAngle),
                              Polar(centre, tip, angle + TipLeadAngle), Polar(centre, root, angle + RootHalfAngle)};
    }
    return mark;
}

}  // namespace kr::drawgen
