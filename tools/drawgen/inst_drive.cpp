#include "drawgen/instruction_kit.h"
#include "drawgen/pictures.h"

namespace kr::drawgen {

namespace {

constexpr double ArrowHead = 12;
constexpr double ArrowWidth = 9;
constexpr double PipeWidth = 8;

struct Terminal {
    const char* mark;
    Rgb wire;
};

// Brown, black and grey phases, green-yellow earth.
constexpr Terminal Terminals[] = {
    {"L1", {130, 75, 20}},
    {"L2", {20, 20, 20}},
    {"L3", {128, 128, 128}},
    {"PE", {0, 150, 60}},
};

}  // namespace

// The open terminal box: L1 L2 L3 and PE on the terminal strip, the cable
// through its gland; beside it the motor and its direction of rotation.
Sketch InstElectrical()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;

    const Box box{40, 40, 270, 215};
    sketch.AddBox(layers.line, box);
    sketch.AddBox(layers.thin, {box.left + 8, box.bottom + 8, box.right - 8, box.top - 8});
    const Box strip{60, 118, 250, 152};
    sketch.AddBox(layers.line, strip);

    const Point gland{(box.left + box.right) / 2, box.bottom};
    AddHexSide(sketch, layers.line, gland, 34, 12, true);
    AddHose(sketch, layers.line, {{gland.x, 0}, {gland.x, gland.y - 6}}, 18);

    const double pitch = strip.Width() / 4;
    for (std::size_t i = 0; i < std::size(Terminals); ++i) {
        const Point screw{strip.left + pitch * (i + 0.5), (strip.bottom + strip.top) / 2};
        sketch.AddCircle(layers.line, screw, 10);
        sketch.AddLine(layers.thin, screw + Point{-6, -6}, screw + Point{6, 6});
        const LayerId wire = PaintLayer(sketch, std::string("WIRE") + Terminals[i].mark, Terminals[i].wire, 3);
        const std::vector<Point> path = BezierPoints(gland + Point{0, 6}, gland + Point{0, 40}, {screw.x, strip.bottom - 40},
                                                     {screw.x, strip.bottom}, 16);
        sketch.AddPolyline(wire, path);
        AddLabelText(sketch, layers.label, {screw.x, strip.top + 20}, InstructionTextPixels, Terminals[i].mark);
    }

    const Point motor{385, 128};
    constexpr double MotorRadius = 50;
    sketch.AddCircle(layers.line, motor, MotorRadius);
    const LayerId heading = PaintLayer(sketch, "HEADING", Black, 2.5);
    AddLabelText(sketch, heading, motor + Point{0, 10}, 24, "M");
    AddLabelText(sketch, layers.label, motor + Point{0, -18}, InstructionTextPixels, "3~");
    AddCurvedArrow(sketch, layers.air, motor, MotorRadius + 18, 150, 30, true, 16, 12);
    return std::move(picture.sketch);
}

// The hydraulic motor with the fan on its shaft: pressure line to P, return
// line from T to the tank, and its own drain line L into the tank below
// the oil level.
Sketch InstHydraulic()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;
    const LayerId drain = PaintLayer(sketch, "DRAIN", {160, 80, 0}, 2, LineStyle::Dashed);

    constexpr double Axis = 160;
    const Box flange{150, Axis - 40, 162, Axis + 40};
    const Box body{162, Axis - 30, 250, Axis + 30};
    const Box cover{250, Axis - 24, 262, Axis + 24};
    sketch.AddBox(layers.line, flange);
    sketch.AddBox(layers.line, body);
    sketch.AddBox(layers.line, cover);
    sketch.AddLine(layers.line, {120, Axis}, {flange.left, Axis});
    // The fan seen edge on: hub and two blades.
    sketch.AddBox(layers.line, {110, Axis - 12, 124, Axis + 12});
    sketch.AddPolyline(layers.line, {{111, Axis + 12}, {114, Axis + 75}, {121, Axis + 75}, {123, Axis + 12}});
    sketch.AddPolyline(layers.line, {{111, Axis - 12}, {114, Axis - 75}, {121, Axis - 75}, {123, Axis - 12}});

    const Box tank{330, 15, 470, 88};
    const double level = AddTank(sketch, layers, tank);

    // P on top, T below, both as hexagon and thread.
    constexpr double PortX = 200;
    AddHexSide(sketch, layers.line, {PortX, body.top + 5}, 18, 10, true);
    AddHexSide(sketch, layers.line, {PortX, body.bottom - 5}, 18, 10, true);
    const std::vector<Point> pressure = RoundedPath({{PortX, body.top + 10}, {PortX, 228}, {480, 228}}, 14);
    const std::vector<Point> ret = RoundedPath({{PortX, body.bottom - 10}, {PortX, 104}, {385, 104}, {385, level - 22}}, 14);
    AddHose(sketch, layers.line, pressure, PipeWidth);
    AddHose(sketch, layers.line, ret, PipeWidth);
    sketch.AddPolyline(drain, RoundedPath({{cover.right, Axis}, {440, Axis}, {440, level - 30}}, 14));

    AddArrow(sketch, layers.oil, {440, 240}, {300, 240}, ArrowHead, ArrowWidth);
    AddArrow(sketch, layers.oil, {250, 92}, {350, 92}, ArrowHead, ArrowWidth);
    AddArrow(sketch, layers.oil, {300, Axis + 12}, {400, Axis + 12}, ArrowHead, ArrowWidth);
    AddLabelText(sketch, layers.label, {PortX - 14, body.top + 22}, InstructionTextPixels, "P", HAlign::Right);
    AddLabelText(sketch, layers.label, {PortX - 14, body.bottom - 22}, InstructionTextPixels, "T", HAlign::Right);
    AddLabelText(sketch, layers.label, {cover.right + 14, Axis + 14}, InstructionTextPixels, "L", HAlign::Left);
    return std::move(picture.sketch);
}

}  // namespace kr::drawgen
