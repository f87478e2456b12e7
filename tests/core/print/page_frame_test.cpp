#include "core/print/print_context.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <ostream>
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

struct Placed {
    std::string Text;
    int X;
    int Y;
    int Points;
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p)
{
    return out << '"' << p.Text << "\" at " << p.X << ',' << p.Y << " in " << p.Points << "pt";
}

struct HeaderCase {
    const char* Name;
    bool WithLogo;
    bool NameOnPrint;
    std::string NameAddress;
    std::vector<Placed> Expected;
};

TEST(PageFrame, HeaderPlacesSenderBlockAndDate)
{
    // The recording canvas's lines are 13 pixels high at 9 points. A logo of
    // 120 x 60 is printed 720 x 360, its left edge at 4960 − 720 − 496.
    const int logoLeft = 3744;
    const int blockTop = 360 + 233 + 466;
    const int blockTopNoLogo = 233 + 466;
    // Without a logo the widest line, the 12-point date, ends at the margin.
    const int noLogoLeft = 4960 - 496 - 15 * 8;
    const std::vector<HeaderCase> cases{
        {"company block under the logo", true, false, "",
         {{"Maker Ltd", logoLeft, blockTop, 9},
          {"Road 1", logoLeft, blockTop + 13, 9},
          {"12345 Town", logoLeft, blockTop + 26, 9},
          {"Land", logoLeft, blockTop + 39, 9},
          {"Phone 1", logoLeft, blockTop + 52, 9},
          {"Fax 2", logoLeft, blockTop + 65, 9},
          {"Date 31.12.2026", logoLeft, blockTop + 91, 12}}},
        {"own two lines keep the date at its fixed place", true, true, "Anna Smith\r\nHigh St 5\r\n",
         {{"Anna Smith", logoLeft, blockTop, 9},
          {"High St 5", logoLeft, blockTop + 13, 9},
          {"Date 31.12.2026", logoLeft, 1101 + 7 * 13, 12}}},
        {"no logo: the block ends at the right margin", false, false, "",
         {{"Maker Ltd", noLogoLeft, blockTopNoLogo, 9},
          {"Road 1", noLogoLeft, blockTopNoLogo + 13, 9},
          {"12345 Town", noLogoLeft, blockTopNoLogo + 26, 9},
          {"Land", noLogoLeft, blockTopNoLogo + 39, 9},
          {"Phone 1", noLogoLeft, blockTopNoLogo + 52, 9},
          {"Fax 2", noLogoLeft, blockTopNoLogo + 65, 9},
          {"Date 31.12.2026", noLogoLeft, blockTopNoLogo + 91, 12}}},
        {"own lines without a logo, a lone LF and an empty line kept", false, true, "A much longer own name\nX\r\rZ",
         {{"A much longer own name", 4960 - 496 - 22 * 6, blockTopNoLogo, 9},
          {"X", 4960 - 496 - 22 * 6, blockTopNoLogo + 13, 9},
          {"", 4960 - 496 - 22 * 6, blockTopNoLogo + 26, 9},
          {"Z", 4960 - 496 - 22 * 6, blockTopNoLogo + 39, 9},
          {"Date 31.12.2026", 4960 - 496 - 22 * 6, 1101 + 7 * 13, 12}}},
    };
    for (const HeaderCase& c : cases) {
        RecordingCanvas canvas(A4At600, Dpi600);
        if (c.WithLogo)
            canvas.Bitmaps[Logo] = {120, 60};
        const PrintContext context{Texts(), {}, Pictures, c.NameOnPrint, c.NameAddress, "31.12.2026"};
        const PageGeometry page = DrawStandardHeader(canvas, context);
        EXPECT_EQ(page.ContentTop, 1101) << c.Name;

        const auto bitmaps = canvas.CallsOf(RecordingCanvas::Kind::Bitmap);
        if (c.WithLogo) {
            ASSERT_EQ(bitmaps.size(), 1u) << c.Name;
            EXPECT_EQ(bitmaps[0].Box, (Rect{logoLeft, 466, logoLeft + 720, 466 + 360})) << c.Name;
        } else {
            EXPECT_TRUE(bitmaps.empty()) << c.Name;
        }
        std::vector<Placed> texts;
        for (const auto& call : canvas.CallsOf(RecordingCanvas::Kind::Text)) {
            EXPECT_EQ(call.TextFont.Family, "Arial") << c.Name;
            texts.push_back({call.Text, call.Points[0].X, call.Points[0].Y, call.TextFont.Points});
        }
        EXPECT_EQ(texts, c.Expected) << c.Name;
    }
}

TEST(PageFrame, FooterEndsAtThePagesRightAndBottomEdges)
{
    RecordingCanvas canvas(A4At600, Dpi600);
    DrawStandardFooter(canvas, {Texts(), {}, Pictures, false, "", ""});
    const auto texts = canvas.CallsOf(RecordingCanvas::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    const std::string line = "Printed with Coolers, V1";
    EXPECT_EQ(texts[0].Text, line);
    EXPECT_EQ(texts[0].TextFont.Points, 6);
    const Size extent = RecordingCanvas::Extent(line, 6);
    EXPECT_EQ(texts[0].Points[0], (Point{4960 - extent.Width, 7014 - extent.Height}));
}

}  // namespace
}  // namespace kr
