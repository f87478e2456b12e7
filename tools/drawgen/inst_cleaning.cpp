#include "drawgen/instruction_kit.h"
#include "drawgen/pictures.h"

namespace kr::drawgen {

namespace {

constexpr double ArrowHead = 12;
constexpr double ArrowWidth = 9;

}  // namespace

// The core cut open from the side: the cooling air passes through it from
// left to right; the compressed-air jet goes through it the other way.
Sketch InstCleaning()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;

    const Box core{205, 25, 250, 228};
    sketch.AddBox(layers.line, core);
    for (double y = core.bottom + 4; y < core.top - 2; y += 4)
        sketch.AddLine(layers.thin, {core.left, y}, {core.right, y});

    // Cooling air in operation, above and below the jet.
    for (const double y : {60.0, 194.0})
        AddArrow(sketch, layers.air, {50, y}, {185, y}, ArrowHead, ArrowWidth);

    // The blow gun: nozzle, body, handle with trigger, air hose.
    constexpr double JetY = 127;
    const Point nozzle{335, JetY};
    sketch.AddBox(layers.line, {nozzle.x, JetY - 4, 395, JetY + 4});
    sketch.AddBox(layers.line, {395, JetY - 12, 435, JetY + 12});
    sketch.AddPolyline(layers.line, {{403, JetY - 12}, {413, JetY - 62}, {431, JetY - 62}, {429, JetY - 12}});
    sketch.AddPolyline(layers.line, {{397, JetY - 12}, {391, JetY - 28}, {403, JetY - 34}});
    AddHose(sketch, layers.line, BezierPoints({422, JetY - 62}, {422, 20}, {460, 20}, {495, 20}, 16), 8);

    // The jet against the air flow, on through the fins and out in front.
    for (const double spread : {-20.0, 0.0, 20.0}) {
        AddArrow(sketch, layers.warm, nozzle + Point{-6, spread * 0.15}, {core.right + 8, JetY + spread}, ArrowHead, ArrowWidth);
        AddArrow(sketch, layers.warm, {core.left - 8, JetY + spread * 1.2}, {core.left - 80, JetY + spread * 2}, ArrowHead, ArrowWidth);
    }
    return std::move(picture.sketch);
}

}  // namespace kr::drawgen
