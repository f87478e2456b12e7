#include "core/print/curves_print.h"

#include "core/common/number_text.h"
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "core/engine/duty_input.h"
#include "core/engine/record_match.h"
#include "core/present/curve_chart.h"
#include "core/present/curve_sweep.h"
#include "core/print/landscape_sheet.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <algorithm>

namespace kr {

namespace {

constexpr int HeadingPoints = 30;
constexpr int DesignationPoints = 14;
constexpr int ConditionsPoints = 12;  // also the legend's text
constexpr std::string_view LineHeightSample = "W";

// The heading and the logo stand a third of the top margin below the edge.
constexpr int HeadingTopParts = 3;
// The conditions start this many chart rows below the top margin, under
// the flow axes and their labels.
constexpr int ConditionsTopRows = 410;
// The value column leaves room for the longest label a little wider than
// the oil temperature's and for a value of six digits and a decimal.
constexpr double LabelColumnStretch = 1.25;
constexpr std::string_view WidestValue = "999999.9";
constexpr std::string_view ViscosityUnit = "cSt";
// The legend's symbol is lowered to the middle of the text and the text
// follows the symbol's width, both in pen units.
constexpr int LegendSymbolDrop = 4;
constexpr int LegendTextOffset = 8;

bool HasNoCurves(const tCoolType& cooler)
{
    return IsKrcType(cooler.CoolerType()) || cooler.MotorKind() == DriveKey::KRC;
}

// Below one printer pixel per chart unit the charts would collapse onto
// their origins, across (too narrow a page) or down (too low a page).
bool ChartsFit(const ChartGeometry& geometry)
{
    return geometry.UnitX >= 1 && geometry.UnitY >= 1;
}

struct ConditionRow {
    TextKey Label;
    Extended Value;  // in the unit shown
    std::string_view Unit;
};

// The duty the curves were rated at, in the units the user chose. Each row
// has its own line; the viscosity is that of the oil leaving the cooler.
std::array<ConditionRow, 3> ConditionRows(const tCoolType& cooler)
{
    return {{
        {keys::OilTemperatureInlet, ConvertTemperature(0, cooler.InletTempUnit, cooler.OilInletTemp),
         UnitName(UnitsTemperature, cooler.InletTempUnit)},
        {keys::OilViscosity, cooler.Viscosity, ViscosityUnit},
        {keys::AmbientTemperature, ConvertTemperature(0, cooler.AmbientUnit, cooler.AmbientTemp),
         UnitName(UnitsTemperature, cooler.AmbientUnit)},
    }};
}

// Label, value and unit per row; the values end where the same values with
// two decimals would, so that their decimal separators line up. The font
// must be set.
void DrawConditions(Canvas& canvas, const PrintContext& context, const tCoolType& cooler, Point origin)
{
    const int lineHeight = canvas.TextExtent(LineHeightSample).Height;
    const int labelWidth = canvas.TextExtent(context.Texts.Lookup(keys::OilTemperatureInlet.Key)).Width;
    const int valueEnd = origin.X + static_cast<int>(std::trunc(LabelColumnStretch * labelWidth)) +
                         canvas.TextExtent(WidestValue).Width;
    const char separator = context.Format.DecimalSeparator;
    int y = origin.Y;
    for (const ConditionRow& row : ConditionRows(cooler)) {
        const std::string aligned = FormatValue(2, 0, true, row.Value, false, separator);
        canvas.TextOut(origin.X, y, context.Texts.Lookup(row.Label.Key));
        canvas.TextOut(valueEnd - canvas.TextExtent(aligned).Width, y,
                       FormatValue(1, 0, false, row.Value, false, separator));
        canvas.TextOut(valueEnd, y, row.Unit);
        y += lineHeight;
    }
}

// The conditions stand 410 chart rows below the top margin, which on a
// whole page leaves room for little more than two of their lines: the
// block is lifted, into the room under the flow labels, until its last
// line ends on the page.
int ConditionsTop(Canvas& canvas, const ChartGeometry& geometry, const LandscapeSheet& sheet)
{
    const int lineHeight = canvas.TextExtent(LineHeightSample).Height;
    const int rows = static_cast<int>(ConditionRows(tCoolType()).size());
    return std::min(ConditionsTopRows * geometry.UnitY + sheet.MarginY, sheet.Page.Height - rows * lineHeight);
}

void DrawCentred(Canvas& canvas, int pageWidth, int y, std::string_view text)
{
    if (!text.empty())
        canvas.TextOut((pageWidth - canvas.TextExtent(text).Width) / 2, y, text);
}

// Who the curves come from and which cooler they show, centred at the top.
void DrawHeading(Canvas& canvas, const PrintContext& context, const tCoolType& cooler, const LandscapeSheet& sheet)
{
    int y = sheet.MarginY / HeadingTopParts;
    canvas.SetFont(SansFont(HeadingPoints, true));
    DrawCentred(canvas, sheet.Page.Width, y, SenderLine(context));
    y += canvas.TextExtent(LineHeightSample).Height;
    canvas.SetFont(SansFont(DesignationPoints));
    DrawCentred(canvas, sheet.Page.Width, y, cooler.Designation());
}

}  // namespace

CurvesPrintOutcome PrintPerformanceCurves(Canvas& canvas, const PrintContext& context, const tCoolType& cooler,
                                          int pressureUnit)
{
    if (HasNoCurves(cooler))
        return CurvesPrintOutcome::NoCurves;
    // Decided before the job begins, so that a page too small gives no
    // empty sheet; the printer may report its page upright until then.
    if (!ChartsFit(PrintedChartGeometry(LandscapeSize(canvas.PageSize()), canvas.Resolution())))
        return CurvesPrintOutcome::PageTooNarrow;

    const LanguageTable& texts = context.Texts;
    canvas.BeginDocument(texts.Lookup(keys::PerformanceCurves.Key) + " " + cooler.Designation(),
                         Orientation::Landscape);
    const LandscapeSheet sheet = LandscapeSheetOf(canvas);
    const ChartGeometry geometry = PrintedChartGeometry(sheet.Page, canvas.Resolution());

    // Drawn from a sweep of its own, so that the page never depends on what
    // the screen last showed.
    const PerformanceCurves curves = SweepCurves(cooler);
    DrawPerformanceCharts(canvas, {curves, cooler, pressureUnit, texts, context.Format}, geometry);

    // The conditions under the first chart and the legend beside them,
    // under the second: below the conditions it would run off the page.
    canvas.SetFont(SansFont(ConditionsPoints));
    const int top = ConditionsTop(canvas, geometry, sheet);
    DrawConditions(canvas, context, cooler, {geometry.OriginX[0], top});
    const int legendLeft = geometry.OriginX[1];
    const int d = geometry.PenUnit;
    DrawRequirementLegend(canvas,
                          {{legendLeft, top + LegendSymbolDrop * d}, {legendLeft + LegendTextOffset * d, top},
                           ConditionsPoints},
                          d, texts.Lookup(keys::Requirement.Key));

    DrawHeading(canvas, context, cooler, sheet);
    DrawSheetLogo(canvas, context, sheet, sheet.MarginX, sheet.MarginY / HeadingTopParts);
    DrawStandardFooter(canvas, context);
    canvas.EndDocument();
    return CurvesPrintOutcome::Printed;
}

}  // namespace kr
