#include "drawgen/cooler_views.h"

#include <cmath>

#include "drawgen/dimensioning.h"
#include "drawgen/view_parts.h"

namespace kr::drawgen {

namespace {

constexpr int BladeCount = 5;
constexpr int GrilleRings = 4;
constexpr double HatchPitchPixels = 5;
constexpr double LabelGapPixels = 6;

class FrontView {
public:
    FrontView(Sketch& sketch, const DrawingLayers& layers, const CoolerGeometry& geometry, Point origin)
        : sketch_(sketch), layers_(layers), g_(geometry), d_(geometry.d), origin_(origin), axis_(At(0, geometry.axisHeight))
    {
    }

    void Draw()
    {
        CollectDriveOccluders();
        Frame();
        Fins();
        Cowl();
        Blades();
        Grille();
        Motor();
        Ports();
        Feet();
        Dimensions();
    }

private:
    Point At(double x, double y) const { return origin_ + Point{x, y}; }
    Box BoxAt(double left, double bottom, double right, double top) const
    {
        return {origin_.x + left, origin_.y + bottom, origin_.x + right, origin_.y + top};
    }

    // Seen from the motor's end: the terminal box and the motor or pump
    // connections stand in front of the grille, the blades and the fins,
    // but behind the motor's end (or the pump's, which is nearer still).
    void CollectDriveOccluders()
    {
        const double rm = g_.motorRadius;
        if (g_.hasTerminalBox) {
            const double halfWidth = g_.terminalBoxWidth / 2;
            terminalBox_ = g_.terminalBoxOnSide
                               ? BoxAt(0, g_.axisHeight - halfWidth, rm + g_.terminalBoxHeight, g_.axisHeight + halfWidth)
                               : BoxAt(-halfWidth, g_.axisHeight, halfWidth, g_.axisHeight + rm + g_.terminalBoxHeight);
            driveOccluders_.push_back(terminalBox_);
        }
        if (d_.drive == DriveFamily::Hydraulic || d_.drive == DriveFamily::Krc) {
            const double width = HexAcrossFlats(g_.motorPortDiameter);
            for (const double side : {1.0, -1.0}) {
                const double outer = g_.axisHeight + side * (PortBodyRadius() + g_.motorPortStub);
                motorPorts_.push_back(BoxAt(-width / 2, std::min(g_.axisHeight, outer), width / 2, std::max(g_.axisHeight, outer)));
                driveOccluders_.push_back(motorPorts_.back());
            }
        }
        behindMotor_ = driveOccluders_;
        behindMotor_.push_back(Disk{axis_, FlangeRadius()});
    }

    double FlangeRadius() const { return g_.flangeRadius; }
    // The body the motor or pump connections stand out of.
    double PortBodyRadius() const { return d_.drive == DriveFamily::Krc ? d_.pumpDiameter / 2 : g_.motorRadius; }

    void Frame() { sketch_.AddBox(layers_.outline, BoxAt(-d_.width / 2, d_.footHeight, d_.width / 2, d_.height)); }

    void Fins()
    {
        const Box fins = BoxAround(axis_, d_.finWidth, d_.finHeight);
        sketch_.AddBox(layers_.detail, fins);
        std::vector<Occluder> cowl = driveOccluders_;
        cowl.push_back(Disk{axis_, g_.cowlRadius});
        const double pitch = sketch_.Units(HatchPitchPixels);
        for (double x = fins.left + pitch; x < fins.right - pitch / 2; x += pitch)
            AddVisibleLine(sketch_, layers_.hatch, {x, fins.bottom}, {x, fins.top}, cowl);
    }

    void Cowl()
    {
        AddVisibleCircle(sketch_, layers_.outline, axis_, g_.cowlRadius, driveOccluders_);
        AddVisibleCircle(sketch_, layers_.detail, axis_, g_.openingRadius, driveOccluders_);
    }

    // Swept blades between the motor flange and the opening, seen through the grille.
    void Blades()
    {
        const double root = FlangeRadius();
        const double tip = d_.fanDiameter / 2 * 0.97;
        constexpr int Steps = 6;
        for (int blade = 0; blade < BladeCount; ++blade) {
            const double middle = 90 + 18 + 360.0 * blade / BladeCount;
            std::vector<Point> leading, trailing;
            for (int step = 0; step <= Steps; ++step) {
                const double t = static_cast<double>(step) / Steps;
                const double radius = root + (tip - root) * t;
                const double sweep = 28 * t;
                const double halfWidth = 9 + 11 * t;
                leading.push_back(Polar(axis_, radius, middle + sweep + halfWidth));
                trailing.push_back(Polar(axis_, radius, middle + sweep - halfWidth));
            }
            std::vector<Point> outline(leading.begin(), leading.end());
            outline.insert(outline.end(), trailing.rbegin(), trailing.rend());
            AddVisiblePolyline(sketch_, layers_.detail, outline, true, behindMotor_);
        }
    }

    void Grille()
    {
        const double inner = FlangeRadius();
        for (int ring = 1; ring <= GrilleRings; ++ring) {
            const double radius = inner + (g_.openingRadius - inner) * ring / (GrilleRings + 0.5);
            AddVisibleCircle(sketch_, layers_.detail, axis_, radius, behindMotor_);
        }
        for (const double angle : {45.0, 135.0, 225.0, 315.0})
            AddVisibleLine(sketch_, layers_.detail, Polar(axis_, inner, angle), Polar(axis_, g_.cowlRadius, angle), driveOccluders_);
    }

