#include "drawgen/instruction_kit.h"

#include <algorithm>

#include "drawgen/occlusion.h"

namespace kr::drawgen {

namespace {

constexpr Rgb AirBlue{0, 90, 200};
constexpr Rgb WarmRed{210, 50, 30};
constexpr Rgb OilBrown{160, 80, 0};
constexpr Rgb HiddenGrey{110, 110, 110};
constexpr double FinPitch = 4;

}  // namespace

InstructionPicture NewInstructionPicture()
{
    Sketch sketch(static_cast<int>(InstructionWidth * InstructionScale),
                  static_cast<int>(InstructionHeight * InstructionScale), InstructionScale);
    InstructionLayers layers{};
    layers.line = PaintLayer(sketch, "LINE", Black, 2);
    layers.thin = PaintLayer(sketch, "THIN", Black, 1);
    layers.hidden = PaintLayer(sketch, "HIDDEN", HiddenGrey, 1, LineStyle::Dashed);
    layers.dim = PaintLayer(sketch, "DIM", Black, 1);
    layers.air = PaintLayer(sketch, "AIR", AirBlue, 3);
    layers.warm = PaintLayer(sketch, "WARM", WarmRed, 3);
    layers.oil = PaintLayer(sketch, "OIL", OilBrown, 3);
    layers.label = PaintLayer(sketch, "LABEL", Black, 1.6);
    layers.fill = PaintLayer(sketch, "FILL", Black, 1);
    return {std::move(sketch), layers};
}

SideCoolerShape AddSideCooler(InstructionPicture& picture, double coreLeft, double floorY, double coreHeight)
{
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;
    const double h = coreHeight;
    const double footHeight = 0.12 * h;
    const double coreDepth = 0.22 * h;
    const double cowlDepth = 0.28 * h;
    const double motorLength = 0.45 * h;
    const double motorRadius = 0.15 * h;

    SideCoolerShape shape;
    shape.coreLeft = coreLeft;
    shape.coreRight = coreLeft + coreDepth;
    shape.coreBottom = floorY + footHeight;
    shape.coreTop = shape.coreBottom + h;
    shape.axisY = (shape.coreBottom + shape.coreTop) / 2;
    const double cowlFace = shape.coreRight + cowlDepth;
    shape.motorEnd = cowlFace + motorLength;
    shape.footLeft = coreLeft - 0.03 * h;
    shape.footRight = shape.coreRight + 0.8 * cowlDepth;

    const Box core{shape.coreLeft, shape.coreBottom, shape.coreRight, shape.coreTop};
    sketch.AddBox(layers.line, core);
    for (double y = core.bottom + FinPitch; y < core.top - FinPitch / 2; y += FinPitch)
        sketch.AddLine(layers.thin, {core.left + 3, y}, {core.right - 3, y});

    const double ring = 0.4 * h;
    const double taper = shape.coreRight + 0.3 * cowlDepth;
    sketch.AddPolyline(layers.line, {{shape.coreRight, core.top - 0.05 * h}, {taper, shape.axisY + ring}, {cowlFace, shape.axisY + ring},
                                     {cowlFace, shape.axisY - ring}, {taper, shape.axisY - ring}, {shape.coreRight, core.bottom + 0.05 * h}});
    sketch.AddBox(layers.hidden, {shape.coreRight + 0.45 * cowlDepth, shape.axisY - 0.36 * h, shape.coreRight + 0.7 * cowlDepth,
                                  shape.axisY + 0.36 * h});

    const double bodyEnd = cowlFace + 0.82 * motorLength;
    sketch.AddBox(layers.line, {cowlFace, shape.axisY - 1.2 * motorRadius, cowlFace + 0.05 * motorLength, shape.axisY + 1.2 * motorRadius});
    sketch.AddBox(layers.line, {cowlFace + 0.05 * motorLength, shape.axisY - motorRadius, bodyEnd, shape.axisY + motorRadius});
    sketch.AddPolyline(layers.line, {{bodyEnd, shape.axisY + 0.9 * motorRadius}, {shape.motorEnd - 4, shape.axisY + 0.9 * motorRadius},
                                     {shape.motorEnd, shape.axisY + 0.9 * motorRadius - 4}, {shape.motorEnd, shape.axisY - 0.9 * motorRadius + 4},
                                     {shape.motorEnd - 4, shape.axisY - 0.9 * motorRadius}, {bodyEnd, shape.axisY - 0.9 * motorRadius}});
    const double boxLeft = cowlFace + 0.25 * motorLength;
    sketch.AddPolyline(layers.line, {{boxLeft, shape.axisY + motorRadius}, {boxLeft, shape.axisY + motorRadius + 0.1 * h},
                                     {boxLeft + 0.4 * motorLength, shape.axisY + motorRadius + 0.1 * h},
                                     {boxLeft + 0.4 * motorLength, shape.axisY + motorRadius}});

    sketch.AddBox(layers.line, {shape.footLeft, floorY, shape.footRight, shape.coreBottom});
    sketch.AddLine(layers.thin, {shape.footLeft, floorY + 0.035 * h}, {shape.footRight, floorY + 0.035 * h});
    return shape;
}

FrontCoolerShape AddFrontCooler(InstructionPicture& picture, const Box& frame, double inletY, double outletY)
{
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;
    sketch.AddBox(layers.line, frame);
    const double inset = 0.08 * frame.Width();
    const Box fins{frame.left + inset, frame.bottom + inset, frame.right - inset, frame.top - inset};
    sketch.AddBox(layers.thin, fins);

    const Point centre = fins.Centre();
    const double ring = 0.46 * std::min(fins.Width(), fins.Height());
    const std::vector<Occluder> fan{Disk{centre, ring}};
    for (double x = fins.left + FinPitch; x < fins.right - FinPitch / 2; x += FinPitch)
        AddVisibleLine(sketch, layers.thin, {x, fins.bottom}, {x, fins.top}, fan);
    sketch.AddCircle(layers.line, centre, ring);
    const double motor = 0.3 * ring;
    for (int grille = 1; grille <= 3; ++grille)
        sketch.AddCircle(layers.thin, centre, motor + (ring - motor) * grille / 3.5);
    for (const double angle : {45.0, 135.0, 225.0, 315.0})
        sketch.AddLine(layers.thin, Polar(centre, motor, angle), Polar(centre, ring, angle));
    sketch.AddCircle(layers.line, centre, motor);

    FrontCoolerShape shape{frame, {}, {}};
    for (const double y : {inletY, outletY}) {
        AddHexSide(sketch, layers.line, {frame.right + 5, y}, 16, 10, false);
        sketch.AddBox(layers.line, {frame.right + 10, y - 5, frame.right + 20, y + 5});
    }
    shape.inletEnd = {frame.right + 20, inletY};
    shape.outletEnd = {frame.right + 20, outletY};
    return shape;
}

void AddHexSide(Sketch& sketch, LayerId layer, Point centre, double acrossCorners, double thickness, bool vertical)
{
    const Box box = vertical ? BoxAround(centre, acrossCorners, thickness) : BoxAround(centre, thickness, acrossCorners);
    sketch.AddBox(layer, box);
    for (const double side : {-1.0, 1.0}) {
        if (vertical)
            sketch.AddLine(layer, {centre.x + side * acrossCorners / 4, box.bottom}, {centre.x + side * acrossCorners / 4, box.top});
        else
            sketch.AddLine(layer, {box.left, centre.y + side * acrossCorners / 4}, {box.right, centre.y + side * acrossCorners / 4});
    }
}

void AddWall(Sketch& sketch, LayerId layer, double x, double bottom, double top, bool hatchLeft)
{
    constexpr double Pitch = 8;
    sketch.AddLine(layer, {x, bottom}, {x, top});
    const double side = hatchLeft ? -1 : 1;
    for (double y = bottom + Pitch; y <= top; y += Pitch)
        sketch.AddLine(layer, {x, y}, {x + side * Pitch, y - Pitch});
}

double AddTank(Sketch& sketch, const InstructionLayers& layers, const Box& box)
{
    sketch.AddPolyline(layers.line, {{box.left, box.top}, {box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}});
    const double level = box.bottom + 0.6 * box.Height();
    sketch.AddLine(layers.oil, {box.left + 2, level}, {box.right - 2, level});
    const double marker = box.right - 14;
    sketch.AddSolid(layers.fill, {{marker, level + 1}, {marker + 5, level + 9}, {marker - 5, level + 9}});
    return level;
}

void AddBolt(Sketch& sketch, const InstructionLayers& layers, double x, double flangeTop, double depth)
{
    sketch.AddBox(layers.thin, {x - 8, flangeTop, x + 8, flangeTop + 2});
    AddHexSide(sketch, layers.line, {x, flangeTop + 6}, 14, 8, true);
    for (const double side : {-1.0, 1.0})
        sketch.AddLine(layers.hidden, {x + side * 3, flangeTop}, {x + side * 3, flangeTop - depth});
}

}  // namespace kr::drawgen
