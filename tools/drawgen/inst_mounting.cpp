#include "drawgen/instruction_kit.h"
#include "drawgen/pictures.h"

namespace kr::drawgen {

namespace {

constexpr double FloorY = 44;
constexpr double CoreHeight = 150;
constexpr double LeftWall = 40;
constexpr double RightWall = 460;
constexpr double ArrowHead = 12;
constexpr double ArrowWidth = 9;

// A distance with an arrowhead at each end and its text above.
void AddDistance(InstructionPicture& picture, Point from, Point to, const std::string& text)
{
    const Point middle = (from + to) * 0.5;
    AddArrow(picture.sketch, picture.layers.dim, middle, from, 8, 6);
    AddArrow(picture.sketch, picture.layers.dim, middle, to, 8, 6);
    AddLabelText(picture.sketch, picture.layers.label, middle + Point{0, 5}, InstructionTextPixels, text, HAlign::Centre, VAlign::Baseline);
}

}  // namespace

// The cooler on its feet, bolted down, with the cool air drawn in through
// the core and the warm air blown out past the motor, and the free space H
// (the height of the core) in front of the inlet and behind the outlet.
Sketch InstMounting()
{
    InstructionPicture picture = NewInstructionPicture();
    Sketch& sketch = picture.sketch;
    const InstructionLayers& layers = picture.layers;

    AddGround(sketch, layers.thin, 20, 480, FloorY, 8);
    AddWall(sketch, layers.line, LeftWall, FloorY, 240, true);
    AddWall(sketch, layers.line, RightWall, FloorY, 240, false);

    const SideCoolerShape cooler = AddSideCooler(picture, 175, FloorY, CoreHeight);
    const double flangeTop = FloorY + 0.035 * CoreHeight;
    AddBolt(sketch, layers, cooler.footLeft + 12, flangeTop, 16);
    AddBolt(sketch, layers, cooler.footRight - 12, flangeTop, 16);

    for (const double offset : {-45.0, 0.0, 45.0}) {
        const double y = cooler.axisY + offset;
        AddArrow(sketch, layers.air, {58, y}, {128, y}, ArrowHead, ArrowWidth);
        AddArrow(sketch, layers.warm, {cooler.motorEnd + 12, y}, {RightWall - 30, y}, ArrowHead, ArrowWidth);
    }

    // H: the height of the core.
    const double hLine = 156;
    sketch.AddLine(layers.dim, {cooler.coreLeft - 3, cooler.coreBottom}, {hLine - 4, cooler.coreBottom});
    sketch.AddLine(layers.dim, {cooler.coreLeft - 3, cooler.coreTop}, {hLine - 4, cooler.coreTop});
    const Point hMiddle{hLine, (cooler.coreBottom + cooler.coreTop) / 2};
    AddArrow(sketch, layers.dim, hMiddle, {hLine, cooler.coreBottom}, 8, 6);
    AddArrow(sketch, layers.dim, hMiddle, {hLine, cooler.coreTop}, 8, 6);
    AddLabelText(sketch, layers.label, hMiddle + Point{-6, 0}, InstructionTextPixels, "H", HAlign::Right);

    // Free space in front of the inlet and behind the outlet.
    const double spaceY = cooler.coreTop + 14;
    sketch.AddLine(layers.dim, {cooler.coreLeft, cooler.coreTop + 3}, {cooler.coreLeft, spaceY + 5});
    sketch.AddLine(layers.dim, {cooler.motorEnd, cooler.axisY + 0.3 * CoreHeight}, {cooler.motorEnd, spaceY + 5});
    AddDistance(picture, {LeftWall, spaceY}, {cooler.coreLeft, spaceY}, "\u2265H");
    AddDistance(picture, {cooler.motorEnd, spaceY}, {RightWall, spaceY}, "\u2265H");
    return std::move(picture.sketch);
}

}  // namespace kr::drawgen
