#include "drawgen/dxf_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "drawgen/drawgen_error.h"
#include "file_readers.h"

namespace kr::drawgen {
namespace {

using test::DxfEntities;
using test::DxfEntity;
using test::DxfGroup;
using test::ReadDxfGroups;

// Two pixels a unit, so that pattern lengths show the scaling.
Sketch SampleSketch()
{
    Sketch sketch(200, 100, 2);
    const LayerId outline = sketch.AddLayer({"OUTLINE", 7, Black, LineStyle::Continuous, 2});
    const LayerId hidden = sketch.AddLayer({"HIDDEN", 8, Black, LineStyle::Dashed, 1});
    const LayerId text = sketch.AddLayer({"TEXT", 7, Black, LineStyle::Continuous, 1});
    sketch.AddLine(outline, {1, 2}, {30.5, 2});
    sketch.AddCircle(hidden, {50, 25}, 12.25);
    sketch.AddArc(outline, {20, 20}, 5, 90, 180);
    sketch.AddText({text, {40, 10}, 3.5, "\u00D8350", HAlign::Centre, VAlign::Middle, 90});
    sketch.AddText({text, {5, 5}, 2.5, "IN G 3/4"});
    sketch.AddSolid(outline, {{0, 0}, {4, 0}, {5, 3}, {2, 5}, {-1, 3}});
    return sketch;
}

TEST(DxfFile, SectionsAndTablesArePairedAndInOrder)
{
    const std::vector<DxfGroup> groups = ReadDxfGroups(EncodeDxf(SampleSketch()));
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.back().code, 0);
    EXPECT_EQ(groups.back().value, "EOF");

    std::vector<std::string> sections;
    bool inSection = false;
    bool inTable = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].code != 0)
            continue;
        const std::string& value = groups[i].value;
        if (value == "SECTION") {
            ASSERT_FALSE(inSection) << "nested SECTION";
            ASSERT_EQ(groups.at(i + 1).code, 2);
            sections.push_back(groups[i + 1].value);
            inSection = true;
        } else if (value == "ENDSEC") {
            ASSERT_TRUE(inSection) << "ENDSEC without SECTION";
            ASSERT_FALSE(inTable) << "ENDSEC inside a table";
            inSection = false;
        } else if (value == "TABLE") {
            ASSERT_FALSE(inTable);
            inTable = true;
        } else if (value == "ENDTAB") {
            ASSERT_TRUE(inTable);
            inTable = false;
        }
    }
    EXPECT_FALSE(inSection);
    EXPECT_EQ(sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}));
    ASSERT_EQ(groups.at(2).value, "$ACADVER");
    EXPECT_EQ(groups.at(3).value, "AC1009");
}

TEST(DxfFile, EveryEntityLayerAndLayerLineTypeIsDefinedAndCounted)
{
    const std::vector<DxfGroup> groups = ReadDxfGroups(EncodeDxf(SampleSketch()));
    std::map<std::string, std::string> layerLineTypes;
    std::set<std::string> lineTypes;
    std::map<std::string, long> declaredCounts;
    std::map<std::string, long> entryCounts;
    std::string table;
    for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
        if (groups[i].code == 0 && groups[i].value == "TABLE") {
            table = groups[i + 1].value;
            declaredCounts[table] = std::stol(groups.at(i + 2).value);
        }
        if (groups[i].code == 0 && groups[i].value == table)
            ++entryCounts[table];
        if (groups[i].code == 0 && groups[i].value == "LTYPE")
            lineTypes.insert(groups[i + 1].value);
        if (groups[i].code == 0 && groups[i].value == "LAYER")
            for (std::size_t j = i + 1; groups[j].code != 0; ++j)
                if (groups[j].code == 6)
                    layerLineTypes[groups[i + 1].value] = groups[j].value;
    }
    EXPECT_EQ(declaredCounts, entryCounts);
    EXPECT_EQ(layerLineTypes.size(), 4u);  // "0" and the sketch's three
    for (const auto& [layer, lineType] : layerLineTypes)
        EXPECT_TRUE(lineTypes.contains(lineType)) << layer << " uses " << lineType;
    for (const DxfEntity& entity : DxfEntities(groups))
        EXPECT_TRUE(layerLineTypes.contains(entity.Text(8))) << entity.type << " on " << entity.Text(8);
}

