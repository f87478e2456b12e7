#pragma once

#include "core/canvas/canvas.h"
#include "core/common/delphi_format.h"
#include "core/data/cool_type.h"
#include "core/data/language.h"
#include "core/present/curve_sweep.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kr {

// The two performance charts side by side: heat rejection and pressure loss
// over oil flow, drawn in chart units that a geometry turns into device
// pixels. The screen draws them 1:1 into a picture of this size; the printed
// page scales them to the paper.
inline constexpr Size CurvesPictureSize{580, 410};

enum class Chart { CoolingPerformance, PressureLoss };
inline constexpr std::array<Chart, 2> Charts{Chart::CoolingPerformance, Chart::PressureLoss};

// How a real position or step becomes a whole number: the screen rounds
// halves to the even neighbour, the printed page cuts toward zero (and the
// flow step the other way round).
enum class Rounding { HalfToEven, TowardZero };

// Where the " = Requirement" legend goes: the symbol's top left corner, the
// text's top left corner and the text's size.
struct LegendPlacement {
    Point Symbol;
    Point Text;
    int FontPoints = 10;
};

// Everything the screen picture and the printed page draw differently. A
// horizontal chart offset dx is drawn dx · UnitX device pixels from the
// chart's origin, a vertical offset dy as dy · UnitY; PenUnit is the width
// of a thin pen and the size unit of the requirement mark.
struct ChartGeometry {
    std::array<int, 2> OriginX{78, 360};  // cooling performance, pressure loss
    int OriginY = 40;
    int UnitX = 1;
    int UnitY = 1;
    int PenUnit = 1;
    // Filled white before anything is drawn.
    std::optional<Rect> Background = Rect{0, 0, CurvesPictureSize.Width, CurvesPictureSize.Height};
    int TitleTop = 3;            // device pixels
    int TitleRightOffset = 191;  // chart units from the origin
    Rgb GridColour = colours::Silver;
    std::array<Rgb, 2> CurveColours{colours::Red, colours::Blue};
    int CurvePenWidth = 1;
    int AxisPenWidth = 3;
    // The flow step: range / 190 + 0.5 made whole.
    Rounding FlowStep = Rounding::TowardZero;
    // A curve point's row: (300 − (value − bottom) / scale) · UnitY made whole.
    Rounding CurveRows = Rounding::HalfToEven;
    // The requirement is marked at the first plotted flow above the duty
    // flow made whole.
    Rounding DutyFlow = Rounding::HalfToEven;
    // The screen marks only a requirement the user typed (a cooler from the
    // Calculation tab); the printed page marks the known cooler's estimate too.
    bool MarkEveryRequirement = false;
    // The vertical unit names turned upright beside the axis, and the flow
    // unit name ending at the axis end, instead of level above the axis and
    // centred below its arrow.
    bool UprightUnitNames = false;
    std::optional<LegendPlacement> Legend = LegendPlacement{{8, 392}, {16, 389}, 10};
};

// The picture on screen: 580 × 410, white, 1:1.
ChartGeometry ScreenChartGeometry();

// A landscape page of pageSize device pixels at resolution dots per inch: the
// charts scaled to the page between its margins, drawn in black, without
// background or legend (the page puts the legend under its conditions).
ChartGeometry PrintedChartGeometry(Size pageSize, Size resolution);

// What the charts show about the cooler besides its curves.
struct ChartInputs {
    const PerformanceCurves& Curves;
    const tCoolType& Cooler;  // MinOilFlow, MaxOilFlow, RequiredHeat, MaxPressLoss, OilFlow, FromDutyTab, units
    int PressureUnit = 0;     // index into UnitsPressure
    const LanguageTable& Texts;
    FormatSettings Format;
};

// Draws both charts (grid, title, axis numbers, curve, flow labels, the
// requirement mark, axes with their break and arrows, unit names) and the
// legend where the geometry places one. A geometry whose flow step differs
// from the sweep's plots the flows and scales of its own step.
void DrawPerformanceCharts(Canvas& canvas, const ChartInputs& inputs, const ChartGeometry& geometry);

// The requirement symbol, a black circle with a white ring, 8 pen units
// across, and beside it " = " and the text of "Requirement" in black Arial.
void DrawRequirementSymbol(Canvas& canvas, Point topLeft, int penUnit);
void DrawRequirementLegend(Canvas& canvas, const LegendPlacement& placement, int penUnit,
                           std::string_view requirementText);

// The value under the mouse on the screen picture: "    [<heat> <unit> -
// <flow> <unit>]" over the cooling-performance chart, the same with the
// pressure loss over the pressure-loss chart, and nothing elsewhere.
std::string CurveReadout(const ChartInputs& inputs, Point at);

}  // namespace kr
