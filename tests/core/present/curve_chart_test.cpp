#include "core/present/curve_chart.h"

#include "core/common/number_text.h"
#include "core/common/units.h"
#include "engine/engine_fixtures.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kr {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

const LanguageTable Texts({"Cooling performance=Cooling performance", "Pressure loss=Pressure loss",
                           "Requirement=Requirement"});

// A cooler for 30 kW and 2 bar at 100 l/min, with a range of 190 l/min:
// one pixel column per l/min on screen, two l/min per column on paper.
tCoolType Cooler(bool fromDutyTab, int heatUnit, int flowUnit)
{
    tCoolType cooler = test::MakeCooler({.MinOilFlow = 20, .MaxOilFlow = 210});
    cooler.RequiredHeat = 30;
    cooler.MaxPressLoss = 2;
    cooler.OilFlow = 100;
    cooler.OilInletTemp = 70;
    cooler.AmbientTemp = 25;
    cooler.OilTypeIndex = 8;
    cooler.FromDutyTab = fromDutyTab;
    cooler.HeatUnit = heatUnit;
    cooler.OilFlowUnit = flowUnit;
    return cooler;
}

std::string Shown(Extended value, char separator, bool fixed = false)
{
    return FormatValue(1, 0, fixed, value, false, separator);
}

std::vector<Call> LinesIn(const RecordingCanvas& canvas, Rgb colour)
{
    return canvas.CallsOf(Kind::Line, [&](const Call& c) { return c.LinePen.Colour == colour; });
}

int Width(std::string_view text, int points) { return RecordingCanvas::Extent(text, points).Width; }

bool HasLine(const std::vector<Call>& lines, Point from, Point to)
{
    return std::ranges::any_of(lines, [&](const Call& c) { return c.Points == std::vector<Point>{from, to}; });
}

