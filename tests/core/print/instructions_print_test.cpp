#include "core/print/instructions_print.h"

#include "support/recording_canvas.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace kr {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

// At 96 dpi: the margin of a 400 pixel wide page is 40, a 10-point line is
// 15 pixels high and 6 wide per character, so the head "Head" leaves 30.
const LanguageTable Texts({"InstallText=Inst.txt", "Inst Maint inst=Head", "print print=Printed with %s, %s",
                           "KR oil coolers=KR", "Version=V1",
                           "Error instruction picture=Picture %s is missing"});

std::string FontNote(const Font& font)
{
    const std::string note = std::string(font.Bold ? " bold" : "") + (font.Italic ? " italic" : "") +
                             (font.Points != 10 ? " " + std::to_string(font.Points) : "") +
                             (font.Colour == colours::Grey ? " grey" : "");
    return note.empty() ? note : " (" + note.substr(1) + ")";
}

// What the pages hold, "page x,y text (font)" and "[picture WxH]", besides
// the running head and the foot, which every page must have in their places.
std::vector<std::string> Pages(const RecordingCanvas& canvas)
{
    const Size page = canvas.PageSize();
    const Point head{(page.Width - RecordingCanvas::Extent("Head", 10).Width) / 2, 0};
    const Point foot{page.Width / 20 * 2, page.Height - RecordingCanvas::Extent("", 6).Height};
    std::vector<std::string> body;
    int number = 1;
    int heads = 0;
    int feet = 0;
    for (const auto& call : canvas.Calls()) {
        number += call.What == Kind::NewPage;
        const Point at = call.Points.empty() ? Point{call.Box.Left, call.Box.Top} : call.Points[0];
        const std::string where = std::to_string(number) + " " + std::to_string(at.X) + "," + std::to_string(at.Y) + " ";
        if (call.What == Kind::Bitmap)
            body.push_back(where + "[" + std::filesystem::path(call.Text).filename().string() + " " +
                           std::to_string(call.Box.Width()) + "x" + std::to_string(call.Box.Height()) + "]");
        else if (call.What == Kind::Text && call.Text == "Head")
            heads += at == head && call.TextFont.Colour == colours::Grey;
        else if (call.What == Kind::Text && call.Text == "Printed with KR, V1")
            feet += at == foot && call.TextFont.Points == 6;
        else if (call.What == Kind::Text)
            body.push_back(where + call.Text + FontNote(call.TextFont));
    }
    EXPECT_EQ(heads, number);
    EXPECT_EQ(feet, number);
    EXPECT_EQ(canvas.Calls().front().What, Kind::BeginDocument);
    EXPECT_EQ(canvas.Calls().back().What, Kind::EndDocument);
    return body;
}

struct LayoutCase {
    std::string_view Name;
    std::string_view File;
    Size Page;
    int Dpi;
    std::vector<std::string> Expected;
    InstructionsOutcome Outcome = InstructionsOutcome::Printed;
    std::string_view Missing = {};
};

