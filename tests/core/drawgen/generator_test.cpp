#include "drawgen/generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "../temp_dir.h"
#include "drawgen/drawgen_error.h"
#include "drawgen/drawing_references.h"
#include "drawgen/icon_art.h"
#include "drawgen/pictures.h"

namespace kr::drawgen {
namespace {

namespace fs = std::filesystem;

const std::string SmallCooler = R"(type = KR 10
drive = AC
width = 390
height = 400
core_depth = 65
fin_width = 310
fin_height = 310
fan_diameter = 250
cowl_depth = 90
motor_diameter = 120
motor_length = 210
foot_height = 50
foot_width = 50
foot_spacing = 330
foot_length = 125
foot_hole_pitch = 85
foot_hole = 9
port_thread = G 1/2
inlet_height = 340
outlet_height = 110
port_length = 35
)";

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DrawgenError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(DrawingReferences, TakesTheDrawingFileColumnWhereverItIs)
{
    const std::string csv =
        "\xEF\xBB\xBF" "Designation,CoolerType,drawingfile,ItemNo\r\n"
        "\"KR 10 AC, 2-pol\",KR 10,KR10AC,A1\r\n"
        "\r\n"
        "\"TB 3/4\"\" 40\"\"\",TB,,T1\r\n"  // an accessory: no drawing
        "KR 10 HYD,KR 10, KR10HYD ,H1\r\n";
    const std::vector<DrawingReference> references = ReadDrawingReferences(csv, "coolers.csv");
    ASSERT_EQ(references.size(), 2u);
    EXPECT_EQ(references[0].name, "KR10AC");
    EXPECT_EQ(references[0].line, 2u);
    EXPECT_EQ(references[1].name, "KR10HYD");
    EXPECT_EQ(references[1].line, 5u);
}

TEST(DrawingReferences, QuotedCellsMayHoldCommasQuotesAndLineBreaks)
{
    const std::string csv = "DrawingFile,Designation\n\"KR20AC\",\"two\nlines, \"\"quoted\"\"\"\nKR20DC,x\n";
    const std::vector<DrawingReference> references = ReadDrawingReferences(csv, "c");
    ASSERT_EQ(references.size(), 2u);
    EXPECT_EQ(references[1].name, "KR20DC");
    EXPECT_EQ(references[1].line, 4u);  // the quoted line break moved it down
}

TEST(DrawingReferences, RefusesNamesThatLeaveThePictureFolderOrDoNotFitTheRecord)
{
    struct Case {
        const char* csv;
        const char* expected;
    };
    const Case cases[] = {
        {"DrawingFile\n../KR10AC\n", "line 2: DrawingFile \"../KR10AC\" is not a plain file name"},
        {"DrawingFile\nsub\\KR10AC\n", "is not a plain file name"},
        {"DrawingFile\nC:KR10AC\n", "is not a plain file name"},
        {"DrawingFile\n..\n", "is not a plain file name"},
        {"DrawingFile\nKR100-2HYDXXXX\n", "longer than 13 characters"},
        {"Designation,Drawing\nx,KR10AC\n", "no \"DrawingFile\" column"},
        {"", "the file is empty"},
        {"DrawingFile\n\"KR10AC\n", "a quoted cell is not closed"},
    };
    for (const Case& c : cases) {
        const std::string message = MessageOf([&] { ReadDrawingReferences(c.csv, "coolers.csv"); });
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.csv << " -> " << message;
        EXPECT_NE(message.find("coolers.csv"), std::string::npos) << message;
    }
}

TEST(DrawingReferences, PlainFileNames)
{
    EXPECT_TRUE(IsPlainFileName("KR30-2AC"));
    EXPECT_TRUE(IsPlainFileName("a.b"));
    EXPECT_FALSE(IsPlainFileName(""));
    EXPECT_FALSE(IsPlainFileName("a/b"));
    EXPECT_FALSE(IsPlainFileName(std::string("a\0b", 3)));
}

class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(temp_ / "drawings");
        temp_.Write("drawings/KR10AC.txt", SmallCooler);
        temp_.Write("drawings/notes.md", "not a description");
    }

    GeneratorOptions Options(const std::string& csv)
    {
        GeneratorOptions options{temp_ / "drawings", std::nullopt, temp_ / "dist"};
        if (!csv.empty())
            options.records = temp_.Write("coolers.csv", csv);
        return options;
    }

    test::TempDir temp_;
};

TEST_F(GeneratorTest, WritesEachDrawingUnderItsRecordNameAndEveryFixedPicture)
{
    const std::vector<std::string> written = GenerateAll(Options("Designation,DrawingFile\nKR 10 AC,KR10AC\nTB,\n"));
    EXPECT_TRUE(fs::is_regular_file(temp_ / "dist" / "KR10ACb.bmp"));
    EXPECT_TRUE(fs::is_regular_file(temp_ / "dist" / "KR10AC.DXF"));
    for (const PictureMaker& picture : DistributionPictures())
        EXPECT_TRUE(fs::is_regular_file(temp_ / "dist" / picture.fileName)) << picture.fileName;
    for (const IconOutput& icon : ProgramIconOutputs())
        EXPECT_TRUE(fs::is_regular_file(temp_ / "dist" / icon.fileName)) << icon.fileName;
    EXPECT_EQ(written.size(), 2 + DistributionPictures().size() + ProgramIconOutputs().size());
    for (const auto& entry : fs::directory_iterator(temp_ / "dist"))
        EXPECT_NE(entry.path().extension(), ".part") << "temporary file left behind";
}

TEST_F(GeneratorTest, AMissingDescriptionFailsNamingItBeforeAnythingIsWritten)
{
    const std::string csv = "DrawingFile\nKR10AC\nKR99AC\nKR99AC\nkr10ac\n";
    const std::string message = MessageOf([&] { GenerateAll(Options(csv)); });
    EXPECT_NE(message.find("KR99AC (lines 3, 4)"), std::string::npos) << message;
    EXPECT_NE(message.find("kr10ac (line 5) - there is KR10AC.txt, but file names must match in letter case"), std::string::npos)
        << message;
    EXPECT_FALSE(fs::exists(temp_ / "dist"));
}

TEST_F(GeneratorTest, AFaultyDescriptionFailsNamingItsFile)
{
    temp_.Write("drawings/KR20AC.txt", "type = KR 20\n");
    const std::string message = MessageOf([&] { GenerateAll(Options("")); });
    EXPECT_NE(message.find("KR20AC.txt"), std::string::npos) << message;
    EXPECT_NE(message.find("is missing"), std::string::npos) << message;
}

TEST_F(GeneratorTest, ADescriptionNameTooLongForTheRecordIsRefused)
{
    temp_.Write("drawings/KR100-2HYD-OLD.txt", SmallCooler);
    const std::string message = MessageOf([&] { GenerateAll(Options("")); });
    EXPECT_NE(message.find("KR100-2HYD-OLD.txt"), std::string::npos) << message;
}

}  // namespace
}  // namespace kr::drawgen
