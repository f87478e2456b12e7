#include "core/present/curve_chart.h"

#include "core/common/number_text.h"
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "core/print/landscape_sheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kr {

namespace {

constexpr std::string_view ChartFont = "Arial";
constexpr int TitlePoints = 12;
constexpr int SmallPoints = 8;  // axis numbers, flow labels, unit names

// Chart units, from the chart's origin at the top of its plot area.
constexpr int GridLeft = -16;  // also the vertical axis
constexpr int GridRight = 192;
constexpr int GridRowPitch = 30;
constexpr int GridRowCount = 11;
constexpr int GridColumnPitch = 16;
constexpr int GridFirstColumn = -1;
constexpr int GridLastColumn = 12;
constexpr int LongGridColumnBottom = 315;  // the even columns reach the flow axis
constexpr int AxisNumberGap = 25;
constexpr int FlowLabelPitch = 32;
constexpr int LastFlowLabelColumn = 224;
constexpr int FlowLabelTop = 320;
constexpr int VerticalAxisBottom = 296;
constexpr int FlowAxisY = 315;
constexpr int FlowAxisRight = 200;
// The break of the value axis, from its foot up to its end: it shows that
// the axis does not start at zero.
constexpr std::array<Point, 5> AxisBreak{{{0, 313}, {6, 309}, {-5, 305}, {6, 300}, {0, VerticalAxisBottom}}};
constexpr int ArrowLength = 5;
constexpr int ArrowHalfWidth = 5;
constexpr int UpArrowBase = -2;
constexpr int FlowUnitBoxLeft = 180;
constexpr int FlowUnitBoxWidth = 100;
constexpr int FlowUnitTop = 346;
constexpr int UnitNameGap = 21;  // between the vertical unit name and the axis
// On paper the unit names stand apart from the scaled charts.
constexpr int UprightFlowUnitRight = 300;
constexpr int UprightFlowUnitTop = 325;
constexpr int UprightUnitNameLeft = -100;
constexpr int UprightTenthsOfDegree = 900;

// The requirement mark, in pen units: an 8 × 8 circle whose box starts 5
// left of the plotted column and 3 above the requirement's row, with a white
// ring 2 inside it.
constexpr int MarkSize = 8;
constexpr int MarkLeft = -5;
constexpr int MarkAbove = -3;
constexpr int MarkRingInset = 2;

// A value far off its chart is drawn at most this far away, so that the
// pixel position stays a whole number the canvas can take.
constexpr Extended MaxPixelOffset = 1 << 24;

// The printed page: the chart scale from the printable area between the
// landscape sheet's margins, the pen unit from the resolution.
constexpr int PrintChartUnitsAcross = 600;
constexpr int PrintChartUnitsDown = 400;
constexpr int ScreenDotsPerInch = 96;
constexpr std::array<int, 2> PrintOriginX{110, 440};
constexpr int PrintOriginY = 10;
constexpr int PrintTitleTop = 45;
constexpr int PrintTitleRightOffset = 192;

int MakeWhole(Extended value, Rounding rounding)
{
    if (std::isnan(value))
        return 0;
    const Extended bounded = std::clamp(value, -MaxPixelOffset, MaxPixelOffset);
    return static_cast<int>(rounding == Rounding::HalfToEven ? std::nearbyint(bounded) : std::trunc(bounded));
}

int FlowStepFor(const tCoolType& cooler, Rounding rounding)
{
    if (rounding == Rounding::TowardZero)
        return CurveFlowStep(cooler.MinOilFlow(), cooler.MaxOilFlow());
    const Extended range = static_cast<Extended>(cooler.MaxOilFlow()) - cooler.MinOilFlow();
    return std::max(1, MakeWhole(range / CurveColumns + 0.5L, Rounding::HalfToEven));
}

// The plotted flows and the two vertical scales of one step.
struct PlotScales {
    std::vector<int> Flows;
    VerticalScale Heat;
    VerticalScale Pressure;
};

PlotScales ScalesFor(const PerformanceCurves& curves, const tCoolType& cooler, int step)
{
    if (step == curves.Step)
        return {curves.FlowAxisValues, curves.Heat, curves.Pressure};
    const int minFlow = cooler.MinOilFlow();
    const CurvePoint& bottom = curves.At(minFlow);
    const CurvePoint& top = curves.At(static_cast<long long>(minFlow) + static_cast<long long>(CurveColumns) * step);
    return {PlottedFlows(minFlow, step),
            MakeVerticalScale(bottom.HeatRejection, top.HeatRejection, cooler.RequiredHeat),
            MakeVerticalScale(bottom.PressLoss, top.PressLoss, cooler.MaxPressLoss)};
}

// What differs between the two charts.
struct ChartSide {
    Chart Which;
    int Index;
    const VerticalScale& Scale;
    Extended Requirement;
    TextKey Title;
    int Unit;

