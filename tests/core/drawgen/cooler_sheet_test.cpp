#include "drawgen/cooler_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "drawgen/bmp_file.h"
#include "drawgen/dxf_file.h"
#include "drawgen/generator.h"
#include "drawgen/raster_renderer.h"
#include "drawgen/sketch_bounds.h"
#include "drawgen/stroke_font.h"
#include "file_readers.h"

namespace kr::drawgen {
namespace {

namespace fs = std::filesystem;

const fs::path DrawingFolder = fs::path(KR_SOURCE_DIR) / "data" / "drawings";

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Sketch SheetOf(const std::string& name)
{
    const fs::path file = DrawingFolder / (name + ".txt");
    return BuildCoolerSheet(name, ParseCoolerDescription(ReadText(file), file.string()));
}

// Reads the pair of files as a user would get them and checks that every
// entity of the DXF file is drawn on the bitmap where the DXF puts it.
class BitmapAgreesWithDxf {
public:
    BitmapAgreesWithDxf(const std::string& dxf, const std::string& bmp)
        : groups_(test::ReadDxfGroups(dxf)), entities_(test::DxfEntities(groups_)), image_(test::DecodeBmp(bmp))
    {
        for (std::size_t i = 0; i + 2 < groups_.size(); ++i)
            if (groups_[i].value == "$EXTMAX")
                unitsWide_ = std::stod(groups_[i + 1].value);
        pixelsPerUnit_ = image_.width / unitsWide_;
        for (std::size_t i = 0; i + 1 < groups_.size(); ++i)
            if (groups_[i].code == 0 && groups_[i].value == "LAYER")
                for (std::size_t j = i + 1; groups_[j].code != 0; ++j)
                    if (groups_[j].code == 6)
                        dashed_[groups_[i + 1].value] = groups_[j].value != "CONTINUOUS";
    }

    const std::vector<test::DxfEntity>& Entities() const { return entities_; }

    // Inked within a pixel of the point given in drawing units.
    bool InkedNear(double x, double y) const
    {
        const double px = x * pixelsPerUnit_;
        const double py = image_.height - y * pixelsPerUnit_;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int ix = static_cast<int>(std::floor(px)) + dx;
                const int iy = static_cast<int>(std::floor(py)) + dy;
                if (ix >= 0 && iy >= 0 && ix < image_.width && iy < image_.height && !image_.White(ix, iy))
                    return true;
            }
        return false;
    }

