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

DragEdge DragEdgeBetween(const QRect& before, const QRect& after)
{
    const bool leftMoved = after.left() != before.left();
    const bool topMoved = after.top() != before.top();
    const bool rightMoved = after.right() != before.right();
    const bool bottomMoved = after.bottom() != before.bottom();
    if (leftMoved && topMoved)
        return DragEdge::TopLeft;
    if (topMoved)
        return rightMoved ? DragEdge::TopRight : DragEdge::Top;
    if (leftMoved)
        return bottomMoved ? DragEdge::BottomLeft : DragEdge::Left;
    if (rightMoved && bottomMoved)
        return DragEdge::BottomRight;
    return bottomMoved ? DragEdge::Bottom : DragEdge::Right;
}

}  // namespace kr::gui