    Extended ValueAt(const CurvePoint& point) const
    {
        return Which == Chart::CoolingPerformance ? point.HeatRejection : point.PressLoss;
    }
    Extended Shown(Extended value) const
    {
        return Which == Chart::CoolingPerformance ? ConvertPower(0, Unit, value) : ConvertPressure(0, Unit, value);
    }
    std::string_view UnitText() const
    {
        return UnitName(Which == Chart::CoolingPerformance ? UnitNames(UnitsPower) : UnitNames(UnitsPressure), Unit);
    }
};

ChartSide SideOf(Chart chart, const VerticalScale& heat, const VerticalScale& pressure, const ChartInputs& inputs)
{
    if (chart == Chart::CoolingPerformance)
        return {chart, 0, heat, inputs.Cooler.RequiredHeat, keys::CoolingPerformance, inputs.Cooler.HeatUnit};
    return {chart, 1, pressure, inputs.Cooler.MaxPressLoss, keys::PressureLoss, inputs.PressureUnit};
}

std::string Shown1(Extended value, const FormatSettings& format, bool fixedDecimals = false)
{
    return FormatValue(1, 0, fixedDecimals, value, false, format.DecimalSeparator);
}

Font ArialFont(int points, Rgb colour, bool bold = false)
{
    Font font;
    font.Family = std::string(ChartFont);
    font.Points = points;
    font.Bold = bold;
    font.Colour = colour;
    return font;
}

Pen SolidPen(Rgb colour, int width)
{
    Pen pen;
    pen.Colour = colour;
    pen.Width = width;
    return pen;
}

Brush SolidBrush(Rgb colour)
{
    Brush brush;
    brush.Colour = colour;
    return brush;
}

// One chart drawn on the canvas: chart units to device pixels.
class ChartPainter {
public:
    ChartPainter(Canvas& canvas, const ChartInputs& inputs, const ChartGeometry& geometry, const PlotScales& scales,
                 const ChartSide& side)
        : canvas_(canvas), inputs_(inputs), geometry_(geometry), scales_(scales), side_(side),
          x0_(geometry.OriginX[static_cast<std::size_t>(side.Index)]), y0_(geometry.OriginY)
    {
    }

    void Draw()
    {
        DrawGrid();
        DrawTitle();
        DrawAxisNumbers();
        DrawCurve();
        DrawFlowLabels();
        DrawRequirementMark();
        DrawAxes();
        DrawUnitNames();
    }

private:
    int X(int dx) const { return x0_ + dx * geometry_.UnitX; }
    int Y(int dy) const { return y0_ + dy * geometry_.UnitY; }
    Point At(int dx, int dy) const { return {X(dx), Y(dy)}; }
    void Line(Point from, Point to)
    {
        canvas_.MoveTo(from.X, from.Y);
        canvas_.LineTo(to.X, to.Y);
    }
    // The row of a value: its distance below the chart's top, in device pixels.
    int RowOf(Extended value) const
    {
        const Extended rowsUp = (value - side_.Scale.Bottom) / side_.Scale.PerPixel;
        return y0_ + MakeWhole((CurveRows - rowsUp) * geometry_.UnitY, geometry_.CurveRows);
    }