const LayoutCase LayoutCases[] = {
    {"heading takes one and a half lines above and below", "<B>Title\r\nText\r\n", {400, 300}, 96,
     {"1 40,57 Title (bold 12)", "1 40,84 Text", "1 354,285 1 (grey)"}},
    {"emphasis rounds 22.5 to even", "<I>Note\r\nText", {400, 300}, 96,
     {"1 40,52 Note (bold italic)", "1 40,74 Text", "1 354,285 1 (grey)"}},
    {"lower-case tag and a tag inside a line are text", "<b>Plain\r\n x<B>", {400, 300}, 96,
     {"1 40,30 <b>Plain", "1 40,45  x<B>", "1 354,285 1 (grey)"}},
    {"running text keeps two lines and 4 pixels off the foot", "One\r\nTwo\r\nThree\r\nFour", {400, 100}, 96,
     {"1 40,30 One", "1 40,45 Two", "1 40,60 Three", "1 354,85 1 (grey)", "2 40,30 Four", "2 354,85 2 (grey)"}},
    {"heading that breaks the page keeps its font", "One\r\nTwo\r\n<B>Title", {400, 100}, 96,
     {"1 40,30 One", "1 40,45 Two", "1 354,85 1 (grey)", "2 40,30 Title (bold 12)", "2 354,85 2 (grey)"}},
    {"blank lines fill numbered pages", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nEnd", {400, 100}, 96,
     {"1 354,85 1 (grey)", "2 354,85 2 (grey)", "3 40,45 End", "3 354,85 3 (grey)"}},
    {"picture with five lines below it fits", "<D>Tall.bmp\r\nText", {400, 300}, 96,
     {"1 40,30 [Tall.bmp 100x195]", "1 40,225 Text", "1 354,285 1 (grey)"}},
    {"picture one pixel taller starts a new page", "<D>Taller.bmp\r\nText", {400, 300}, 96,
     {"1 354,285 1 (grey)", "2 40,30 [Taller.bmp 100x196]", "2 40,226 Text", "2 354,285 2 (grey)"}},
    {"picture scaled six times at 600 dpi", "<D>Pic.bmp", {4000, 6000}, 600,
     {"1 400,30 [Pic.bmp 240x120]", "1 3594,5985 1 (grey)"}},
    {"missing picture ends the job after the pages so far", "\r\n\r\n\r\n\r\n\r\nText\r\n<D>Gone.bmp\r\nAfter",
     {400, 100}, 96, {"1 354,85 1 (grey)", "2 40,30 Text", "2 354,85 2 (grey)"},
     InstructionsOutcome::MissingPicture, "Gone.bmp"},
    {"picture outside its folder is refused", "<D>../Pic.bmp\r\nAfter", {400, 300}, 96,
     {"1 354,285 1 (grey)"}, InstructionsOutcome::MissingPicture, "../Pic.bmp"},
};

void PrintTo(const LayoutCase& c, std::ostream* out)
{
    *out << c.Name;
}

PrintContext ContextOf(const LanguageTable& texts, const std::filesystem::path& pictureDir)
{
    return PrintContext{texts, {}, pictureDir, false, {}, {}};
}

class InstructionsLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(InstructionsLayout, PrintsLinesByTheirMarkUp)
{
    const LayoutCase& c = GetParam();
    test::TempDir dir;
    dir.Write("Inst.txt", c.File);
    RecordingCanvas canvas(c.Page, {c.Dpi, c.Dpi});
    const std::filesystem::path pictures = dir / "pictures";
    canvas.Bitmaps = {{pictures / "Tall.bmp", {100, 195}},
                      {pictures / "Taller.bmp", {100, 196}},
                      {pictures / "Pic.bmp", {40, 20}},
                      {pictures / "../Pic.bmp", {40, 20}}};
    const PrintContext context = ContextOf(Texts, pictures);

    const InstructionsPrint print = PrintInstallationInstructions(canvas, context, dir.Path());

    EXPECT_EQ(Pages(canvas), c.Expected);
    EXPECT_EQ(print.Outcome, c.Outcome);
    EXPECT_EQ(print.File, c.Missing);
    EXPECT_EQ(print.Pages, static_cast<int>(canvas.CallsOf(Kind::NewPage).size()) + 1);
    const bool missing = c.Outcome == InstructionsOutcome::MissingPicture;
    EXPECT_EQ(InstructionsPrintMessage(print, Texts), missing ? "Picture " + std::string(c.Missing) + " is missing" : "");
}

INSTANTIATE_TEST_SUITE_P(Lines, InstructionsLayout, ::testing::ValuesIn(LayoutCases),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST(InstructionsPrint, WithoutItsFileNoJobStarts)
{
    test::TempDir dir;
    for (const char* name : {"Inst.txt", "../Inst.txt", ""}) {
        const LanguageTable texts({std::string("InstallText=") + name});
        RecordingCanvas canvas;
        const InstructionsPrint print = PrintInstallationInstructions(canvas, ContextOf(texts, dir.Path()), dir.Path());
        EXPECT_EQ(print.Outcome, InstructionsOutcome::NoInstructions) << name;
        EXPECT_EQ(print.File, name);
        EXPECT_TRUE(canvas.Calls().empty()) << name;
    }
}

}  // namespace
}  // namespace kr