    // Where an entity should show: every sample for solid lines, at least
    // one for dashed ones, whose gaps may fall on any single sample.
    std::string Check(const test::DxfEntity& entity) const
    {
        std::vector<std::pair<double, double>> samples;
        if (entity.type == "LINE") {
            for (int i = 0; i <= 10; ++i) {
                const double t = i / 10.0;
                samples.emplace_back(entity.Number(10) + t * (entity.Number(11) - entity.Number(10)),
                                     entity.Number(20) + t * (entity.Number(21) - entity.Number(20)));
            }
        } else if (entity.type == "CIRCLE" || entity.type == "ARC") {
            double start = entity.type == "ARC" ? entity.Number(50) : 0;
            double end = entity.type == "ARC" ? entity.Number(51) : 360;
            if (end <= start)
                end += 360;
            for (int i = 0; i <= 8; ++i) {
                const double angle = (start + (end - start) * i / 8) * 3.14159265358979 / 180;
                samples.emplace_back(entity.Number(10) + entity.Number(40) * std::cos(angle),
                                     entity.Number(20) + entity.Number(40) * std::sin(angle));
            }
        } else if (entity.type == "SOLID") {
            samples.emplace_back((entity.Number(10) + entity.Number(11) + entity.Number(12)) / 3,
                                 (entity.Number(20) + entity.Number(21) + entity.Number(22)) / 3);
        } else {
            return {};
        }
        int inked = 0;
        for (const auto& [x, y] : samples)
            inked += InkedNear(x, y) ? 1 : 0;
        const bool dashed = dashed_.at(entity.Text(8));
        if (dashed ? inked > 0 : inked == static_cast<int>(samples.size()))
            return {};
        return entity.type + " on " + entity.Text(8) + " at " + entity.Text(10) + "," + entity.Text(20) + ": " + std::to_string(inked) +
               " of " + std::to_string(samples.size()) + " samples inked";
    }

private:
    std::vector<test::DxfGroup> groups_;
    std::vector<test::DxfEntity> entities_;
    test::DecodedBmp image_;
    double unitsWide_ = 0;
    double pixelsPerUnit_ = 0;
    std::map<std::string, bool> dashed_;
};

TEST(CoolerSheet, TheBitmapShowsEveryEntityOfTheDxfWhereTheDxfPutsIt)
{
    for (const char* name : {"KR30AC", "KR10HYD", "KRC40", "KR100-2AC", "KR25DC"}) {
        SCOPED_TRACE(name);
        const Sketch sheet = SheetOf(name);
        const BitmapAgreesWithDxf files(EncodeDxf(sheet), EncodeBmp(RenderSketch(sheet)));

        std::map<std::string, int> dxfPerLayer;
        for (const test::DxfEntity& entity : files.Entities()) {
            if (entity.type != "SOLID")
                ++dxfPerLayer[entity.Text(8)];
            const std::string fault = files.Check(entity);
            EXPECT_TRUE(fault.empty()) << fault;
        }
        std::map<std::string, int> sketchPerLayer;
        for (const Primitive& primitive : sheet.Primitives())
            if (!std::holds_alternative<Solid>(primitive))
                ++sketchPerLayer[sheet.LayerOf(std::visit([](const auto& p) { return p.layer; }, primitive)).name];
        EXPECT_EQ(dxfPerLayer, sketchPerLayer);
        EXPECT_GT(dxfPerLayer["DIMENSIONS"], 20);
    }
}

struct TextBox {
    std::string text;
    Box box;
};

std::vector<TextBox> TextBoxes(const Sketch& sheet)
{
    std::vector<TextBox> boxes;
    for (const Primitive& primitive : sheet.Primitives()) {
        const Text* text = std::get_if<Text>(&primitive);
        if (!text)
            continue;
        Sketch alone(sheet.WidthPixels(), sheet.HeightPixels(), sheet.PixelsPerUnit());
        alone.AddLayer({"T"});
        Text copy = *text;
        copy.layer = 0;
        alone.AddText(copy);
        boxes.push_back({text->text, *SketchBounds(alone)});
    }
    return boxes;
}

bool Overlap(const Box& a, const Box& b, double margin)
{
    return a.left - margin < b.right && b.left - margin < a.right && a.bottom - margin < b.top && b.bottom - margin < a.top;
}

// Whether a segment passes through the inside of a box (Liang-Barsky).
bool Crosses(Point from, Point to, const Box& box)
{
    double t0 = 0, t1 = 1;
    const Point d = to - from;
    const double p[] = {-d.x, d.x, -d.y, d.y};
    const double q[] = {from.x - box.left, box.right - from.x, from.y - box.bottom, box.top - from.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

// Every drawing the product line names: everything on the sheet, no value
// or label written over another, and none written across a part's outline.
TEST(CoolerSheet, EveryDrawingOfTheProductLineIsLegible)
{
    const auto descriptions = LoadDescriptions(DrawingFolder);
    ASSERT_GT(descriptions.size(), 40u);
    for (const auto& [name, description] : descriptions) {
        SCOPED_TRACE(name);
        const Sketch sheet = BuildCoolerSheet(name, description);
        const Box bounds = *SketchBounds(sheet);
        EXPECT_GE(bounds.left, 0);
        EXPECT_GE(bounds.bottom, 0);
        EXPECT_LE(bounds.right, sheet.WidthUnits());
        EXPECT_LE(bounds.top, sheet.HeightUnits());

        const std::vector<TextBox> texts = TextBoxes(sheet);
        const double onePixel = sheet.Units(1);
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(Overlap(texts[i].box, texts[j].box, onePixel)) << "\"" << texts[i].text << "\" and \"" << texts[j].text << "\"";

        for (const Primitive& primitive : sheet.Primitives()) {
            const Line* line = std::get_if<Line>(&primitive);
            if (!line || sheet.LayerOf(line->layer).name != "OUTLINE")
                continue;
            for (const TextBox& text : texts)
                EXPECT_FALSE(Crosses(line->from, line->to, text.box)) << "\"" << text.text << "\" is written across an outline";
        }
    }
}

TEST(CoolerSheet, LongNamesShrinkToTheirTitleCell)
{
    const Sketch longName = SheetOf("KR100-2HYD");
    const Sketch shortName = SheetOf("KR10AC");
    const auto nameHeight = [](const Sketch& sheet, const std::string& name) {
        for (const Primitive& primitive : sheet.Primitives())
            if (const Text* text = std::get_if<Text>(&primitive); text && text->text == name)
                return sheet.PixelsPerUnit() * text->height;
        return 0.0;
    };
    EXPECT_NEAR(nameHeight(shortName, "KR10AC"), 20, 1e-9);
    const double shrunk = nameHeight(longName, "KR100-2HYD");
    EXPECT_LT(shrunk, 20);
    EXPECT_LE(TextWidth("KR100-2HYD", shrunk), 150 + 1e-9);
}

}  // namespace
}  // namespace kr::drawgen