    void DrawGrid()
    {
        canvas_.SetPen(SolidPen(geometry_.GridColour, 1));
        for (int k = 0; k < GridRowCount; ++k)
            Line(At(GridLeft, GridRowPitch * k), At(GridRight, GridRowPitch * k));
        for (int j = GridFirstColumn; j <= GridLastColumn; ++j) {
            const bool reachesFlowAxis = j >= 0 && j % 2 == 0;
            Line(At(GridColumnPitch * j, 0), At(GridColumnPitch * j, reachesFlowAxis ? LongGridColumnBottom : CurveRows));
        }
    }

    void DrawTitle()
    {
        canvas_.SetFont(ArialFont(TitlePoints, colours::Black, true));
        const std::string title = inputs_.Texts.Lookup(side_.Title.Key);
        canvas_.TextOut(X(geometry_.TitleRightOffset) - canvas_.TextExtent(title).Width, geometry_.TitleTop, title);
    }

    void DrawAxisNumbers()
    {
        canvas_.SetFont(ArialFont(SmallPoints, colours::Navy));
        const int halfLine = canvas_.TextExtent("W").Height / 2;
        for (int k = 0; k < GridRowCount; ++k) {
            const Extended value =
                side_.Shown(side_.Scale.Bottom + side_.Scale.AxisValues[static_cast<std::size_t>(GridRowPitch * k)]);
            // Aligned by the width the number has with its decimal, so that
            // numbers shown without one stand a little apart from the axis.
            const int alignWidth = canvas_.TextExtent(Shown1(value, inputs_.Format, true)).Width;
            canvas_.TextOut(X(-AxisNumberGap) - alignWidth, Y(CurveRows - GridRowPitch * k) - halfLine,
                            Shown1(value, inputs_.Format));
        }
    }

    void DrawCurve()
    {
        canvas_.SetPen(SolidPen(geometry_.CurveColours[static_cast<std::size_t>(side_.Index)], geometry_.CurvePenWidth));
        canvas_.MoveTo(X(0), Y(CurveRows));
        int n = 0;
        for (int flow : scales_.Flows)
            canvas_.LineTo(X(++n), RowOf(side_.ValueAt(inputs_.Curves.At(flow))));
    }

    void DrawFlowLabels()
    {
        const int lowerRow = canvas_.TextExtent("0").Height;
        for (int column = 0; column < static_cast<int>(scales_.Flows.size()) && column <= LastFlowLabelColumn;
             column += FlowLabelPitch) {
            const Extended flow = ConvertOilFlow(0, inputs_.Cooler.OilFlowUnit,
                                                 scales_.Flows[static_cast<std::size_t>(column)]);
            const std::string label = Shown1(flow, inputs_.Format);
            // Every other label one line lower, so that wide numbers do not run together.
            const int drop = column % (2 * FlowLabelPitch) == 0 ? lowerRow : 0;
            canvas_.TextOut(X(column) - canvas_.TextExtent(label).Width / 2, Y(FlowLabelTop) + drop, label);
        }
    }

    void DrawRequirementMark()
    {
        if (!inputs_.Cooler.FromDutyTab && !geometry_.MarkEveryRequirement)
            return;
        const int dutyFlow = MakeWhole(inputs_.Cooler.OilFlow, geometry_.DutyFlow);
        const auto first = std::ranges::find_if(scales_.Flows, [dutyFlow](int flow) { return flow > dutyFlow; });
        if (first == scales_.Flows.end())
            return;
        const int n = static_cast<int>(first - scales_.Flows.begin()) + 1;
        const int d = geometry_.PenUnit;
        DrawRequirementSymbol(canvas_, {X(n) + MarkLeft * d, RowOf(side_.Requirement) + MarkAbove * d}, d);
    }

