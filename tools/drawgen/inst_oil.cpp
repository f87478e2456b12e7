#include "drawgen/instruction_kit.h"
#include "drawgen/pictures.h"

namespace kr::drawgen {

namespace {

constexpr double ArrowHead = 12;
constexpr double ArrowWidth = 9;
constexpr double HoseWidth = 12;
constexpr double PipeWidth = 10;
constexpr double LabelGap = 8;

// The nut of a hose or pipe fitting on a connection's end.
Point AddFittingNut(InstructionPicture& picture, Point connectionEnd)
{
    AddHexSide(picture.sketch, picture.layers.line, connectionEnd + Point{6, 0}, 18, 12, false);
    return connectionEnd + Point{12, 0};
}

void AddJunction(InstructionPicture& picture, Point at) { AddDot(picture.sketch, picture.layers.fill, at, 4); }

}  // namespace

// Hoses on the inlet (top) and the outlet (bottom), oil flowing in and out.
Sketch InstOilConnection()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;
    const FrontCoolerShape cooler = AddFrontCooler(picture, {40, 35, 230, 220}, 185, 70);

    const Point inlet = AddFittingNut(picture, cooler.inletEnd);
    const Point outlet = AddFittingNut(picture, cooler.outletEnd);
    AddHose(sketch, layers.line, BezierPoints(inlet, inlet + Point{90, 0}, {400, 228}, {480, 228}, 24), HoseWidth);
    AddHose(sketch, layers.line, BezierPoints(outlet, outlet + Point{90, 0}, {400, 27}, {480, 27}, 24), HoseWidth);

    AddArrow(sketch, layers.oil, {inlet.x + 70, inlet.y + 16}, {inlet.x + 8, inlet.y + 16}, ArrowHead, ArrowWidth);
    AddArrow(sketch, layers.oil, {outlet.x + 8, outlet.y - 16}, {outlet.x + 70, outlet.y - 16}, ArrowHead, ArrowWidth);
    AddLabelText(sketch, layers.label, {inlet.x + 39, inlet.y + 36}, InstructionTextPixels, "IN");
    AddLabelText(sketch, layers.label, {outlet.x + 39, outlet.y - 36}, InstructionTextPixels, "OUT");
    return std::move(picture.sketch);
}

// A thermo-bypass valve between the inlet and the outlet line: cold oil
// goes down through the valve, warm oil through the cooler.
Sketch InstThermoBypass()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;
    const FrontCoolerShape cooler = AddFrontCooler(picture, {30, 30, 200, 215}, 180, 65);

    const Point inlet = AddFittingNut(picture, cooler.inletEnd);
    const Point outlet = AddFittingNut(picture, cooler.outletEnd);
    constexpr double PipeEnd = 440;
    constexpr double ValveX = 345;
    AddHose(sketch, layers.line, {inlet, {PipeEnd, inlet.y}}, PipeWidth);
    AddHose(sketch, layers.line, {outlet, {PipeEnd, outlet.y}}, PipeWidth);

    const Box valve{ValveX - 22, 95, ValveX + 22, 150};
    sketch.AddBox(layers.line, valve);
    AddHose(sketch, layers.line, {{ValveX, inlet.y - PipeWidth / 2}, {ValveX, valve.top}}, PipeWidth);
    AddHose(sketch, layers.line, {{ValveX, valve.bottom}, {ValveX, outlet.y + PipeWidth / 2}}, PipeWidth);
    AddJunction(picture, {ValveX, inlet.y});
    AddJunction(picture, {ValveX, outlet.y});
    // Check valve inside: a ball on a seat, held by a spring.
    sketch.AddPolyline(layers.thin, {{valve.left + 8, valve.top - 14}, {ValveX, valve.bottom + 20}, {valve.right - 8, valve.top - 14}});
    sketch.AddCircle(layers.thin, {ValveX, valve.bottom + 28}, 7);
    sketch.AddPolyline(layers.thin, {{ValveX, valve.bottom + 35}, {ValveX - 6, valve.bottom + 39}, {ValveX + 6, valve.bottom + 43},
                                     {ValveX - 6, valve.bottom + 47}, {ValveX + 6, valve.bottom + 51}});
    AddLabelText(sketch, layers.label, {valve.right + LabelGap, (valve.bottom + valve.top) / 2}, InstructionTextPixels, "\u00B0C", HAlign::Left);

    AddArrow(sketch, layers.oil, {PipeEnd - 10, inlet.y + 16}, {ValveX + 20, inlet.y + 16}, ArrowHead, ArrowWidth);
    AddArrow(sketch, layers.oil, {ValveX - 20, inlet.y + 16}, {inlet.x + 10, inlet.y + 16}, ArrowHead, ArrowWidth);
    AddArrow(sketch, layers.oil, {outlet.x + 10, outlet.y - 16}, {PipeEnd - 10, outlet.y - 16}, ArrowHead, ArrowWidth);
    AddArrow(sketch, layers.oil, {valve.left - 14, inlet.y - 20}, {valve.left - 14, outlet.y + 20}, ArrowHead, ArrowWidth);
    AddLabelText(sketch, layers.label, {PipeEnd + LabelGap, inlet.y}, InstructionTextPixels, "IN", HAlign::Left);
    AddLabelText(sketch, layers.label, {PipeEnd + LabelGap, outlet.y}, InstructionTextPixels, "OUT", HAlign::Left);
    return std::move(picture.sketch);
}

