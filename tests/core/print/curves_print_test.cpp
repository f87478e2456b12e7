#include "core/print/curves_print.h"

#include "engine/engine_fixtures.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace kr {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

const LanguageTable Texts = test::PatternLanguage();
const std::filesystem::path Pictures = "/pictures";

int Width(std::string_view text, int points) { return RecordingCanvas::Extent(text, points).Width; }

// A known cooler rated at 70 °C oil and 25 °C (shown as 77 °F) air: no
// requirement was typed, yet the page marks the estimate.
tCoolType KnownCooler(std::string type = "KR 30", std::string motor = "400")
{
    tCoolType cooler = test::MakeCooler({.Type = type, .Motor = motor, .MinOilFlow = 20, .MaxOilFlow = 210});
    cooler.RequiredHeat = 30;
    cooler.MaxPressLoss = 2;
    cooler.OilFlow = 100;
    cooler.OilInletTemp = 70;
    cooler.AmbientTemp = 25;
    cooler.AmbientUnit = 1;
    cooler.Viscosity = 41.2L;
    return cooler;
}

TEST(CurvesPrint, LandscapePageWithHeadingLogoConditionsAndLegend)
{
    const struct {
        bool nameOnPrint;
        std::string address, heading;  // an empty heading is not printed
        char separator;
    } rows[] = {
        {false, "", "Kalvorn Group", '.'},
        {true, "Own Firm\r\nHigh Street 1", "Own Firm", ','},
        {true, "", "", '.'},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.heading);
        // A4 landscape at 600 dpi: margins 466 and 496, 10 × 9 pixels per
        // chart unit, pen unit 6, logo scale 6.
        RecordingCanvas canvas({7016, 4961}, {600, 600});
        canvas.Bitmaps[Pictures / "kalvorn.bmp"] = {200, 91};
        const PrintContext context{Texts, {row.separator, ' '}, Pictures, row.nameOnPrint, row.address, ""};
        ASSERT_EQ(PrintPerformanceCurves(canvas, context, KnownCooler(), 0), CurvesPrintOutcome::Printed);
        EXPECT_EQ(canvas.Calls().front().Text, "Performance curves KR 30 AC 400V 4-pol");
        EXPECT_EQ(canvas.DocumentOrientation(), Orientation::Landscape);
        EXPECT_EQ(canvas.Calls().back().What, Kind::EndDocument);

        // Every text but the charts' own: the conditions from the first
        // chart's origin, 410 rows below the top margin, each value ending
        // where its two-decimal form would, at v; the legend beside them
        // under the second chart; the heading a third of the margin down;
        // the version line.
        std::vector<std::tuple<std::string, int, int, int>> texts;
        for (const Call& c : canvas.CallsOf(Kind::Text, [](const Call& c) {
                 return c.TextFont.Points != 8 && !(c.TextFont.Points == 12 && c.TextFont.Bold);
             }))
            texts.emplace_back(c.Text, c.Points[0].X, c.Points[0].Y, c.TextFont.Points);
        const auto shown = [&](std::string text) {
            std::ranges::replace(text, '.', row.separator);
            return text;
        };
        const int x0 = 466 + 110 * 10;
        const int x1 = 466 + 440 * 10;
        const int top = 496 + 410 * 9;
        const int v = x0 + Width("Oil temperature-inlet", 12) * 5 / 4 + Width("999999.9", 12);
        std::vector<std::tuple<std::string, int, int, int>> expected{
            {"Oil temperature-inlet", x0, top, 12},      {shown("70.0"), v - Width("70.00", 12), top, 12},
            {"°C", v, top, 12},                          {"Oil viscosity", x0, top + 18, 12},
            {shown("41.2"), v - Width("41.20", 12), top + 18, 12}, {"cSt", v, top + 18, 12},
            {"Ambient temperature", x0, top + 36, 12},   {shown("77.0"), v - Width("77.00", 12), top + 36, 12},
            {"°F", v, top + 36, 12},                     {" = Requirement", x1 + 48, top, 12},
        };
        if (!row.heading.empty())
            expected.emplace_back(row.heading, (7016 - Width(row.heading, 30)) / 2, 496 / 3, 30);
        expected.emplace_back("KR 30 AC 400V 4-pol", (7016 - Width("KR 30 AC 400V 4-pol", 14)) / 2, 165 + 45, 14);
        const std::string footer = "print print KR oil coolers Version";
        expected.emplace_back(footer, 7016 - Width(footer, 6), 4961 - 9, 6);
        EXPECT_EQ(texts, expected);

        // The requirement marked on both charts, then the legend's symbol.
        const std::vector<Call> circles = canvas.CallsOf(Kind::Ellipse);
        ASSERT_EQ(circles.size(), 6u);
        EXPECT_EQ(circles[4].Box, (Rect{x1, top + 24, x1 + 48, top + 72}));
        EXPECT_EQ(canvas.CallsOf(Kind::Bitmap).at(0).Box, (Rect{7016 - 1200 - 466, 165, 7016 - 466, 165 + 546}));
    }
}

TEST(CurvesPrint, PumpCoolersAndPagesTooSmallForTheChartsPrintNothing)
{
    const struct {
        const char* what;
        Size page;
        std::string type, motor;
        CurvesPrintOutcome outcome;
    } rows[] = {
        {"upright page of a printer before the job", {4961, 7016}, "KR 30", "400", CurvesPrintOutcome::Printed},
        {"one pixel per chart unit", {700, 600}, "KR 30", "400", CurvesPrintOutcome::Printed},
        {"598 pixels between the margins", {690, 600}, "KR 30", "400", CurvesPrintOutcome::PageTooNarrow},
        {"320 pixels between the margins", {700, 400}, "KR 30", "400", CurvesPrintOutcome::PageTooNarrow},
        {"pump cooler type", {7016, 4961}, "KRC 30", "400", CurvesPrintOutcome::NoCurves},
        {"pump drive", {7016, 4961}, "KR 30", "KRC", CurvesPrintOutcome::NoCurves},
    };
    for (const auto& row : rows) {
        RecordingCanvas canvas(row.page, {96, 96});
        const PrintContext context{Texts, {}, Pictures, false, "", ""};
        const tCoolType cooler = KnownCooler(row.type, row.motor);
        EXPECT_EQ(PrintPerformanceCurves(canvas, context, cooler, 0), row.outcome) << row.what;
        EXPECT_EQ(canvas.Calls().empty(), row.outcome != CurvesPrintOutcome::Printed) << row.what;
    }
}

}  // namespace
}  // namespace kr
