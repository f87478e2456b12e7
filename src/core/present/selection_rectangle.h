#pragma once

#include "core/canvas/canvas.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// Two corners of a rectangle in picture pixels, in the order the mouse made
// them: First where the button went down.
struct SelectionCorners {
    Point First;
    Point Second;
    bool operator==(const SelectionCorners&) const = default;
};

// The rubber band is drawn exclusive-or, so drawing an outline a second time
// removes it and leaves the picture as it was.
inline constexpr Pen SelectionPen{colours::Aqua, 2, PenStyle::Dot, PenMode::Xor};

// The two three-point lines that outline a rectangle: along the first
// corner's row then down to the second, and along its column then across.
std::array<std::array<Point, 3>, 2> SelectionOutlineLines(const SelectionCorners& corners);

// Draws the outline with SelectionPen; the canvas keeps its own pen.
void DrawSelectionOutline(Canvas& canvas, const SelectionCorners& corners);

// Status text for the mouse over the scroll area beside a picture.
inline constexpr std::string_view OutsidePictureStatus = " -";

// What the picture's owner does after a mouse event: draw each outline in
// order with DrawSelectionOutline (removing one is drawing it again) and
// repaint when there are any, and show Status.
struct SelectionUpdate {
    std::vector<SelectionCorners> Outlines;
    std::string Status;
};

// The rectangle a user drags over a picture (the curves or a drawing) to
// copy part of it. Every outline it asks to draw it later asks to remove
// exactly once, so the picture never keeps a trace of it.
class SelectionRectangle {
public:
    // The value under the mouse, appended to the status while no rectangle
    // with an area is shown (the curves' readout).
    using Readout = std::function<std::string(Point)>;

    SelectionUpdate MouseDown(Point at);
    SelectionUpdate MouseMove(Point at, const Readout& readout = {});
    SelectionUpdate MouseUp(Point at);
    // Leaving the picture's tab or loading another picture: the rectangle is
    // removed and forgotten. Returns the outlines to draw for that.
    std::vector<SelectionCorners> Clear();

    bool Shown() const { return shown_; }
    bool Dragging() const { return dragging_; }
    const SelectionCorners& Corners() const { return corners_; }
    // Both extents non-zero.
    bool HasArea() const;

    // The part of a picture of the given size to copy: the inside of a shown
    // rectangle without its lines, within the picture. The corners are put
    // in order first (the outline on the picture stays as drawn). Without a
    // rectangle, or when its inside holds no pixel of the picture, the whole
    // picture.
    Rect CopyArea(Size picture);

private:
    std::string CornersText() const;
    std::string PositionText(Point at) const;
    void RemoveDrawn(SelectionUpdate& update);
    void DrawCurrent(SelectionUpdate& update);

    bool shown_ = false;
    bool dragging_ = false;
    SelectionCorners corners_;
    // The outline now on the picture, if any.
    std::optional<SelectionCorners> drawn_;
};

}  // namespace kr
