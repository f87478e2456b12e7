#include "drawgen/cooler_sheet.h"

#include <algorithm>
#include <functional>

#include "drawgen/cooler_geometry.h"
#include "drawgen/cooler_views.h"
#include "drawgen/drawgen_error.h"
#include "drawgen/drawing_layers.h"
#include "drawgen/sketch_bounds.h"
#include "drawgen/stroke_font.h"
#include "drawgen/view_parts.h"

namespace kr::drawgen {

namespace {

// Sheet layout in bitmap pixels.
constexpr double BorderInset = 6;
constexpr double ContentMargin = 12;
constexpr double ViewGap = 28;
constexpr double TitleBlockHeight = 48;
constexpr double NameCellWidth = 170;
constexpr double TypeCellWidth = 100;
constexpr double UnitCellWidth = 44;
constexpr double NamePixels = 20;
constexpr double TitlePadding = 10;

// Scales tried, in pixels per mm.
constexpr double SmallestScale = 0.02;
constexpr double LargestScale = 5;
constexpr int ScaleSearchSteps = 40;

using ViewPainter = std::function<void(Sketch&, const DrawingLayers&, const CoolerGeometry&, Point)>;

// How far a view reaches from its origin, in pixels: left and bottom are
// negative when it reaches left of or below the origin.
struct ViewReach {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    double Width() const { return right - left; }
};

ViewReach MeasureView(const ViewPainter& paint, const CoolerGeometry& geometry, double scale)
{
    Sketch scratch(SheetWidthPixels, SheetHeightPixels, scale);
    const DrawingLayers layers = AddDrawingLayers(scratch);
    paint(scratch, layers, geometry, {0, 0});
    const Box bounds = SketchBounds(scratch).value_or(Box{});
    return {bounds.left * scale, bounds.bottom * scale, bounds.right * scale, bounds.top * scale};
}

struct Layout {
    double scale = 0;
    ViewReach front;
    ViewReach side;
    double Width() const { return front.Width() + ViewGap + side.Width(); }
    double Height() const { return std::max(front.top, side.top) - std::min(front.bottom, side.bottom); }
};

struct ContentArea {
    double left = BorderInset + ContentMargin;
    double right = SheetWidthPixels - BorderInset - ContentMargin;
    double bottom = BorderInset + TitleBlockHeight + ContentMargin;
    double top = SheetHeightPixels - BorderInset - ContentMargin;
    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
};

Layout LayoutAt(const CoolerGeometry& geometry, double scale)
{
    return {scale, MeasureView(AddFrontView, geometry, scale), MeasureView(AddSideView, geometry, scale)};
}

bool Fits(const Layout& layout, const ContentArea& area) { return layout.Width() <= area.Width() && layout.Height() <= area.Height(); }

// The largest scale at which both views with their dimensions fit.
Layout FitViews(const std::string& drawingName, const CoolerGeometry& geometry, const ContentArea& area)
{
    Layout best = LayoutAt(geometry, SmallestScale);
    if (!Fits(best, area))
        throw DrawgenError(drawingName + ": the views do not fit on the sheet even at the smallest scale");
    double low = SmallestScale;
    double high = LargestScale;
    for (int step = 0; step < ScaleSearchSteps; ++step) {
        const double middle = (low + high) / 2;
        const Layout trial = LayoutAt(geometry, middle);
        if (Fits(trial, area)) {
            best = trial;
            low = middle;
        } else {
            high = middle;
        }
    }
    return best;
}

const char* DriveText(DriveFamily drive)
{
    switch (drive) {
    case DriveFamily::Dc:
        return "DC";
    case DriveFamily::Hydraulic:
        return "HYD";
    case DriveFamily::Krc:
        return "KRC";
    case DriveFamily::Ac:
        break;
    }
    return "AC";
}

void AddBorderAndTitle(Sketch& sketch, const DrawingLayers& layers, const std::string& drawingName, const CoolerDescription& description)
{
    const auto at = [&](double xPixels, double yPixels) { return Point{sketch.Units(xPixels), sketch.Units(yPixels)}; };
    sketch.AddBox(layers.title, {sketch.Units(BorderInset), sketch.Units(BorderInset), sketch.Units(SheetWidthPixels - BorderInset),
                                 sketch.Units(SheetHeightPixels - BorderInset)});

    const double right = SheetWidthPixels - BorderInset;
    const double left = right - NameCellWidth - TypeCellWidth - UnitCellWidth;
    const double bottom = BorderInset;
    const double top = bottom + TitleBlockHeight;
    const double middle = (bottom + top) / 2;
    const double typeLeft = left + NameCellWidth;
    const double unitLeft = typeLeft + TypeCellWidth;
    sketch.AddPolyline(layers.title, {at(left, bottom), at(left, top), at(right, top)});
    sketch.AddLine(layers.title, at(typeLeft, bottom), at(typeLeft, top));
    sketch.AddLine(layers.title, at(unitLeft, bottom), at(unitLeft, top));
    sketch.AddLine(layers.detail, at(typeLeft, middle), at(unitLeft, middle));

    // The longest names (13 characters) get smaller letters to stay in their cell.
    const double nameRoom = NameCellWidth - 2 * TitlePadding;
    const double namePixels = std::min(NamePixels, NamePixels * nameRoom / TextWidth(drawingName, NamePixels));
    sketch.AddText({layers.title, at(left + TitlePadding, middle), sketch.Units(namePixels), drawingName, HAlign::Left, VAlign::Middle});
    sketch.AddText({layers.text, at(typeLeft + 8, (middle + top) / 2), sketch.Units(LabelPixels), description.typeCode, HAlign::Left, VAlign::Middle});
    sketch.AddText({layers.text, at(typeLeft + 8, (bottom + middle) / 2), sketch.Units(LabelPixels), DriveText(description.drive),
                    HAlign::Left, VAlign::Middle});
    sketch.AddText({layers.text, at(unitLeft + UnitCellWidth / 2, middle), sketch.Units(LabelPixels), "MM", HAlign::Centre, VAlign::Middle});
}

}  // namespace

Sketch BuildCoolerSheet(const std::string& drawingName, const CoolerDescription& description)
{
    const CoolerGeometry geometry(description);
    const ContentArea area;
    const Layout layout = FitViews(drawingName, geometry, area);

    Sketch sketch(SheetWidthPixels, SheetHeightPixels, layout.scale);
    const DrawingLayers layers = AddDrawingLayers(sketch);
    AddBorderAndTitle(sketch, layers, drawingName, description);

    // Both views stand on one floor line; the pair is centred in the area.
    const double floor = area.bottom + (area.Height() - layout.Height()) / 2 - std::min(layout.front.bottom, layout.side.bottom);
    const double frontLeft = area.left + (area.Width() - layout.Width()) / 2;
    const double frontOrigin = frontLeft - layout.front.left;
    const double sideOrigin = frontLeft + layout.front.Width() + ViewGap - layout.side.left;
    AddFrontView(sketch, layers, geometry, {sketch.Units(frontOrigin), sketch.Units(floor)});
    AddSideView(sketch, layers, geometry, {sketch.Units(sideOrigin), sketch.Units(floor)});
    return sketch;
}

}  // namespace kr::drawgen