    void DrawAxes()
    {
        canvas_.SetPen(SolidPen(colours::Black, geometry_.AxisPenWidth));
        Line(At(GridLeft, 0), At(GridLeft, VerticalAxisBottom));
        Line(At(GridLeft, FlowAxisY), At(FlowAxisRight, FlowAxisY));
        std::array<Point, AxisBreak.size()> axisBreak;
        std::ranges::transform(AxisBreak, axisBreak.begin(),
                               [this](Point offset) { return At(GridLeft + offset.X, offset.Y); });
        canvas_.Polyline(axisBreak);

        canvas_.SetPen(SolidPen(colours::Black, geometry_.PenUnit));
        canvas_.SetBrush(SolidBrush(colours::Black));
        const std::array<Point, 4> right{At(FlowAxisRight, FlowAxisY), At(FlowAxisRight, FlowAxisY - ArrowHalfWidth),
                                         At(FlowAxisRight + ArrowLength, FlowAxisY),
                                         At(FlowAxisRight, FlowAxisY + ArrowHalfWidth)};
        canvas_.Polygon(right);
        const std::array<Point, 4> up{At(GridLeft, UpArrowBase), At(GridLeft - ArrowHalfWidth, UpArrowBase),
                                      At(GridLeft, UpArrowBase - ArrowLength),
                                      At(GridLeft + ArrowHalfWidth, UpArrowBase)};
        canvas_.Polygon(up);
        canvas_.SetBrush(SolidBrush(colours::White));
    }

    void DrawUnitNames()
    {
        canvas_.SetFont(ArialFont(SmallPoints, colours::Maroon, true));
        const std::string flowUnit(UnitName(UnitsOilFlow, inputs_.Cooler.OilFlowUnit));
        const std::string valueUnit(side_.UnitText());
        const int flowUnitWidth = canvas_.TextExtent(flowUnit).Width;
        const int valueUnitWidth = canvas_.TextExtent(valueUnit).Width;
        const bool first = side_.Which == Chart::CoolingPerformance;
        if (geometry_.UprightUnitNames) {
            if (first)
                canvas_.TextOut(X(UprightFlowUnitRight) - flowUnitWidth, Y(UprightFlowUnitTop), flowUnit);
            canvas_.RotatedTextOut(X(UprightUnitNameLeft), y0_ + valueUnitWidth, UprightTenthsOfDegree, valueUnit);
            return;
        }
        if (first)
            canvas_.TextOut(X(FlowUnitBoxLeft) + (FlowUnitBoxWidth * geometry_.UnitX - flowUnitWidth) / 2, Y(FlowUnitTop),
                            flowUnit);
        const int lineHeight = canvas_.TextExtent("W").Height;
        canvas_.TextOut(X(-UnitNameGap) - valueUnitWidth, y0_ - lineHeight * 3 / 2, valueUnit);
    }

    Canvas& canvas_;
    const ChartInputs& inputs_;
    const ChartGeometry& geometry_;
    const PlotScales& scales_;
    const ChartSide& side_;
    int x0_;
    int y0_;
};

}  // namespace

ChartGeometry ScreenChartGeometry() { return ChartGeometry{}; }

ChartGeometry PrintedChartGeometry(Size pageSize, Size resolution)
{
    const LandscapeSheet sheet = LandscapeSheetOf(pageSize, resolution);
    const int marginX = sheet.MarginX;
    const int marginY = sheet.MarginY;
    const int unitX = std::max(0, (pageSize.Width - 2 * marginX) / PrintChartUnitsAcross);
    const int unitY = std::max(0, (pageSize.Height - 2 * marginY) / PrintChartUnitsDown);
    const int penUnit = std::max(1, resolution.Width / ScreenDotsPerInch);

    ChartGeometry geometry;
    geometry.OriginX = {marginX + PrintOriginX[0] * unitX, marginX + PrintOriginX[1] * unitX};
    geometry.OriginY = PrintOriginY * unitY + 2 * marginY;
    geometry.UnitX = unitX;
    geometry.UnitY = unitY;
    geometry.PenUnit = penUnit;
    geometry.Background.reset();
    geometry.TitleTop = marginY + PrintTitleTop * unitY;
    geometry.TitleRightOffset = PrintTitleRightOffset;
    geometry.GridColour = colours::Black;
    geometry.CurveColours = {colours::Black, colours::Black};
    geometry.CurvePenWidth = 2 * penUnit;
    geometry.AxisPenWidth = 2 * penUnit;
    geometry.FlowStep = Rounding::HalfToEven;
    geometry.CurveRows = Rounding::TowardZero;
    geometry.DutyFlow = Rounding::TowardZero;
    geometry.MarkEveryRequirement = true;
    geometry.UprightUnitNames = true;
    geometry.Legend.reset();
    return geometry;
}