// A thermo-switch screwed with its sealing ring into a tee in the outlet
// line, its cable leading away.
Sketch InstThermoSwitch()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;

    // A close-up of the cooler's side: fins and the side tank.
    const Box fins{10, 30, 125, 232};
    sketch.AddPolyline(layers.thin, {{fins.left, fins.bottom}, {fins.right, fins.bottom}, {fins.right, fins.top}, {fins.left, fins.top}});
    AddFins(sketch, layers.thin, fins, 4);
    const Box tank{125, 20, 160, 242};
    sketch.AddBox(layers.line, tank);

    constexpr double OutletY = 70;
    AddHexSide(sketch, layers.line, {tank.right + 6, OutletY}, 18, 12, false);
    sketch.AddBox(layers.line, {tank.right + 12, OutletY - 6, tank.right + 24, OutletY + 6});

    const Box tee{tank.right + 24, OutletY - 18, tank.right + 74, OutletY + 18};
    sketch.AddBox(layers.line, tee);
    const double teeX = (tee.left + tee.right) / 2;
    AddHose(sketch, layers.line, {{tee.right, OutletY}, {440, OutletY}}, 14);

    // The switch: sensor in the oil, sealing ring, hexagon, housing, cable.
    sketch.AddBox(layers.hidden, {teeX - 5, OutletY - 10, teeX + 5, tee.top});
    AddFilledBox(sketch, layers.fill, {teeX - 14, tee.top, teeX + 14, tee.top + 3});
    AddHexSide(sketch, layers.line, {teeX, tee.top + 9}, 28, 12, true);
    const Box housing{teeX - 11, tee.top + 15, teeX + 11, tee.top + 68};
    sketch.AddBox(layers.line, housing);
    sketch.AddBox(layers.line, {teeX - 6, housing.top, teeX + 6, housing.top + 10});
    AddHose(sketch, layers.line, BezierPoints({teeX, housing.top + 10}, {teeX, 215}, {300, 222}, {480, 222}, 20), 6);
    AddLabelText(sketch, layers.label, {housing.right + 10, (housing.bottom + housing.top) / 2}, InstructionTextPixels, "\u00B0C",
                 HAlign::Left);

    AddArrow(sketch, layers.oil, {tee.right + 20, OutletY - 22}, {360, OutletY - 22}, ArrowHead, ArrowWidth);
    AddLabelText(sketch, layers.label, {448, OutletY}, InstructionTextPixels, "OUT", HAlign::Left);
    return std::move(picture.sketch);
}

}  // namespace kr::drawgen