TEST(DxfFile, EntitiesKeepTheSketchGeometry)
{
    const std::vector<DxfEntity> entities = DxfEntities(ReadDxfGroups(EncodeDxf(SampleSketch())));
    std::map<std::string, int> counts;
    for (const DxfEntity& entity : entities)
        ++counts[entity.type];
    // The pentagon is a fan of three triangles.
    EXPECT_EQ(counts, (std::map<std::string, int>{{"ARC", 1}, {"CIRCLE", 1}, {"LINE", 1}, {"SOLID", 3}, {"TEXT", 2}}));

    const DxfEntity& line = entities.at(0);
    EXPECT_EQ(line.Text(8), "OUTLINE");
    EXPECT_DOUBLE_EQ(line.Number(10), 1);
    EXPECT_DOUBLE_EQ(line.Number(20), 2);
    EXPECT_DOUBLE_EQ(line.Number(11), 30.5);
    const DxfEntity& circle = entities.at(1);
    EXPECT_EQ(circle.Text(8), "HIDDEN");
    EXPECT_DOUBLE_EQ(circle.Number(40), 12.25);
    const DxfEntity& arc = entities.at(2);
    EXPECT_DOUBLE_EQ(arc.Number(50), 90);
    EXPECT_DOUBLE_EQ(arc.Number(51), 180);

    const DxfEntity& diameter = entities.at(3);
    EXPECT_EQ(diameter.Text(1), "%%c350");
    EXPECT_EQ(diameter.Text(72), "1");
    EXPECT_EQ(diameter.Text(73), "2");
    EXPECT_DOUBLE_EQ(diameter.Number(11), 40);
    EXPECT_DOUBLE_EQ(diameter.Number(21), 10);
    EXPECT_DOUBLE_EQ(diameter.Number(50), 90);
    const DxfEntity& label = entities.at(4);
    EXPECT_EQ(label.Text(1), "IN G 3/4");
    EXPECT_EQ(label.Text(72), "");  // left on the baseline: no alignment groups
    EXPECT_DOUBLE_EQ(label.Number(10), 5);

    // A triangle repeats its last corner as the fourth.
    const DxfEntity& triangle = entities.at(5);
    EXPECT_EQ(triangle.Text(12), triangle.Text(13));
    EXPECT_EQ(triangle.Text(22), triangle.Text(23));
}

TEST(DxfFile, DashPatternsAreTheBitmapPatternInDrawingUnits)
{
    const std::vector<DxfGroup> groups = ReadDxfGroups(EncodeDxf(SampleSketch()));
    std::vector<double> dashed;
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (groups[i].code == 2 && groups[i].value == "DASHED")
            for (std::size_t j = i + 1; groups[j].code != 0; ++j)
                if (groups[j].code == 49)
                    dashed.push_back(std::stod(groups[j].value));
    // 6 pixels on, 3 off, at 2 pixels a unit.
    EXPECT_EQ(dashed, (std::vector<double>{3, -1.5}));
}

TEST(DxfFile, ASignWithoutADxfCodeIsRefusedNotMangled)
{
    Sketch sketch(10, 10, 1);
    const LayerId layer = sketch.AddLayer({"TEXT"});
    sketch.AddText({layer, {0, 0}, 2, "\u2265H"});  // the font draws it, DXF has no code for it
    EXPECT_THROW(EncodeDxf(sketch), DrawgenError);
}

}  // namespace
}  // namespace kr::drawgen
