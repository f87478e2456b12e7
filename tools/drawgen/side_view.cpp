#include "drawgen/cooler_views.h"

#include <algorithm>
#include <cmath>

#include "drawgen/dimensioning.h"
#include "drawgen/view_parts.h"

namespace kr::drawgen {

namespace {

constexpr double LabelGapPixels = 4;
constexpr double CowlTaperShare = 0.4;  // of the cowl depth
constexpr int MotorRibs = 3;            // on each side of the axis
constexpr double HoseShare = 1.3;       // hose width per pump thread diameter

class SideView {
public:
    SideView(Sketch& sketch, const DrawingLayers& layers, const CoolerGeometry& geometry, Point origin)
        : sketch_(sketch), layers_(layers), g_(geometry), d_(geometry.d), origin_(origin)
    {
    }

    void Draw()
    {
        PlanHose();
        Core();
        Cowl();
        Motor();
        if (d_.drive == DriveFamily::Hydraulic)
            MotorPorts(g_.cowlFace + 0.55 * d_.motorLength, g_.motorRadius, "P", "T");
        if (d_.drive == DriveFamily::Krc)
            Pump();
        Feet();
        Dimensions();
    }

private:
    Point At(double x, double y) const { return origin_ + Point{x, y}; }
    Box BoxAt(double left, double bottom, double right, double top) const
    {
        return {origin_.x + left, origin_.y + bottom, origin_.x + right, origin_.y + top};
    }
    void Outline(const Box& box) { AddVisibleBox(box, layers_.outline); }
    void AddVisibleBox(const Box& box, LayerId layer)
    {
        AddVisiblePolyline(sketch_, layer, {{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}},
                           true, hose_);
    }
    void VisibleLine(LayerId layer, Point from, Point to) { AddVisibleLine(sketch_, layer, from, to, hose_); }

    double PumpPortX() const { return g_.motorEnd + 0.6 * d_.pumpLength; }

    // The KRC pump feeds the core's inlet through a hose on the near side
    // of the cooler: it hides what it passes.
    void PlanHose()
    {
        if (d_.drive != DriveFamily::Krc)
            return;
        const double width = HoseShare * g_.motorPortDiameter;
        const double x = PumpPortX();
        const double portTop = g_.axisHeight + d_.pumpDiameter / 2 + g_.motorPortStub;
        const double inletEnd = d_.coreDepth / 2 + HexRadius(g_.portHexAcrossFlats);
        hoseRise_ = BoxAt(x - width / 2, portTop, x + width / 2, d_.inletHeight + width / 2);
        hoseRun_ = BoxAt(inletEnd, d_.inletHeight - width / 2, x + width / 2, d_.inletHeight + width / 2);
        hose_ = {hoseRise_, hoseRun_};
    }

    void Core()
    {
        Outline(BoxAt(0, d_.footHeight, d_.coreDepth, d_.height));
        for (const double side : {1.0, -1.0}) {
            const double y = g_.axisHeight + side * d_.finHeight / 2;
            VisibleLine(layers_.hidden, At(0, y), At(d_.coreDepth, y));
        }
        AddPortEnd(sketch_, layers_, At(d_.coreDepth / 2, d_.inletHeight), g_.portDiameter, g_.portHexAcrossFlats);
        AddPortEnd(sketch_, layers_, At(d_.coreDepth / 2, d_.outletHeight), g_.portDiameter, g_.portHexAcrossFlats);
    }

    void Cowl()
    {
        const double taper = d_.coreDepth + CowlTaperShare * d_.cowlDepth;
        const double ring = g_.cowlRadius;
        const double plate = d_.finHeight / 2;
        const double axis = g_.axisHeight;
        AddVisiblePolyline(sketch_, layers_.outline,
                           {At(d_.coreDepth, axis + plate), At(taper, axis + ring), At(g_.cowlFace, axis + ring),
                            At(g_.cowlFace, axis - ring), At(taper, axis - ring), At(d_.coreDepth, axis - plate)},
                           false, hose_);
        // The fan turns inside the cowl: blade sweep and hub.
        const double bladeStart = d_.coreDepth + 0.45 * d_.cowlDepth;
        const double bladeEnd = d_.coreDepth + 0.75 * d_.cowlDepth;
        AddVisibleBox(BoxAt(bladeStart, axis - d_.fanDiameter / 2, bladeEnd, axis + d_.fanDiameter / 2), layers_.hidden);
        AddVisibleBox(BoxAt(bladeStart - 0.05 * d_.cowlDepth, axis - 0.35 * d_.motorDiameter, g_.cowlFace, axis + 0.35 * d_.motorDiameter),
                      layers_.hidden);
        const double overshoot = sketch_.Units(6);
        sketch_.AddLine(layers_.center, At(bladeStart - 0.05 * d_.cowlDepth - overshoot, axis), At(g_.overallDepth + overshoot, axis));
    }

