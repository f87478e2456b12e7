#include "gui/app/size_snapping.h"

namespace kr::gui {

namespace {

// Bounds of the snapping by requested width.
constexpr int SmallBelowWidth = 601;
constexpr int MediumBelowWidth = 761;

// Bounds of the choice while dragging: halfway between the sizes.
constexpr int DragSmallBelowWidth = 681;
constexpr int DragMediumBelowWidth = 873;
constexpr int DragSmallBelowHeight = 461;
constexpr int DragMediumBelowHeight = 605;

QSize ByThresholds(int value, int smallBelow, int mediumBelow)
{
    if (value < smallBelow)
        return WindowSizeOf(LayoutSize::Small);
    if (value < mediumBelow)
        return WindowSizeOf(LayoutSize::Medium);
    return WindowSizeOf(LayoutSize::Large);
}

}  // namespace

QSize WindowSizeOf(LayoutSize size)
{
    return MainWindowSizes[static_cast<std::size_t>(size)];
}

std::optional<LayoutSize> LayoutSizeForHeight(int height)
{
    for (LayoutSize size : {LayoutSize::Small, LayoutSize::Medium, LayoutSize::Large}) {
        if (WindowSizeOf(size).height() == height)
            return size;
    }
    return std::nullopt;
}

QSize SnapWindowSize(int requestedWidth)
{
    return ByThresholds(requestedWidth, SmallBelowWidth, MediumBelowWidth);
}

std::optional<QSize> DraggedWindowSize(DragEdge edge, QSize dragged)
{
    switch (edge) {
    case DragEdge::Right:
    case DragEdge::BottomRight: return ByThresholds(dragged.width(), DragSmallBelowWidth, DragMediumBelowWidth);
    case DragEdge::Bottom: return ByThresholds(dragged.height(), DragSmallBelowHeight, DragMediumBelowHeight);
    case DragEdge::Left:
    case DragEdge::Top:
    case DragEdge::TopLeft:
    case DragEdge::TopRight:
    case DragEdge::BottomLeft: return std::nullopt;
    }
    return std::nullopt;
}

MovedEdges& MovedEdges::operator|=(const MovedEdges& other)
{
    Left = Left || other.Left;
    Top = Top || other.Top;
    Right = Right || other.Right;
    Bottom = Bottom || other.Bottom;
    return *this;
}

MovedEdges EdgesMovedBetween(const QRect& before, const QRect& after)
{
    return {after.left() != before.left(), after.top() != before.top(), after.right() != before.right(),
            after.bottom() != before.bottom()};
}

DragEdge EdgeOf(const MovedEdges& moved)
{
    if (moved.Left && moved.Top)
        return DragEdge::TopLeft;
    if (moved.Top)
        return moved.Right ? DragEdge::TopRight : DragEdge::Top;
    if (moved.Left)
        return moved.Bottom ? DragEdge::BottomLeft : DragEdge::Left;
    if (moved.Right && moved.Bottom)
        return DragEdge::BottomRight;
    return moved.Bottom ? DragEdge::Bottom : DragEdge::Right;
}

DragEdge DragEdgeBetween(const QRect& before, const QRect& after)
{
    return EdgeOf(EdgesMovedBetween(before, after));
}

QRect SettledBounds(const QRect& resting, const MovedEdges& moved, QSize dragged)
{
    const std::optional<QSize> size = DraggedWindowSize(EdgeOf(moved), dragged);
    return size ? QRect(resting.topLeft(), *size) : resting;
}

}  // namespace kr::gui
