#include "drawgen/picture_kit.h"
#include "drawgen/pictures.h"

namespace kr::drawgen {

namespace {

// Flags are small: the language picker frames them with one black pixel
// and sizes its items by the tallest.
constexpr int FlagWidth = 24;
constexpr int FlagHeight = 16;
constexpr Box FlagBox{0, 0, FlagWidth, FlagHeight};

Sketch FlagSketch() { return Sketch(FlagWidth, FlagHeight, 1); }

}  // namespace

// Union flag: blue field, white and red saltires, white-edged red cross.
// Proportions follow the 60 x 30 pattern scaled to the flag's height.
Sketch FlagEnglish()
{
    Sketch flag = FlagSketch();
    const double unit = FlagHeight / 30.0;
    const LayerId blue = PaintLayer(flag, "BLUE", {1, 33, 105}, 1);
    const LayerId white = PaintLayer(flag, "WHITE", White, 1);
    const LayerId red = PaintLayer(flag, "RED", {200, 16, 46}, 1);
    AddFilledBox(flag, blue, FlagBox);
    const Point lowerLeft{0, 0}, upperRight{FlagWidth, FlagHeight}, upperLeft{0, FlagHeight}, lowerRight{FlagWidth, 0};
    AddBand(flag, white, lowerLeft, upperRight, 6 * unit, FlagBox);
    AddBand(flag, white, upperLeft, lowerRight, 6 * unit, FlagBox);
    AddBand(flag, red, lowerLeft, upperRight, 2 * unit, FlagBox);
    AddBand(flag, red, upperLeft, lowerRight, 2 * unit, FlagBox);
    const Point centre = FlagBox.Centre();
    AddBand(flag, white, {centre.x, 0}, {centre.x, FlagHeight}, 10 * unit, FlagBox);
    AddBand(flag, white, {0, centre.y}, {FlagWidth, centre.y}, 10 * unit, FlagBox);
    AddBand(flag, red, {centre.x, 0}, {centre.x, FlagHeight}, 6 * unit, FlagBox);
    AddBand(flag, red, {0, centre.y}, {FlagWidth, centre.y}, 6 * unit, FlagBox);
    return flag;
}

// Dannebrog: red with a white Nordic cross; 12 + 4 + 21 across, 12 + 4 + 12 down.
Sketch FlagDansk()
{
    Sketch flag = FlagSketch();
    const LayerId red = PaintLayer(flag, "RED", {200, 16, 46}, 1);
    const LayerId white = PaintLayer(flag, "WHITE", White, 1);
    AddFilledBox(flag, red, FlagBox);
    const double across = FlagWidth / 37.0;
    const double down = FlagHeight / 28.0;
    AddFilledBox(flag, white, {12 * across, 0, 16 * across, FlagHeight});
    AddFilledBox(flag, white, {0, 12 * down, FlagWidth, 16 * down});
    return flag;
}

// Black, red and gold in three equal horizontal stripes.
Sketch FlagDeutsch()
{
    Sketch flag = FlagSketch();
    const LayerId black = PaintLayer(flag, "BLACK", Black, 1);
    const LayerId red = PaintLayer(flag, "RED", {221, 0, 0}, 1);
    const LayerId gold = PaintLayer(flag, "GOLD", {255, 206, 0}, 1);
    const double stripe = FlagHeight / 3.0;
    AddFilledBox(flag, gold, {0, 0, FlagWidth, stripe});
    AddFilledBox(flag, red, {0, stripe, FlagWidth, 2 * stripe});
    AddFilledBox(flag, black, {0, 2 * stripe, FlagWidth, FlagHeight});
    return flag;
}

}  // namespace kr::drawgen