    void Motor()
    {
        const double start = g_.cowlFace;
        const double length = d_.motorLength;
        const double rm = g_.motorRadius;
        const double axis = g_.axisHeight;
        if (d_.drive == DriveFamily::Hydraulic) {
            Outline(BoxAt(start, axis - g_.flangeRadius, start + 0.12 * length, axis + g_.flangeRadius));
            Outline(BoxAt(start + 0.12 * length, axis - rm, g_.motorEnd - 0.12 * length, axis + rm));
            Outline(BoxAt(g_.motorEnd - 0.12 * length, axis - 0.8 * rm, g_.motorEnd, axis + 0.8 * rm));
            return;
        }
        const double bodyEnd = start + 0.82 * length;
        Outline(BoxAt(start, axis - g_.flangeRadius, start + 0.05 * length, axis + g_.flangeRadius));
        Outline(BoxAt(start + 0.05 * length, axis - rm, bodyEnd, axis + rm));
        // Fan cover with bevelled end.
        const double cover = 0.92 * rm;
        const double bevel = 0.15 * rm;
        AddVisiblePolyline(sketch_, layers_.outline,
                           {At(bodyEnd, axis + cover), At(g_.motorEnd - bevel, axis + cover), At(g_.motorEnd, axis + cover - bevel),
                            At(g_.motorEnd, axis - cover + bevel), At(g_.motorEnd - bevel, axis - cover), At(bodyEnd, axis - cover)},
                           false, hose_);
        std::vector<Occluder> hidden = hose_;
        if (g_.hasTerminalBox && g_.terminalBoxOnSide)
            hidden.push_back(TerminalBoxOnSide());
        if (d_.drive != DriveFamily::Dc)
            for (int rib = 1; rib <= MotorRibs; ++rib)
                for (const double side : {1.0, -1.0}) {
                    const double y = axis + side * rm * rib / (MotorRibs + 1);
                    AddVisibleLine(sketch_, layers_.detail, At(start + 0.1 * length, y), At(bodyEnd - 0.04 * length, y), hidden);
                }
        if (g_.hasTerminalBox)
            TerminalBox();
    }

    Box TerminalBoxOnSide() const
    {
        const double halfWidth = g_.terminalBoxWidth / 2;
        return BoxAt(g_.terminalBoxStart, g_.axisHeight - halfWidth, g_.terminalBoxStart + g_.terminalBoxLength, g_.axisHeight + halfWidth);
    }

    void TerminalBox()
    {
        if (g_.terminalBoxOnSide) {
            const Box box = TerminalBoxOnSide();
            Outline(box);
            AddVisibleBox({box.left + box.Width() * 0.12, box.bottom + box.Height() * 0.12, box.right - box.Width() * 0.12,
                           box.top - box.Height() * 0.12},
                          layers_.detail);
            return;
        }
        const double bottom = g_.axisHeight + g_.motorRadius;
        const double top = bottom + g_.terminalBoxHeight;
        const double left = g_.terminalBoxStart;
        const double right = left + g_.terminalBoxLength;
        AddVisiblePolyline(sketch_, layers_.outline, {At(left, bottom), At(left, top), At(right, top), At(right, bottom)}, false, hose_);
        VisibleLine(layers_.detail, At(left, top - 0.2 * g_.terminalBoxHeight), At(right, top - 0.2 * g_.terminalBoxHeight));
        // Cable gland.
        const double gland = 0.35 * g_.terminalBoxHeight;
        AddVisibleBox(BoxAt(right, bottom + 0.5 * g_.terminalBoxHeight - gland / 2, right + gland, bottom + 0.5 * g_.terminalBoxHeight + gland / 2),
                      layers_.detail);
    }

    // Upper and lower connection of the hydraulic motor or the pump, each
    // labelled beside its free end, clear of the motor's flange.
    void MotorPorts(double x, double bodyRadius, const std::string& upperMark, const std::string& lowerMark)
    {
        const double gap = sketch_.Units(LabelGapPixels);
        for (const double side : {1.0, -1.0}) {
            const StubShape stub = AddPortStub(sketch_, layers_, At(x, g_.axisHeight + side * bodyRadius), {0, side},
                                               g_.motorPortDiameter, g_.motorPortStub, hose_);
            const std::string& mark = side > 0 ? upperMark : lowerMark;
            if (mark.empty())
                continue;
            const Point anchor{stub.bounds.right + gap, stub.end.y};
            AddLabel(sketch_, layers_.text, anchor, mark + " " + d_.motorPortThread, HAlign::Left, VAlign::Middle);
        }
    }