    void Motor()
    {
        const double rm = g_.motorRadius;
        const double flange = FlangeRadius();
        if (d_.drive == DriveFamily::Hydraulic)
            AddVisiblePolyline(sketch_, layers_.outline,
                               {axis_ + Point{-flange, -flange}, axis_ + Point{flange, -flange}, axis_ + Point{flange, flange},
                                axis_ + Point{-flange, flange}},
                               true, driveOccluders_);
        else
            AddVisibleCircle(sketch_, layers_.outline, axis_, flange, driveOccluders_);

        std::vector<Occluder> motorEnd;
        if (d_.drive == DriveFamily::Krc) {
            motorEnd.assign(motorPorts_.begin(), motorPorts_.end());
            motorEnd.push_back(Disk{axis_, d_.pumpDiameter / 2});  // the pump sits on the motor's end
        }
        AddVisibleCircle(sketch_, layers_.outline, axis_, rm, motorEnd);
        AddVisibleCircle(sketch_, layers_.detail, axis_, rm * 0.7, motorEnd);
        AddCentreCross(sketch_, layers_, axis_, g_.cowlRadius, sketch_.Units(4));
        if (g_.hasTerminalBox)
            TerminalBox();
        if (d_.drive == DriveFamily::Krc)
            sketch_.AddCircle(layers_.outline, axis_, d_.pumpDiameter / 2);
        if (!motorPorts_.empty())
            MotorPorts();
    }

    void TerminalBox()
    {
        const Box& box = terminalBox_;
        const std::vector<Occluder> motorEnd{Disk{axis_, g_.motorRadius}};
        AddVisiblePolyline(sketch_, layers_.outline, {{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}},
                           true, motorEnd);
        if (g_.terminalBoxOnSide) {
            const double lid = box.right - box.Width() * 0.2;
            AddVisibleLine(sketch_, layers_.detail, {lid, box.bottom}, {lid, box.top}, motorEnd);
        } else {
            const double lid = box.top - box.Height() * 0.2;
            AddVisibleLine(sketch_, layers_.detail, {box.left, lid}, {box.right, lid}, motorEnd);
        }
    }

    void MotorPorts()
    {
        const double body = PortBodyRadius();
        const std::vector<Occluder> bodyEnd{Disk{axis_, body}};
        for (const double side : {1.0, -1.0})
            AddPortStub(sketch_, layers_, axis_ + Point{0, side * body * 0.5}, {0, side}, g_.motorPortDiameter,
                        g_.motorPortStub + body * 0.5, bodyEnd);
    }

    void Ports()
    {
        const double right = d_.width / 2;
        Port(At(right, d_.inletHeight), d_.drive == DriveFamily::Krc ? d_.portThread : PortLabel("IN", d_.portThread));
        Port(At(right, d_.outletHeight), PortLabel("OUT", d_.portThread));
    }

    void Port(Point base, const std::string& label)
    {
        const StubShape stub = AddPortStub(sketch_, layers_, base, {1, 0}, g_.portDiameter, d_.portLength);
        const double overshoot = sketch_.Units(4);
        sketch_.AddLine(layers_.center, base - Point{overshoot, 0}, stub.end + Point{overshoot, 0});
        AddLabel(sketch_, layers_.text, stub.end + Point{sketch_.Units(LabelGapPixels), 0}, label, HAlign::Left, VAlign::Middle);
    }

    void Feet()
    {
        for (const double side : {-1.0, 1.0}) {
            const double hole = side * d_.footSpacing / 2;
            sketch_.AddBox(layers_.outline, BoxAt(hole - d_.footWidth / 2, 0, hole + d_.footWidth / 2, d_.footHeight));
            sketch_.AddLine(layers_.detail, At(hole - d_.footWidth / 2, g_.plateThickness), At(hole + d_.footWidth / 2, g_.plateThickness));
            for (const double edge : {-1.0, 1.0})
                sketch_.AddLine(layers_.hidden, At(hole + edge * d_.footHole / 2, 0), At(hole + edge * d_.footHole / 2, g_.plateThickness));
            sketch_.AddLine(layers_.center, At(hole, 0), At(hole, g_.plateThickness + sketch_.Units(4)));
        }
    }

    void Dimensions()
    {
        Dimensioner dimensions(sketch_, layers_.dimensions);
        const double halfWidth = d_.width / 2;
        const double left = std::min(-halfWidth, -(d_.footSpacing + d_.footWidth) / 2);

        const double fan = d_.fanDiameter / 2;
        dimensions.Horizontal(At(-fan, g_.axisHeight), At(fan, g_.axisHeight), origin_.y + d_.height + dimensions.Rows(1),
                              "\u00D8" + MillimetreText(d_.fanDiameter));
        dimensions.Vertical(At(-halfWidth, d_.height), At(left, 0), origin_.x + left - dimensions.Rows(1), MillimetreText(d_.height));
        dimensions.Horizontal(At(-d_.footSpacing / 2, 0), At(d_.footSpacing / 2, 0), origin_.y - dimensions.Rows(1),
                              MillimetreText(d_.footSpacing));
        dimensions.Horizontal(At(-halfWidth, d_.footHeight), At(halfWidth, d_.footHeight), origin_.y - dimensions.Rows(2),
                              MillimetreText(d_.width));
    }

    Sketch& sketch_;
    const DrawingLayers& layers_;
    const CoolerGeometry& g_;
    const CoolerDescription& d_;
    Point origin_;
    Point axis_;
    Box terminalBox_;
    std::vector<Box> motorPorts_;  // of the hydraulic motor or the pump, upper then lower
    std::vector<Occluder> driveOccluders_;
    std::vector<Occluder> behindMotor_;
};

}  // namespace

void AddFrontView(Sketch& sketch, const DrawingLayers& layers, const CoolerGeometry& geometry, Point origin)
{
    FrontView(sketch, layers, geometry, origin).Draw();
}

std::string PortLabel(const char* mark, const std::string& thread) { return std::string(mark) + " " + thread; }

}  // namespace kr::drawgen
