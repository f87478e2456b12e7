#include "core/print/drawing_print.h"
#include "core/print/parts_list.h"

#include "engine/engine_fixtures.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kr {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;
using Rows = std::vector<std::pair<std::string, std::string>>;

const LanguageTable Texts = test::PatternLanguage();
const std::filesystem::path Pictures = "/pictures";
const PrintContext Context{Texts, {}, Pictures, true, "Own Firm\r\nHigh Street 1", ""};

// A record whose every spare-part number is its field's name without "PartNo".
tCoolType Record(std::string type, std::string motor, std::string drawing = "KRDRAW", std::string designation = "KR")
{
    tCoolType record = test::MakeCooler({.Type = type, .Designation = designation, .Motor = motor, .ItemNo = "4711"});
    record.SetText(CoolerField::DrawingFile, drawing);
    for (const RecordField& field : CoolerField::All)
        if (field.name.starts_with("PartNo"))
            record.SetText(field, field.name.substr(6));
    return record;
}

// A4 landscape at 600 dpi: margins 466 and 496, scale 6; 8-point lines are
// 12 pixels high, "W" and " " 5 wide.
RecordingCanvas A4At600()
{
    RecordingCanvas canvas({7016, 4961}, {600, 600});
    canvas.Bitmaps[Pictures / "KRDRAWb.bmp"] = {800, 560};
    canvas.Bitmaps[Pictures / "kalvorn.bmp"] = {200, 91};
    return canvas;
}

std::vector<std::string> TextsAt(const RecordingCanvas& canvas, int x, bool bold = false)
{
    std::vector<std::string> texts;
    for (const Call& c : canvas.CallsOf(Kind::Text, [&](const Call& c) {
             return c.Points[0].X == x && c.TextFont.Bold == bold && c.TextFont.Points == 8;
         }))
        texts.push_back(c.Text);
    return texts;
}

TEST(DrawingPrint, PartsListByDriveAndSize)
{
    const Rows basic{
        {"Print Cooler", "Cooler"}, {"Print Gitter", "Grille"}, {"Print FanCowl", "FanCowl"}, {"Print Fan", "Fan"}};
    const auto join = [](Rows rows, const Rows& more) {
        rows.insert(rows.end(), more.begin(), more.end());
        return rows;
    };
    const Rows motorAndFeet = join(basic, {{"Print motor", "Motor"}, {"Print fodder", "Feet"}});
    const Rows largeAC =
        join(basic, {{"Print Adapter", "Adapter"}, {"Print Motor ophang", "MotorMount"}, {"Print motor", "Motor"}});
    using enum PartsListKind;
    const struct {
        std::string type, motor;
        int size;
        PartsListKind kind;
        Rows rows;
    } cases[] = {
        {"KR 20", "24", 20, Basic, basic},
        {"KR 100", "12", 100, Basic, basic},
        {"KR 100-2", "400", 100, LargeAC, largeAC},
        {"KR 70", "HYD", 70, LargeHydraulic, join(largeAC, {{"Print Spline", "Spline"}, {"Print leje", "Bearing"}})},
        {"KRC 30", "KRC", 30, Pump,
         join(basic, {{"Print motor", "Motor"}, {"Print fodder", "Feet"}, {"Print Gasket", "Gasket"},
                      {"Print nippel", "Nipple"}, {"Print beslag", "MotorMount"}, {"Print slange", "Hose"},
                      {"Print pumpe", "Pump"}})},
        {"KR 60", "HYD", 60, SmallHydraulic, motorAndFeet},
        {"KR 50", "400", 50, AC50, motorAndFeet},
        {"KR 50-2", "400", 50, AC50, motorAndFeet},
        {"KR 10", "400", 10, SmallAC, motorAndFeet},
        {"KR", "400", 30, SmallAC, motorAndFeet},
        {"KR X-2", "HYD", 30, SmallHydraulic, motorAndFeet},
        {"KR 65", "400", 65, Basic, basic},
        {"KR 110", "HYD", 110, Basic, basic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type + " " + c.motor);
        EXPECT_EQ(CoolerSize(c.type), c.size);
        EXPECT_EQ(PartsListKindOf(c.motor, c.size), c.kind);

        // Labels half a "W" in from the list's left edge and from its column
        // at a third of the page; the list two lines higher than its rows.
        RecordingCanvas canvas = A4At600();
        ASSERT_TRUE(PrintDrawingSheet(canvas, Context, {Record(c.type, c.motor)}, "KR"));
        const std::vector<std::string> labels = TextsAt(canvas, 466 + 2);
        const std::vector<std::string> partNos = TextsAt(canvas, 7016 / 3 + 2);
        ASSERT_EQ(labels.size(), partNos.size());
        Rows printed;
        for (std::size_t i = 0; i < labels.size(); ++i)
            printed.emplace_back(labels[i], partNos[i]);
        EXPECT_EQ(printed, c.rows);
        const int top = 4961 - 496 - static_cast<int>(c.rows.size() + 2) * 12;
        EXPECT_EQ(canvas.CallsOf(Kind::Rectangle).at(0).Box, (Rect{466, top, 3508 - 21, 4961 - 496}));
        EXPECT_EQ(canvas.CallsOf(Kind::Text, [](const Call& t) { return t.Text == "Print Cooler"; }).at(0).Points[0].Y,
                  top + 21);
    }
}