TEST(CurveChart, ScreenChartsShowCurvesScalesUnitsAndTheRequirementOfADuty)
{
    struct Row {
        bool fromDutyTab;
        int heatUnit, flowUnit, pressureUnit;
        char separator;
    };
    for (const Row& row : {Row{true, 0, 0, 0, '.'}, Row{false, 1, 1, 3, ','}}) {
        SCOPED_TRACE(row.fromDutyTab);
        const tCoolType cooler = Cooler(row.fromDutyTab, row.heatUnit, row.flowUnit);
        const PerformanceCurves curves = SweepCurves(cooler);
        const ChartInputs inputs{curves, cooler, row.pressureUnit, Texts, {row.separator}};
        RecordingCanvas canvas;
        DrawPerformanceCharts(canvas, inputs, ScreenChartGeometry());

        EXPECT_EQ(canvas.CallsOf(Kind::FillRect).at(0).Box, (Rect{0, 0, 580, 410}));

        const std::vector<Call> grid = LinesIn(canvas, colours::Silver);
        EXPECT_EQ(grid.size(), 2u * (11 + 14));
        const struct {
            int x0;
            Rgb curve;
            const VerticalScale& scale;
            Extended requirement;
            Extended (*shown)(int, int, Extended);
            int unit;
            Extended CurvePoint::* value;
        } charts[] = {{78, colours::Red, curves.Heat, 30, ConvertPower, row.heatUnit, &CurvePoint::HeatRejection},
                      {360, colours::Blue, curves.Pressure, 2, ConvertPressure, row.pressureUnit, &CurvePoint::PressLoss}};
        for (const auto& chart : charts) {
            const int x0 = chart.x0;
            EXPECT_TRUE(HasLine(grid, {x0 - 16, 340}, {x0 + 192, 340}));
            EXPECT_TRUE(HasLine(grid, {x0 + 16, 40}, {x0 + 16, 340}));
            EXPECT_TRUE(HasLine(grid, {x0 + 192, 40}, {x0 + 192, 355}));

            // The curve from the chart's corner through a point per plotted flow.
            const std::vector<Call> curve = LinesIn(canvas, chart.curve);
            ASSERT_EQ(curve.size(), 193u);  // 20 .. 212 l/min
            const auto rowOf = [&](Extended value) {
                return 40 + static_cast<int>(std::nearbyint(300 - (value - chart.scale.Bottom) / chart.scale.PerPixel));
            };
            EXPECT_EQ(curve.front().Points, (std::vector<Point>{{x0, 340}, {x0 + 1, 340}}));
            EXPECT_EQ(curve.back().Points[1], (Point{x0 + 193, rowOf(curves.At(212).*chart.value)}));
            // The scale's top lies just above the curve at 210 l/min or the
            // requirement, whichever is higher.
            const int topRow = std::min(curve[190].Points[1].Y, rowOf(chart.requirement));
            EXPECT_GT(topRow, 40);
            EXPECT_LT(topRow, 45);

            // Axis numbers in the display unit, centred on every grid row.
            const std::vector<Call> numbers = canvas.CallsOf(Kind::Text, [&](const Call& c) {
                return c.TextFont.Colour == colours::Navy && c.Points[0].Y < 350 && c.Points[0].X < x0 &&
                       c.Points[0].X > x0 - 80;
            });
            ASSERT_EQ(numbers.size(), 11u);
            for (int k : {0, 10}) {
                const Extended value = chart.shown(0, chart.unit, chart.scale.Bottom + 30 * k * chart.scale.PerPixel);
                const Call& number = numbers[static_cast<std::size_t>(k)];
                EXPECT_EQ(number.Text, Shown(value, row.separator));
                EXPECT_EQ(number.Points[0], (Point{x0 - 25 - Width(Shown(value, row.separator, true), 8),
                                                   340 - 30 * k - 6}));
            }

            // Flow labels every 32 columns, every other one a line lower.
            const std::vector<Call> labels = canvas.CallsOf(Kind::Text, [&](const Call& c) {
                return c.TextFont.Colour == colours::Navy && c.Points[0].Y >= 360 && c.Points[0].X > x0 - 40 &&
                       c.Points[0].X < x0 + 220;
            });
            ASSERT_EQ(labels.size(), 7u);
            EXPECT_EQ(labels[0].Text, Shown(ConvertOilFlow(0, row.flowUnit, 20), row.separator));
            EXPECT_EQ(labels[0].Points[0], (Point{x0 - Width(labels[0].Text, 8) / 2, 372}));
            EXPECT_EQ(labels[1].Text, Shown(ConvertOilFlow(0, row.flowUnit, 52), row.separator));
            EXPECT_EQ(labels[1].Points[0], (Point{x0 + 32 - Width(labels[1].Text, 8) / 2, 360}));

            // The requirement at the first plotted flow above 100 l/min, the 82nd.
            const std::vector<Call> marks = canvas.CallsOf(Kind::Ellipse, [&](const Call& c) {
                return c.Box.Left > x0 && c.Box.Left < x0 + 200;
            });
            ASSERT_EQ(marks.size(), row.fromDutyTab ? 2u : 0u);
            if (row.fromDutyTab) {
                const int top = rowOf(chart.requirement) - 3;
                EXPECT_EQ(marks[0].Box, (Rect{x0 + 82 - 5, top, x0 + 82 + 3, top + 8}));
                EXPECT_EQ(marks[1].Box, (Rect{x0 + 79, top + 2, x0 + 83, top + 6}));
            }

            EXPECT_TRUE(HasLine(LinesIn(canvas, colours::Black), {x0 - 16, 355}, {x0 + 200, 355}));
        }

        // Titles, unit names and the legend, which is there in either case.
        std::vector<std::pair<std::string, Point>> texts;
        for (const Call& c : canvas.CallsOf(Kind::Text, [](const Call& c) { return c.TextFont.Colour != colours::Navy; }))
            texts.emplace_back(c.Text, c.Points[0]);
        const std::string heatUnit(UnitName(UnitsPower, row.heatUnit));
        const std::string flowUnit(UnitName(UnitsOilFlow, row.flowUnit));
        const std::string pressureUnit(UnitName(UnitsPressure, row.pressureUnit));
        const std::vector<std::pair<std::string, Point>> expected{
            {"Cooling performance", {269 - Width("Cooling performance", 12), 3}},
            {flowUnit, {258 + (100 - Width(flowUnit, 8)) / 2, 386}},
            {heatUnit, {57 - Width(heatUnit, 8), 22}},
            {"Pressure loss", {551 - Width("Pressure loss", 12), 3}},
            {pressureUnit, {339 - Width(pressureUnit, 8), 22}},
            {" = Requirement", {16, 389}},
        };
        EXPECT_EQ(texts, expected);
        EXPECT_EQ(canvas.CallsOf(Kind::Ellipse).at(row.fromDutyTab ? 4 : 0).Box, (Rect{8, 392, 16, 400}));
        EXPECT_EQ(canvas.Calls().back().TextFont, (Font{"Arial", 10, false, false, false, colours::Black}));
    }
}

