#pragma once

#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace kr::gui {

// The main window has one fixed size on the start menu and one of three
// sizes elsewhere, each with its own layout of the controls.
inline constexpr QSize StartMenuSize{280, 300};
enum class LayoutSize { Small, Medium, Large };
inline constexpr std::array<QSize, 3> MainWindowSizes{QSize(600, 400), QSize(760, 520), QSize(984, 688)};
inline constexpr QSize MinimumMainSize = MainWindowSizes[0];
inline constexpr QSize MaximumMainSize = MainWindowSizes[2];

QSize WindowSizeOf(LayoutSize size);

// The layout for a window height; none for any other height.
std::optional<LayoutSize> LayoutSizeForHeight(int height);

// Every change of the bounds: below 601 pixels wide the small size, below
// 761 the medium one, else the large one; the height asked for is ignored.
QSize SnapWindowSize(int requestedWidth);

// The border the user drags.
enum class DragEdge { Left, Top, TopLeft, TopRight, BottomLeft, Right, BottomRight, Bottom };

// The size a drag of that border to the dragged size chooses; none where
// the drag must not resize (the left and top borders and their corners).
std::optional<QSize> DraggedWindowSize(DragEdge edge, QSize dragged);

// The borders a drag has moved so far, gathered over every bounds the
// platform reported since the window last rested: a border dragged out and
// back still counts, so a left-edge drag is never taken for a right one.
struct MovedEdges {
    bool Left = false;
    bool Top = false;
    bool Right = false;
    bool Bottom = false;

    MovedEdges& operator|=(const MovedEdges& other);
};

MovedEdges EdgesMovedBetween(const QRect& before, const QRect& after);
DragEdge EdgeOf(const MovedEdges& moved);

// Which border a drag moved, read from the bounds before and after it.
DragEdge DragEdgeBetween(const QRect& before, const QRect& after);

// Where a drag that started from the resting bounds ends: the resting
// bounds for a border that must not resize, else the size the drag chose
// at the resting position.
QRect SettledBounds(const QRect& resting, const MovedEdges& moved, QSize dragged);

}  // namespace kr::gui