TEST(DrawingPrint, SheetWithDrawingLogoHeadingsTitleBlockAndBorder)
{
    RecordingCanvas canvas = A4At600();
    // The first record of the designation, without a usable drawing, is passed over.
    ASSERT_TRUE(PrintDrawingSheet(canvas, Context, {Record("KR 30", "400", ""), Record("KR 30", "400")}, "KR"));
    EXPECT_EQ(canvas.Calls().front().Text, "Drawing KR");
    EXPECT_EQ(canvas.DocumentOrientation(), Orientation::Landscape);
    EXPECT_EQ(canvas.Calls().back().What, Kind::EndDocument);
    const std::vector<Call> bitmaps = canvas.CallsOf(Kind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 2u);
    EXPECT_EQ(bitmaps[0].Box, (Rect{7016 - 1200 - 96, 96, 7016 - 96, 96 + 546}));
    EXPECT_EQ(bitmaps[1].Box, (Rect{466, 496, 466 + 4800, 496 + 3360}));

    // The list of six rows is 96 high with its heading rule 18 down; the
    // title block's three rows are 24 high, its columns split at 3/4.
    EXPECT_EQ(TextsAt(canvas, 468, true), std::vector<std::string>{"Print Spare List"});
    EXPECT_EQ(TextsAt(canvas, 2340, true), std::vector<std::string>{"Print Part no"});
    std::vector<std::vector<Point>> lines;
    for (const Call& c : canvas.CallsOf(Kind::Line))
        lines.push_back(c.Points);
    EXPECT_EQ(lines, (std::vector<std::vector<Point>>{{{466, 4369 + 18}, {3487, 4369 + 18}},
                                                      {{2338, 4369}, {2338, 4465}},
                                                      {{3508, 4913}, {7016, 4913}},
                                                      {{3508, 4937}, {7016, 4937}},
                                                      {{5262, 4889}, {5262, 4961}}}));
    const Call titleBlock = canvas.CallsOf(Kind::Rectangle).at(1);
    EXPECT_EQ(std::tie(titleBlock.Box, titleBlock.LinePen, titleBlock.FillBrush),
              std::tuple(Rect{3508, 4889, 7016, 4961}, Pen{}, Brush{}));
    // Cell texts a blank in and half a line less one pixel down.
    EXPECT_EQ(TextsAt(canvas, 3508 + 5), (std::vector<std::string>{"Own Firm", "KR"}));
    EXPECT_EQ(TextsAt(canvas, 5262 + 5), (std::vector<std::string>{"Drawing: KRDRAW", "print varenummer: 4711"}));
    const auto ownFirm = [](const Call& c) { return c.Text == "Own Firm"; };
    EXPECT_EQ(canvas.CallsOf(Kind::Text, ownFirm).at(0).Points[0].Y, 4889 + 5);
    EXPECT_EQ(canvas.CallsOf(Kind::Polyline).at(0).Points,
              (std::vector<Point>{{1, 1}, {7015, 1}, {7015, 4960}, {1, 4960}, {1, 1}}));
}

TEST(DrawingPrint, NothingWithoutAChosenCoolerOrItsDrawing)
{
    const CoolerRecordList records{Record("KR 30", "400", "KRDRAW", "KR 30 AC"),
                                   Record("KR 40", "400", "MISSING", "KR 40 AC"),
                                   Record("KR 50", "400", "", "KR 50 AC")};
    for (const char* designation : {"", "KR 99", "kr 30 ac", "KR 40 AC", "KR 50 AC"}) {
        RecordingCanvas canvas = A4At600();
        EXPECT_FALSE(PrintDrawingSheet(canvas, Context, records, designation)) << designation;
        EXPECT_TRUE(canvas.Calls().empty()) << designation;
    }
}

}  // namespace
}  // namespace kr
