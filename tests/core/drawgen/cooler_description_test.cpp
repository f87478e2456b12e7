#include "drawgen/cooler_description.h"

#include <gtest/gtest.h>

#include <regex>

#include "drawgen/drawgen_error.h"

namespace kr::drawgen {
namespace {

const std::string ValidAc = R"(# a comment line
type            = KR 30
drive           = AC
width           = 460   # trailing comment
height          = 490
core_depth      = 80
fin_width       = 380
fin_height      = 380
fan_diameter    = 315
cowl_depth      = 100
motor_diameter  = 150
motor_length    = 240

foot_height     = 50
foot_width      = 50
foot_spacing    = 380
foot_length     = 200
foot_hole_pitch = 160
foot_hole       = 11
port_thread     = G 3/4
inlet_height    = 420
outlet_height   = 120
port_length     = 30
)";

std::string Replaced(const std::string& text, const std::string& key, const std::string& line)
{
    return std::regex_replace(text, std::regex("(^|\n)" + key + " +=[^\n]*"), "$1" + line);
}

std::string FailureOf(const std::string& text)
{
    try {
        ParseCoolerDescription(text, "KR30AC.txt");
    } catch (const DrawgenError& error) {
        return error.what();
    }
    return "(accepted)";
}

TEST(CoolerDescription, ReadsEveryValueInMillimetres)
{
    const CoolerDescription d = ParseCoolerDescription(ValidAc, "KR30AC.txt");
    EXPECT_EQ(d.typeCode, "KR 30");
    EXPECT_EQ(d.drive, DriveFamily::Ac);
    EXPECT_DOUBLE_EQ(d.width, 460);
    EXPECT_DOUBLE_EQ(d.footHolePitch, 160);
    EXPECT_EQ(d.portThread, "G 3/4");
    EXPECT_DOUBLE_EQ(d.outletHeight, 120);
    EXPECT_TRUE(d.motorPortThread.empty());
}

TEST(CoolerDescription, ReadsTheDriveSpecificKeys)
{
    const std::string hydraulic = Replaced(ValidAc, "drive", "drive = HYD") + "motor_port_thread = G 1/2\n";
    EXPECT_EQ(ParseCoolerDescription(hydraulic, "h").motorPortThread, "G 1/2");

    const std::string krc = Replaced(ValidAc, "drive", "drive = KRC") + "motor_port_thread = G 3/4\npump_diameter = 90\npump_length = 110\n";
    const CoolerDescription d = ParseCoolerDescription(krc, "k");
    EXPECT_EQ(d.drive, DriveFamily::Krc);
    EXPECT_DOUBLE_EQ(d.pumpLength, 110);
}

TEST(CoolerDescription, FaultsNameTheFileTheLineAndTheKey)
{
    struct Case {
        std::string text;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {ValidAc + "colour = red\n", {"KR30AC.txt:24", "unknown key \"colour\""}},
        {ValidAc + "width = 470\n", {":24", "\"width\" is given twice (first in line 4)"}},
        {Replaced(ValidAc, "height", ""), {"\"height\" is missing"}},
        {Replaced(ValidAc, "drive", ""), {"\"drive\" is missing"}},
        {Replaced(ValidAc, "drive", "drive = PNEUMATIC"), {":3", "unknown drive \"PNEUMATIC\""}},
        {Replaced(ValidAc, "width", "width = 46O"), {":4", "\"width\" must be a number of mm, not \"46O\""}},
        {Replaced(ValidAc, "width", "width = 460 mm"), {"\"width\" must be a number"}},
        {Replaced(ValidAc, "cowl_depth", "cowl_depth = -100"), {":10", "\"cowl_depth\" must be greater than 0"}},
        {Replaced(ValidAc, "cowl_depth", "cowl_depth = 0"), {"\"cowl_depth\" must be greater than 0"}},
        {Replaced(ValidAc, "cowl_depth", "cowl_depth ="), {"\"cowl_depth\" has no value"}},
        {Replaced(ValidAc, "cowl_depth", "cowl_depth 100"), {":10", "is not a \"key = value\" line"}},
        {Replaced(ValidAc, "port_thread", "port_thread = G 5/8"), {":20", "unknown thread \"G 5/8\"", "G 1 1/4"}},
        {Replaced(ValidAc, "type", "type = KR 30 spezial"), {":2", "\"type\"", "cannot draw"}},
        {ValidAc + "pump_length = 100\n", {":24", "\"pump_length\" does not belong to a AC drawing"}},
        {ValidAc + "motor_port_thread = G 1/2\n", {"\"motor_port_thread\" does not belong to a AC drawing"}},
        {Replaced(ValidAc, "drive", "drive = HYD"), {"\"motor_port_thread\" is missing"}},
    };
    for (const Case& c : cases) {
        const std::string message = FailureOf(c.text);
        for (const std::string& part : c.expected)
            EXPECT_NE(message.find(part), std::string::npos) << "expected \"" << part << "\" in: " << message;
    }
}

TEST(CoolerDescription, SizesThatWouldDrawPartsThroughEachOtherAreRefused)
{
    struct Case {
        std::string key;
        std::string line;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"fan_diameter", "fan_diameter = 380", "fan_diameter must be less than fin_width"},
        {"fin_width", "fin_width = 460", "fin_width must be less than width"},
        {"motor_diameter", "motor_diameter = 200", "motor_diameter must be less than 0.6 x fan_diameter"},
        {"outlet_height", "outlet_height = 430", "outlet_height must be below inlet_height"},
        {"outlet_height", "outlet_height = 60", "outlet_height must leave the connection above the feet"},
        {"inlet_height", "inlet_height = 480", "inlet_height must leave the connection inside the frame"},
        {"foot_spacing", "foot_spacing = 420", "foot_spacing + foot_width must not exceed width"},
        {"foot_hole_pitch", "foot_hole_pitch = 190", "foot_hole_pitch + 2 x foot_hole must be less than foot_length"},
        {"foot_height", "foot_height = 250", "foot_height must be less than half the height"},
    };
    for (const Case& c : cases) {
        const std::string message = FailureOf(Replaced(ValidAc, c.key, c.line));
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.line << ": " << message;
    }
    const std::string krcLowInlet = Replaced(Replaced(ValidAc, "drive", "drive = KRC"), "inlet_height", "inlet_height = 330") +
                                    "motor_port_thread = G 3/4\npump_diameter = 90\npump_length = 110\n";
    EXPECT_NE(FailureOf(krcLowInlet).find("room for the pump hose"), std::string::npos) << FailureOf(krcLowInlet);
}

TEST(CoolerDescription, KnowsThePipeThreadDiameters)
{
    EXPECT_DOUBLE_EQ(ThreadDiameter("G 1/2"), 20.955);
    EXPECT_DOUBLE_EQ(ThreadDiameter("G 1 1/4"), 41.910);
    EXPECT_EQ(ThreadDiameter("g 1/2"), 0);
    EXPECT_EQ(ThreadDiameter("M 22X1.5"), 0);
}

}  // namespace
}  // namespace kr::drawgen
