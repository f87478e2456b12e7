#include <gtest/gtest.h>

#include <algorithm>

#include "drawgen/occlusion.h"
#include "drawgen/raster_canvas.h"
#include "drawgen/stroke_font.h"

namespace kr::drawgen {
namespace {

TEST(RasterCanvas, FillsExactlyThePixelsWhoseCentresAreInside)
{
    Image image(5, 5, White);
    RasterCanvas(image).FillPolygon({{1, 1}, {3, 1}, {3, 3}, {1, 3}}, Black);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.At(x, y) == Black, x >= 1 && x <= 2 && y >= 1 && y <= 2) << x << "," << y;
}

TEST(RasterCanvas, DashesRunOnAlongThePolylineAcrossItsCorners)
{
    Image image(30, 12, White);
    const double dashes[] = {6, 3};
    // 4 pixels along the first leg, the rest of the first dash after the corner.
    RasterCanvas(image).StrokePolyline({{0.5, 0.5}, {4.5, 0.5}, {4.5, 10.5}}, 1, Black, dashes);
    EXPECT_EQ(image.At(2, 0), Black);
    EXPECT_EQ(image.At(4, 1), Black);  // still the first dash: 4 + 2 = 6
    EXPECT_EQ(image.At(4, 4), White);  // in the gap from 6 to 9 along the line
    EXPECT_EQ(image.At(4, 8), Black);  // second dash from 9
}

TEST(RasterCanvas, AWidePenCoversItsWidthAndIgnoresPointsOffTheImage)
{
    Image image(10, 10, White);
    RasterCanvas canvas(image);
    canvas.StrokeSegment({-5, 5}, {20, 5}, 3, Black);  // covers y from 3.5 to 6.5, ends off the image
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.At(x, 2), White);
        EXPECT_EQ(image.At(x, 3), Black);
        EXPECT_EQ(image.At(x, 4), Black);
        EXPECT_EQ(image.At(x, 5), Black);
        EXPECT_EQ(image.At(x, 6), White);
    }
}

TEST(Occlusion, ASegmentKeepsThePiecesOutsideEveryOccluder)
{
    struct Case {
        std::vector<Occluder> occluders;
        std::vector<std::pair<double, double>> expected;  // x ranges along y = 0
    };
    const std::vector<Case> cases = {
        {{}, {{0, 10}}},
        {{Disk{{5, 0}, 2}}, {{0, 3}, {7, 10}}},
        {{Box{2, -1, 4, 1}, Disk{{7, 0}, 1}}, {{0, 2}, {4, 6}, {8, 10}}},
        {{Box{-1, -1, 11, 1}}, {}},
        {{Box{2, 1, 4, 3}}, {{0, 10}}},                    // beside the line
        {{Box{2, -1, 5, 1}, Box{4, -1, 6, 1}}, {{0, 2}, {6, 10}}},  // overlapping occluders
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const auto pieces = VisibleSegments({0, 0}, {10, 0}, cases[i].occluders);
        ASSERT_EQ(pieces.size(), cases[i].expected.size());
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            EXPECT_NEAR(pieces[p].first.x, cases[i].expected[p].first, 1e-9);
            EXPECT_NEAR(pieces[p].second.x, cases[i].expected[p].second, 1e-9);
        }
    }
}

TEST(Occlusion, ACircleKeepsOneArcAcrossZeroDegrees)
{
    EXPECT_EQ(VisibleArcs({0, 0}, 10, {}), (std::vector<std::pair<double, double>>{{0, 360}}));
    // A box over the top hides 30..150 degrees.
    const auto arcs = VisibleArcs({0, 0}, 10, {Box{-20, 5, 20, 20}});
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_NEAR(arcs[0].first, -210, 1e-9);
    EXPECT_NEAR(arcs[0].second, 30, 1e-9);
    // A disk on the right edge hides a piece around 0 degrees.
    const auto bitten = VisibleArcs({0, 0}, 10, {Disk{{10, 0}, 2}});
    ASSERT_EQ(bitten.size(), 1u);
    EXPECT_GT(bitten[0].first, 0);
    EXPECT_LT(bitten[0].second, 360);
    EXPECT_NEAR(bitten[0].first + bitten[0].second, 360, 1e-9);
}

TEST(StrokeFont, WidthsAndPlacement)
{
    EXPECT_DOUBLE_EQ(TextWidth("AB", 6), 4 + 1.5 + 4);
    EXPECT_DOUBLE_EQ(TextWidth("AB", 12), 2 * TextWidth("AB", 6));
    EXPECT_DOUBLE_EQ(TextWidth("", 12), 0);
    EXPECT_FALSE(CanDraw(U'a'));
    EXPECT_TRUE(CanDraw(U'\u00D8'));
    EXPECT_EQ(FirstUndrawable("IN G 1 1/2"), 0u);
    EXPECT_EQ(FirstUndrawable("IN g 1"), U'g');

    const auto extent = [](const Text& text) {
        Box box{1e9, 1e9, -1e9, -1e9};
        for (const auto& stroke : TextStrokes(text))
            for (const Point p : stroke)
                box = {std::min(box.left, p.x), std::min(box.bottom, p.y), std::max(box.right, p.x), std::max(box.top, p.y)};
        return box;
    };
    const Box centred = extent({0, {100, 50}, 6, "H", HAlign::Centre, VAlign::Middle});
    EXPECT_DOUBLE_EQ(centred.left, 98);
    EXPECT_DOUBLE_EQ(centred.right, 102);
    EXPECT_DOUBLE_EQ(centred.bottom, 47);
    EXPECT_DOUBLE_EQ(centred.top, 53);
    // Turned a quarter: the text reads upwards and its top points left.
    const Box turned = extent({0, {0, 0}, 6, "H", HAlign::Left, VAlign::Baseline, 90});
    EXPECT_NEAR(turned.left, -6, 1e-9);
    EXPECT_NEAR(turned.right, 0, 1e-9);
    EXPECT_NEAR(turned.bottom, 0, 1e-9);
    EXPECT_NEAR(turned.top, 4, 1e-9);
}

}  // namespace
}  // namespace kr::drawgen
