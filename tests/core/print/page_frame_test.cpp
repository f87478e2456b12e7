#include "core/print/print_context.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kr {
namespace {

using test::RecordingCanvas;

const LanguageTable& Texts()
{
    static const LanguageTable table({
        "Kalvorn Group=Maker Ltd", "Address=Road 1", "Post=12345 Town", "Country=Land", "Phone=Phone 1",
        "Fax=Fax 2", "Date=Date", "print print=Printed with %s, %s", "KR oil coolers=Coolers", "Version=V1",
    });
    return table;
}

// An A4 page at 600 dpi: margins 496 and 466, scale 6, content top 1101.
constexpr Size A4At600{4960, 7014};
constexpr Size Dpi600{600, 600};
const std::filesystem::path Pictures = "/pictures";
const std::filesystem::path Logo = Pictures / "kalvorn.bmp";

TEST(PageFrame, ScaleRoundsResolutionOverScreenLessAllowance)
{
    for (const auto& [dpi, scale] : {std::pair{600, 6}, {300, 3}, {96, 1}, {144, 1}, {1200, 12}, {720, 7}})
        EXPECT_EQ(PrintScale(dpi), scale) << dpi;
}

TEST(PageFrame, GeometryFromPageAndResolution)
{
    const PageGeometry a4 = PageGeometryOf(RecordingCanvas(A4At600, Dpi600));
    EXPECT_EQ(std::tuple(a4.MarginX, a4.MarginY, a4.ScaleX, a4.ScaleY, a4.ContentTop),
              std::tuple(496, 466, 6, 6, 1101));
    // Resolutions differ by axis; margins keep steps of two pixels.
    const PageGeometry odd = PageGeometryOf(RecordingCanvas({2479, 3508}, {300, 600}));
    EXPECT_EQ(std::tuple(odd.MarginX, odd.MarginY, odd.ScaleX, odd.ScaleY, odd.ContentTop),
              std::tuple(246, 232, 3, 6, 402 + 116 + 232));
}

// Each text as "text@x,y/points".
std::vector<std::string> Written(const RecordingCanvas& canvas)
{
    std::vector<std::string> texts;
    for (const auto& c : canvas.CallsOf(RecordingCanvas::Kind::Text))
        texts.push_back(c.Text + "@" + std::to_string(c.Points[0].X) + "," + std::to_string(c.Points[0].Y) + "/" +
                        std::to_string(c.TextFont.Points) + (c.TextFont.Family == "Arial" ? "" : c.TextFont.Family));
    return texts;
}

TEST(PageFrame, HeaderPlacesSenderBlockAndDate)
{
    // Lines are 13 pixels high at 9 points. A logo of 120 x 60 prints 720 x
    // 360 with its left edge at 4960 − 720 − 496 = 3744, the block from
    // 360 + 233 + 466 = 1059 down. Without a logo the block starts at 699
    // and ends at the right margin with its widest line, the 12-point date
    // (120 pixels) or an own line of 22 characters (132).
    struct Case {
        bool WithLogo;
        bool NameOnPrint;
        std::string NameAddress;
        std::vector<std::string> Expected;
    };
    const std::vector<Case> cases{
        {true, false, "",
         {"Maker Ltd@3744,1059/9", "Road 1@3744,1072/9", "12345 Town@3744,1085/9", "Land@3744,1098/9",
          "Phone 1@3744,1111/9", "Fax 2@3744,1124/9", "Date 31.12.2026@3744,1150/12"}},
        // The date stays 7 lines below the content top, whatever the number of own lines.
        {true, true, "Anna Smith\r\nHigh St 5\r\n",
         {"Anna Smith@3744,1059/9", "High St 5@3744,1072/9", "Date 31.12.2026@3744,1192/12"}},
        {false, false, "",
         {"Maker Ltd@4344,699/9", "Road 1@4344,712/9", "12345 Town@4344,725/9", "Land@4344,738/9",
          "Phone 1@4344,751/9", "Fax 2@4344,764/9", "Date 31.12.2026@4344,790/12"}},
        {false, true, "A much longer own name\nX\r\rZ",
         {"A much longer own name@4332,699/9", "X@4332,712/9", "@4332,725/9", "Z@4332,738/9",
          "Date 31.12.2026@4332,1192/12"}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas(A4At600, Dpi600);
        if (c.WithLogo)
            canvas.Bitmaps[Logo] = {120, 60};
        const PrintContext context{Texts(), {}, Pictures, c.NameOnPrint, c.NameAddress, "31.12.2026"};
        EXPECT_EQ(DrawStandardHeader(canvas, context).ContentTop, 1101);
        EXPECT_EQ(Written(canvas), c.Expected);
        const auto bitmaps = canvas.CallsOf(RecordingCanvas::Kind::Bitmap);
        ASSERT_EQ(bitmaps.size(), c.WithLogo ? 1u : 0u);
        if (c.WithLogo) {
            EXPECT_EQ(bitmaps[0].Box, (Rect{3744, 466, 3744 + 720, 466 + 360}));
        }
    }
}

TEST(PageFrame, FooterEndsAtThePagesRightAndBottomEdges)
{
    RecordingCanvas canvas(A4At600, Dpi600);
    DrawStandardFooter(canvas, {Texts(), {}, Pictures, false, "", ""});
    // 24 characters of 4 by 9 pixels at 6 points.
    EXPECT_EQ(Written(canvas), std::vector<std::string>{"Printed with Coolers, V1@4864,7005/6Times New Roman"});
}

}  // namespace
}  // namespace kr
