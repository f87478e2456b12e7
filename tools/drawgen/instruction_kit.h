#pragma once

#include "drawgen/picture_kit.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// The instruction pictures are drawn on a 500 x 250 grid and written at
// 80 %: seven of them at 400 x 200 keep the printed instructions within
// four pages in every language.
constexpr int InstructionWidth = 500;
constexpr int InstructionHeight = 250;
constexpr double InstructionScale = 0.8;
constexpr double InstructionTextPixels = 14;

// The pens of the instruction pictures: black line art, blue cooling air,
// red warm air or cleaning jet, brown oil, and black labels.
struct InstructionLayers {
    LayerId line;    // outlines
    LayerId thin;    // fins, ground, small edges
    LayerId hidden;  // parts behind others
    LayerId dim;     // distance arrows
    LayerId air;
    LayerId warm;
    LayerId oil;
    LayerId label;
    LayerId fill;    // black solids
};

struct InstructionPicture {
    Sketch sketch;
    InstructionLayers layers;
};

InstructionPicture NewInstructionPicture();

// A cooler seen from the side, air inlet face at coreLeft, standing on the
// floor at floorY: feet, core with its fins, tapered cowl, motor with
// terminal box. Returns where its parts lie.
struct SideCoolerShape {
    double coreLeft = 0;
    double coreRight = 0;
    double coreBottom = 0;
    double coreTop = 0;
    double axisY = 0;
    double motorEnd = 0;
    double footLeft = 0;
    double footRight = 0;
};
SideCoolerShape AddSideCooler(InstructionPicture& picture, double coreLeft, double floorY, double coreHeight);

// A cooler seen from the fan side with its connections on the right:
// frame, fins, fan ring with grille and a motor. Returns where the inlet and
// outlet connections end.
struct FrontCoolerShape {
    Box frame;
    Point inletEnd;
    Point outletEnd;
};
FrontCoolerShape AddFrontCooler(InstructionPicture& picture, const Box& frame, double inletY, double outletY);

// A hexagon nut or body seen from the side, across corners, along x or y.
void AddHexSide(Sketch& sketch, LayerId layer, Point centre, double acrossCorners, double thickness, bool vertical);

// A wall: a vertical line with hatching on the side away from the picture.
void AddWall(Sketch& sketch, LayerId layer, double x, double bottom, double top, bool hatchLeft);

// A tank: an open box with its oil level, returns the level's height.
double AddTank(Sketch& sketch, const InstructionLayers& layers, const Box& box);

// A bolt through a foot into the base: head on top, shank hidden below.
void AddBolt(Sketch& sketch, const InstructionLayers& layers, double x, double flangeTop, double depth);

}  // namespace kr::drawgen
