#include "core/present/selection_rectangle.h"

#include "core/common/delphi_format.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kr {

namespace {

constexpr std::string_view CornersPattern = " [%d,%d > %d,%d = %d x %d]";
constexpr std::string_view PositionPattern = " (%d,%d)";

std::string CornersTextOf(const SelectionCorners& c)
{
    const long long width = std::llabs(static_cast<long long>(c.Second.X) - c.First.X);
    const long long height = std::llabs(static_cast<long long>(c.Second.Y) - c.First.Y);
    return Format(CornersPattern, {c.First.X, c.First.Y, c.Second.X, c.Second.Y, width, height});
}

}  // namespace

std::array<std::array<Point, 3>, 2> SelectionOutlineLines(const SelectionCorners& c)
{
    return {{{c.First, Point{c.Second.X, c.First.Y}, c.Second}, {c.First, Point{c.First.X, c.Second.Y}, c.Second}}};
}

void DrawSelectionOutline(Canvas& canvas, const SelectionCorners& corners)
{
    const Pen previous = canvas.CurrentPen();
    canvas.SetPen(SelectionPen);
    for (const auto& line : SelectionOutlineLines(corners))
        canvas.Polyline(line);
    canvas.SetPen(previous);
}

bool SelectionRectangle::HasArea() const
{
    return shown_ && corners_.First.X != corners_.Second.X && corners_.First.Y != corners_.Second.Y;
}

std::string SelectionRectangle::CornersText() const { return CornersTextOf(corners_); }

std::string SelectionRectangle::PositionText(Point at) const
{
    std::string text = Format(PositionPattern, {at.X, at.Y});
    if (HasArea())
        text += "  " + CornersText();
    return text;
}

void SelectionRectangle::RemoveDrawn(SelectionUpdate& update)
{
    if (drawn_)
        update.Outlines.push_back(*std::exchange(drawn_, std::nullopt));
}

void SelectionRectangle::DrawCurrent(SelectionUpdate& update)
{
    drawn_ = corners_;
    update.Outlines.push_back(corners_);
}

SelectionUpdate SelectionRectangle::MouseDown(Point at)
{
    SelectionUpdate update;
    dragging_ = true;
    RemoveDrawn(update);
    shown_ = true;
    corners_ = {at, at};
    update.Status = CornersText();
    return update;
}

SelectionUpdate SelectionRectangle::MouseMove(Point at, const Readout& readout)
{
    SelectionUpdate update;
    if (dragging_) {
        RemoveDrawn(update);
        corners_.Second = at;
        DrawCurrent(update);
        update.Status = CornersText();
    } else {
        update.Status = PositionText(at);
    }
    if (readout && !HasArea())
        update.Status += readout(at);
    return update;
}

SelectionUpdate SelectionRectangle::MouseUp(Point at)
{
    SelectionUpdate update;
    if (dragging_) {
        RemoveDrawn(update);
        corners_.Second = at;
        DrawCurrent(update);
        dragging_ = false;
    }
    update.Status = PositionText(at);
    return update;
}

std::vector<SelectionCorners> SelectionRectangle::Clear()
{
    SelectionUpdate update;
    RemoveDrawn(update);
    *this = SelectionRectangle{};
    return std::move(update.Outlines);
}

Rect SelectionRectangle::CopyArea(Size picture)
{
    const Rect whole{0, 0, picture.Width, picture.Height};
    if (!shown_)
        return whole;
    Point& first = corners_.First;
    Point& second = corners_.Second;
    if (first.X > second.X)
        std::swap(first.X, second.X);
    if (first.Y > second.Y)
        std::swap(first.Y, second.Y);
    if (first.X == second.X || first.Y == second.Y)
        return whole;
    // One pixel in from each line; a rectangle dragged beyond the picture's
    // edge copies only what lies on it.
    const Rect inside{std::max(first.X + 1, 0), std::max(first.Y + 1, 0), std::min(second.X - 1, picture.Width),
                      std::min(second.Y - 1, picture.Height)};
    if (inside.Width() <= 0 || inside.Height() <= 0)
        return whole;
    return inside;
}

}  // namespace kr
