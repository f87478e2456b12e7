#include "drawgen/drawing_layers.h"

namespace kr::drawgen {

namespace {

constexpr Rgb Grey{96, 96, 96};
constexpr Rgb HatchGrey{150, 150, 150};
constexpr Rgb DimensionBlue{0, 40, 150};

// AutoCAD colour indices.
constexpr int AciBlue = 5;
constexpr int AciByPaper = 7;  // black on white paper, white on a dark screen
constexpr int AciDarkGrey = 8;
constexpr int AciLightGrey = 9;

}  // namespace

DrawingLayers AddDrawingLayers(Sketch& sketch)
{
    DrawingLayers layers{};
    layers.outline = sketch.AddLayer({"OUTLINE", AciByPaper, Black, LineStyle::Continuous, 2});
    layers.detail = sketch.AddLayer({"DETAIL", AciByPaper, Black, LineStyle::Continuous, 1});
    layers.hatch = sketch.AddLayer({"HATCH", AciLightGrey, HatchGrey, LineStyle::Continuous, 1});
    layers.hidden = sketch.AddLayer({"HIDDEN", AciDarkGrey, Grey, LineStyle::Dashed, 1});
    layers.center = sketch.AddLayer({"CENTER", AciDarkGrey, Grey, LineStyle::Center, 1});
    layers.dimensions = sketch.AddLayer({"DIMENSIONS", AciBlue, DimensionBlue, LineStyle::Continuous, 1});
    layers.text = sketch.AddLayer({"TEXT", AciByPaper, Black, LineStyle::Continuous, 1});
    layers.title = sketch.AddLayer({"TITLE", AciByPaper, Black, LineStyle::Continuous, 2});
    return layers;
}

}  // namespace kr::drawgen