    void Pump()
    {
        const double radius = d_.pumpDiameter / 2;
        const double axis = g_.axisHeight;
        Outline(BoxAt(g_.motorEnd, axis - radius, g_.overallDepth, axis + radius));
        sketch_.AddLine(layers_.detail, At(g_.motorEnd + 0.15 * d_.pumpLength, axis - radius), At(g_.motorEnd + 0.15 * d_.pumpLength, axis + radius));
        MotorPorts(PumpPortX(), radius, "", "IN");
        Hose();
    }

    void Hose()
    {
        const Box& rise = hoseRise_;
        const Box& run = hoseRun_;
        sketch_.AddPolyline(layers_.outline, {{rise.left, rise.bottom}, {rise.left, run.bottom}, {run.left, run.bottom}});
        sketch_.AddPolyline(layers_.outline, {{rise.right, rise.bottom}, {rise.right, run.top}, {run.left, run.top}});
        sketch_.AddLine(layers_.detail, {rise.left, rise.bottom}, {rise.right, rise.bottom});
        sketch_.AddLine(layers_.outline, {run.left, run.bottom}, {run.left, run.top});
    }

    double FootLeft() const { return g_.footCentre - d_.footLength / 2; }

    void Feet()
    {
        const double left = FootLeft();
        Outline(BoxAt(left, 0, left + d_.footLength, d_.footHeight));
        VisibleLine(layers_.detail, At(left, g_.plateThickness), At(left + d_.footLength, g_.plateThickness));
        for (const double side : {-1.0, 1.0}) {
            const double hole = g_.footCentre + side * d_.footHolePitch / 2;
            for (const double edge : {-1.0, 1.0})
                sketch_.AddLine(layers_.hidden, At(hole + edge * d_.footHole / 2, 0), At(hole + edge * d_.footHole / 2, g_.plateThickness));
            sketch_.AddLine(layers_.center, At(hole, 0), At(hole, g_.plateThickness + sketch_.Units(4)));
        }
    }

    // The lowest point of the part that ends the cooler, for the depth.
    Point LastPartCorner() const
    {
        const double axis = g_.axisHeight;
        switch (d_.drive) {
        case DriveFamily::Krc:
            return At(g_.overallDepth, axis - d_.pumpDiameter / 2);
        case DriveFamily::Hydraulic:
            return At(g_.overallDepth, axis - 0.8 * g_.motorRadius);
        case DriveFamily::Ac:
        case DriveFamily::Dc:
            break;
        }
        return At(g_.overallDepth, axis - 0.92 * g_.motorRadius + 0.15 * g_.motorRadius);
    }

    void Dimensions()
    {
        Dimensioner dimensions(sketch_, layers_.dimensions);
        const double left = std::min(0.0, FootLeft());
        const double hexLeft = d_.coreDepth / 2 - HexRadius(g_.portHexAcrossFlats);

        dimensions.Vertical(At(hexLeft, d_.outletHeight), At(left, 0), origin_.x + left - dimensions.Rows(1),
                            MillimetreText(d_.outletHeight));
        dimensions.Vertical(At(hexLeft, d_.inletHeight), At(left, 0), origin_.x + left - dimensions.Rows(2),
                            MillimetreText(d_.inletHeight));
        dimensions.Horizontal(At(g_.footCentre - d_.footHolePitch / 2, 0), At(g_.footCentre + d_.footHolePitch / 2, 0),
                              origin_.y - dimensions.Rows(1), MillimetreText(d_.footHolePitch));
        dimensions.Horizontal(At(0, d_.footHeight), LastPartCorner(), origin_.y - dimensions.Rows(2), MillimetreText(g_.overallDepth));
    }

    Sketch& sketch_;
    const DrawingLayers& layers_;
    const CoolerGeometry& g_;
    const CoolerDescription& d_;
    Point origin_;
    Box hoseRise_;
    Box hoseRun_;
    std::vector<Occluder> hose_;
};

}  // namespace

void AddSideView(Sketch& sketch, const DrawingLayers& layers, const CoolerGeometry& geometry, Point origin)
{
    SideView(sketch, layers, geometry, origin).Draw();
}

}  // namespace kr::drawgen