void DrawPerformanceCharts(Canvas& canvas, const ChartInputs& inputs, const ChartGeometry& geometry)
{
    canvas.SetBrush(SolidBrush(colours::White));
    if (geometry.Background)
        canvas.FillRect(*geometry.Background);

    const PlotScales scales = ScalesFor(inputs.Curves, inputs.Cooler, FlowStepFor(inputs.Cooler, geometry.FlowStep));
    for (Chart chart : Charts) {
        const ChartSide side = SideOf(chart, scales.Heat, scales.Pressure, inputs);
        ChartPainter(canvas, inputs, geometry, scales, side).Draw();
    }
    if (geometry.Legend)
        DrawRequirementLegend(canvas, *geometry.Legend, geometry.PenUnit, inputs.Texts.Lookup(keys::Requirement.Key));
}

void DrawRequirementSymbol(Canvas& canvas, Point topLeft, int penUnit)
{
    const int size = MarkSize * penUnit;
    const int inset = MarkRingInset * penUnit;
    canvas.SetPen(SolidPen(colours::Black, penUnit));
    canvas.SetBrush(SolidBrush(colours::Black));
    canvas.Ellipse({topLeft.X, topLeft.Y, topLeft.X + size, topLeft.Y + size});
    canvas.SetPen(SolidPen(colours::White, penUnit));
    canvas.Ellipse({topLeft.X + inset, topLeft.Y + inset, topLeft.X + size - inset, topLeft.Y + size - inset});
    canvas.SetBrush(SolidBrush(colours::White));
}

void DrawRequirementLegend(Canvas& canvas, const LegendPlacement& placement, int penUnit,
                           std::string_view requirementText)
{
    DrawRequirementSymbol(canvas, placement.Symbol, penUnit);
    canvas.SetFont(ArialFont(placement.FontPoints, colours::Black));
    canvas.TextOut(placement.Text.X, placement.Text.Y, " = " + std::string(requirementText));
}

std::string CurveReadout(const ChartInputs& inputs, Point at)
{
    // A chart of step 1 plots this many columns; the readout covers them on
    // every chart, and a column without a plotted flow shows nothing.
    constexpr int ReadoutColumns = CurveColumns + 3;
    const ChartGeometry screen = ScreenChartGeometry();
    const int row = screen.OriginY + CurveRows - at.Y;
    if (row < 0 || row > CurveRows)
        return {};
    const std::vector<int>& flows = inputs.Curves.FlowAxisValues;
    for (Chart chart : Charts) {
        const ChartSide side = SideOf(chart, inputs.Curves.Heat, inputs.Curves.Pressure, inputs);
        const int column = at.X - screen.OriginX[static_cast<std::size_t>(side.Index)];
        if (column < 0 || column >= ReadoutColumns)
            continue;
        if (column >= static_cast<int>(flows.size()))
            return {};
        const Extended value = side.Shown(side.Scale.Bottom + side.Scale.AxisValues[static_cast<std::size_t>(row)]);
        const Extended flow = ConvertOilFlow(0, inputs.Cooler.OilFlowUnit, flows[static_cast<std::size_t>(column)]);
        return "    [" + Shown1(value, inputs.Format) + " " + std::string(side.UnitText()) + " - " +
               Shown1(flow, inputs.Format) + " " + std::string(UnitName(UnitsOilFlow, inputs.Cooler.OilFlowUnit)) + "]";
    }
    return {};
}

}  // namespace kr