TEST(CurveChart, PaperScalesTheChartsAndMarksTheRequirementOfAKnownCooler)
{
    // A4 landscape at 600 dpi: margins 466 and 496, 10 × 9 pixels per chart unit, pen unit 6.
    const tCoolType cooler = Cooler(false, 0, 0);
    const PerformanceCurves curves = SweepCurves(cooler);
    RecordingCanvas canvas({7016, 4961}, {600, 600});
    DrawPerformanceCharts(canvas, {curves, cooler, 0, Texts, {}}, PrintedChartGeometry({7016, 4961}, {600, 600}));

    EXPECT_TRUE(canvas.CallsOf(Kind::FillRect).empty());
    const std::vector<Call> black = LinesIn(canvas, colours::Black);
    EXPECT_TRUE(HasLine(black, {1566 - 160, 1082}, {1566 + 1920, 1082}));
    // A range of 190 l/min is plotted in steps of 2 on paper, 20 .. 404 l/min.
    const std::vector<Call> curve = canvas.CallsOf(
        Kind::Line, [](const Call& c) { return c.LinePen.Width == 12 && c.Points[1].X - c.Points[0].X == 10; });
    ASSERT_EQ(curve.size(), 2 * 193u);
    const VerticalScale heat = MakeVerticalScale(curves.At(20).HeatRejection, curves.At(400).HeatRejection, 30);
    const auto rowOf = [&](Extended value) {
        return 1082 + static_cast<int>(std::trunc((300 - (value - heat.Bottom) / heat.PerPixel) * 9));
    };
    EXPECT_EQ(curve.front().Points, (std::vector<Point>{{1566, 1082 + 2700}, {1576, 1082 + 2700}}));
    EXPECT_EQ(curve[192].Points[1], (Point{1566 + 1930, rowOf(curves.At(404).HeatRejection)}));

    // Marks on both charts, at 102 l/min (the 42nd flow), and no legend.
    const std::vector<Call> marks = canvas.CallsOf(Kind::Ellipse);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[0].Box, (Rect{1566 + 420 - 30, rowOf(30) - 18, 1566 + 420 + 18, rowOf(30) + 30}));

    const std::vector<Call> upright = canvas.CallsOf(Kind::RotatedText);
    ASSERT_EQ(upright.size(), 2u);
    EXPECT_EQ(upright[0].Text, "kW");
    EXPECT_EQ(upright[0].Points[0], (Point{1566 - 1000, 1082 + Width("kW", 8)}));
    const std::vector<Call> titles = canvas.CallsOf(Kind::Text, [](const Call& c) { return c.TextFont.Points == 12; });
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].Points[0], (Point{4866 + 1920 - Width("Pressure loss", 12), 496 + 405}));
}

TEST(CurveChart, TheReadoutShowsTheValuesUnderTheMouseInsideEitherChart)
{
    const tCoolType cooler = Cooler(true, 0, 0);
    const PerformanceCurves curves = SweepCurves(cooler);
    const ChartInputs inputs{curves, cooler, 0, Texts, {}};
    const VerticalScale& heat = curves.Heat;
    const VerticalScale& pressure = curves.Pressure;
    const struct {
        Point at;
        std::string readout;
    } rows[] = {
        {{78, 340}, "    [" + Shown(heat.Bottom, '.') + " kW - 20.0 l/min]"},
        {{270, 40}, "    [" + Shown(heat.Bottom + heat.AxisValues[300], '.') + " kW - 212 l/min]"},
        {{360, 190}, "    [" + Shown(pressure.Bottom + pressure.AxisValues[150], '.') + " bar - 20.0 l/min]"},
        {{77, 100}, ""}, {{271, 100}, ""}, {{100, 39}, ""}, {{100, 341}, ""}, {{553, 100}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CurveReadout(inputs, row.at), row.readout) << row.at.X << "," << row.at.Y;

    // Near the end of the table fewer flows are plotted; columns beyond them show nothing.
    const tCoolType large = test::MakeCooler({.MinOilFlow = 1400, .MaxOilFlow = 1500});
    const PerformanceCurves largeCurves = SweepCurves(large);
    EXPECT_EQ(CurveReadout({largeCurves, large, 0, Texts, {}}, {78 + 100, 100}), "    [" +
              Shown(largeCurves.Heat.Bottom + largeCurves.Heat.AxisValues[240], '.') + " kW - 1500 l/min]");
    EXPECT_EQ(CurveReadout({largeCurves, large, 0, Texts, {}}, {78 + 101, 100}), "");
}

}  // namespace
}  // namespace kr
