#include "core/present/selection_rectangle.h"

#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kr {
namespace {

using Corners = SelectionCorners;

TEST(SelectionRectangle, TheRubberBandFollowsTheMouseAndLeavesNoTrace)
{
    enum Event { Down, Move, Up };
    const struct {
        Event event;
        Point at;
        std::vector<Corners> outlines;
        std::string status;
    } steps[] = {
        {Move, {5, 5}, {}, " (5,5) R"},
        {Down, {10, 20}, {}, " [10,20 > 10,20 = 0 x 0]"},
        {Move, {30, 50}, {{{10, 20}, {30, 50}}}, " [10,20 > 30,50 = 20 x 30]"},
        // Without an area the values under the mouse are shown while dragging.
        {Move, {10, 60}, {{{10, 20}, {30, 50}}, {{10, 20}, {10, 60}}}, " [10,20 > 10,60 = 0 x 40] R"},
        {Up, {5, 8}, {{{10, 20}, {10, 60}}, {{10, 20}, {5, 8}}}, " (5,8)   [10,20 > 5,8 = 5 x 12]"},
        {Move, {100, 100}, {}, " (100,100)   [10,20 > 5,8 = 5 x 12]"},
        {Down, {40, 40}, {{{10, 20}, {5, 8}}}, " [40,40 > 40,40 = 0 x 0]"},
        {Up, {40, 40}, {{{40, 40}, {40, 40}}}, " (40,40)"},
        {Move, {41, 41}, {}, " (41,41) R"},
    };
    SelectionRectangle selection;
    std::vector<Corners> drawn;
    const auto readout = [](Point) { return std::string(" R"); };
    for (const auto& step : steps) {
        const SelectionUpdate update = step.event == Down ? selection.MouseDown(step.at)
                                       : step.event == Up ? selection.MouseUp(step.at)
                                                          : selection.MouseMove(step.at, readout);
        EXPECT_EQ(update.Outlines, step.outlines) << step.status;
        EXPECT_EQ(update.Status, step.status);
        drawn.insert(drawn.end(), update.Outlines.begin(), update.Outlines.end());
    }
    EXPECT_TRUE(selection.Shown());
    EXPECT_FALSE(selection.Dragging());

    // Leaving the tab removes what is shown: every outline was drawn twice.
    const std::vector<Corners> removed = selection.Clear();
    drawn.insert(drawn.end(), removed.begin(), removed.end());
    for (const Corners& outline : drawn)
        EXPECT_EQ(std::ranges::count(drawn, outline) % 2, 0) << outline.Second.X << "," << outline.Second.Y;
    EXPECT_FALSE(selection.Shown());
    EXPECT_TRUE(selection.Clear().empty());
}

TEST(SelectionRectangle, CopyTakesTheInsideOfTheRectangleOrTheWholePicture)
{
    const Size picture{580, 410};
    const Rect whole{0, 0, 580, 410};
    const struct {
        Point down, up;
        Rect copied;
    } rows[] = {
        {{10, 20}, {30, 50}, {11, 21, 29, 49}},
        {{30, 50}, {10, 20}, {11, 21, 29, 49}},  // dragged up and left
        {{10, 20}, {10, 50}, whole},             // no width
        {{10, 20}, {11, 50}, whole},             // nothing inside the lines
        {{-10, -10}, {700, 300}, {0, 0, 580, 299}},
    };
    for (const auto& row : rows) {
        SelectionRectangle selection;
        selection.MouseDown(row.down);
        selection.MouseUp(row.up);
        EXPECT_EQ(selection.CopyArea(picture), row.copied) << row.down.X << "," << row.down.Y;
        // The corners are put in order, while the outline drawn is the one removed.
        EXPECT_LE(selection.Corners().First.X, selection.Corners().Second.X);
        EXPECT_LE(selection.Corners().First.Y, selection.Corners().Second.Y);
        EXPECT_EQ(selection.Clear(), (std::vector<Corners>{{row.down, row.up}}));
    }
    EXPECT_EQ(SelectionRectangle().CopyArea(picture), whole);
}

TEST(SelectionRectangle, TheOutlineIsTwoExclusiveOrLinesOfTheRubberBandPen)
{
    test::RecordingCanvas canvas;
    const Pen own{colours::Red, 3, PenStyle::Solid, PenMode::Copy};
    canvas.SetPen(own);
    DrawSelectionOutline(canvas, {{30, 50}, {10, 20}});
    const auto lines = canvas.CallsOf(test::RecordingCanvas::Kind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Points, (std::vector<Point>{{30, 50}, {10, 50}, {10, 20}}));
    EXPECT_EQ(lines[1].Points, (std::vector<Point>{{30, 50}, {30, 20}, {10, 20}}));
    for (const auto& line : lines)
        EXPECT_EQ(line.LinePen, (Pen{colours::Aqua, 2, PenStyle::Dot, PenMode::Xor}));
    EXPECT_EQ(canvas.CurrentPen(), own);
}

}  // namespace
}  // namespace kr
