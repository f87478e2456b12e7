#include "cli/csv_table.h"
#include "cli_support.h"
#include "json_reader.h"

#include <gtest/gtest.h>

namespace kr::test {
namespace {

class CliBatch : public ::testing::Test {
protected:
    CliRun Batch(std::string_view csv, std::vector<std::string> more = {})
    {
        const auto file = dir_.Write("duties.csv", csv);
        std::vector<std::string> args{"select", "--batch", file.string()};
        args.insert(args.end(), more.begin(), more.end());
        return RunOnDist(args);
    }

    TempDir dir_;
};

constexpr std::string_view ThreeDuties = "heat,flow,ambient,inlet,drive\n"
                                         "10,80,30,60,400\n"
                                         "10,5,30,60,400\n"
                                         "10 kW,4.8 m3/h,30,60,HYD\n";

TEST_F(CliBatch, RunsEveryRowAndABadRowGetsItsProblems)
{
    const CliRun run = Batch(ThreeDuties);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Row 1: heat 10, flow 80, ambient 30, inlet 60, drive 400");
    EXPECT_NE(run.Out.find("1  KR 30 AC 400V 2-pol"), std::string::npos);
    EXPECT_NE(run.Out.find("Row 2: heat 10, flow 5, ambient 30, inlet 60, drive 400\n"
                           "1. The oil flow must be between 20.0 l/min and 500.0 l/min.\n\n"
                           "2. No suitable cooler was found.\n"),
              std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("Row 3: heat 10 kW, flow 4.8 m3/h, ambient 30, inlet 60, drive HYD\n"), std::string::npos);
    EXPECT_NE(run.Out.find("KR 35 / HYD / 1600 rev"), std::string::npos);
}

TEST_F(CliBatch, JsonHasOneEntryPerDuty)
{
    const CliRun run = Batch(ThreeDuties, {"--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue duties = JsonReader::Parse(run.Out)["duties"];
    ASSERT_EQ(duties.Items.size(), 3u);
    EXPECT_EQ(duties[0]["row"].Text, "1");
    EXPECT_EQ(duties[0]["duty"]["flow"].Text, "80");
    EXPECT_EQ(duties[0]["rows"].Items.size(), 10u);
    ASSERT_EQ(duties[1]["errors"].Items.size(), 2u);
    EXPECT_TRUE(duties[1]["errors"][1].Text.starts_with("2. No suitable cooler"));
    EXPECT_FALSE(duties[2]["groups"].Items.empty());
}

TEST_F(CliBatch, ColumnsInAnyOrderWithOptionalValuesAndCommaDecimals)
{
    const CliRun run = Batch("Drive; --Inlet ;ambient;flow;heat;max-loss;altitude;oil\n"
                             "400;60;30;80;\"10,0\";2;0;\n"
                             "400;60;30;80;10;0,1;0;ISO VG 46\n"
                             "400;60;30;80;10;;\n",
                             {"--decimal", ",", "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue duties = JsonReader::Parse(run.Out)["duties"];
    ASSERT_EQ(duties.Items.size(), 3u);
    ASSERT_TRUE(duties[0].Has("rows")) << run.Out;
    EXPECT_EQ(duties[0]["rows"][0]["OilTypeIndex"].Text, "7");
    EXPECT_NE(duties[0]["rows"][0]["cells"][3].Text.find(','), std::string::npos);
    // Every cooler exceeds 0.1 bar: the question is answered no and the next row still runs.
    EXPECT_TRUE(duties[1]["question"].Text.starts_with("The pressure loss"));
    // Empty or missing cells of a column are emptied fields, not standard values.
    ASSERT_EQ(duties[2]["errors"].Items.size(), 3u) << run.Out;
    EXPECT_EQ(duties[2]["errors"][0].Text, "1. Enter the maximum permissible pressure loss.");
    EXPECT_EQ(duties[2]["errors"][1].Text, "2. Enter the altitude above sea level.");
}

TEST_F(CliBatch, KeepAllAnswersTheQuestionForEveryRow)
{
    const CliRun run = Batch("heat,flow,ambient,inlet,drive,max-loss\n10,80,30,60,400,0.1\n", {"--keep-all", "--json"});
    ASSERT_EQ(run.ExitCode, 0);
    EXPECT_EQ(JsonReader::Parse(run.Out)["duties"][0]["rows"].Items.size(), 10u);
}

TEST_F(CliBatch, RowsThatCannotBeReadAreReportedAndTheOthersRun)
{
    constexpr std::string_view Rows = "heat,flow,ambient,inlet,drive\n"
                                      "10,80 furlongs,30,60,400\n"
                                      "10,80,30,60,400,extra\n"
                                      ",,,,\n"
                                      "10,80,30,60,steam\n"
                                      "\n"
                                      "10,80,-1e999,60,400\n"
                                      "10,80,30,60,400\n";
    const CliRun run = Batch(Rows, {"--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue duties = JsonReader::Parse(run.Out)["duties"];
    ASSERT_EQ(duties.Items.size(), 7u);  // empty rows keep their places
    EXPECT_NE(duties[0]["invalid"].Text.find("furlongs"), std::string::npos);
    EXPECT_NE(duties[1]["invalid"].Text.find("more fields"), std::string::npos);
    EXPECT_EQ(duties[2]["invalid"].Text, "the row is empty");
    EXPECT_NE(duties[3]["invalid"].Text.find("steam"), std::string::npos);
    EXPECT_EQ(duties[4]["invalid"].Text, "the row is empty");
    EXPECT_EQ(duties[5]["invalid"].Text, "ambient: \"-1e999\" is beyond the range of numbers (up to 1.8e308 in size)");
    EXPECT_EQ(duties[6]["row"].Text, "7");
    EXPECT_EQ(duties[6]["rows"].Items.size(), 10u);
    EXPECT_NE(Batch(Rows).Out.find("\nRow 5\nkrcool: the row is empty\n"), std::string::npos);
}

TEST_F(CliBatch, ARowLongerThanOneMebibyteIsRefusedAfterTheRowsBefore)
{
    std::string longest = "10,80,30,60,400";
    longest.resize(cli::MaxCsvRowBytes, ' ');
    const CliRun run = Batch("heat,flow,ambient,inlet,drive\n" + longest + "\n" + longest + " \n10,80,30,60,400\n",
                             {"--json"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "krcool: " + (dir_ / "duties.csv").string() +
                           ": the row that begins on line 3 is longer than 1 MiB\n");
    const JsonValue duties = JsonReader::Parse(run.Out)["duties"];
    ASSERT_EQ(duties.Items.size(), 1u);
    EXPECT_FALSE(duties[0]["rows"].Items.empty());

    const CliRun endless = RunOnDist({"select", "--batch", "/dev/zero"});
    EXPECT_EQ(endless.ExitCode, 1);
    EXPECT_NE(endless.Err.find("line 1 is longer than 1 MiB"), std::string::npos) << endless.Err;
}

TEST_F(CliBatch, UnreadableFilesFail)
{
    struct Case {
        const char* csv;
        const char* message;
    };
    for (const Case c : {Case{"heat,flow,colour\n10,80,red\n", "unknown column \"colour\""},
                         Case{"heat,flow,heat\n", "named twice"},
                         // A binary file's first line, shown cut short and without control characters.
                         Case{"\x1b[2J0123456789012345678901234567890123456789,heat\n",
                              "unknown column \"?[2J012345678901234567890123456789012345...\"; the columns"},
                         Case{"heat,flow\n\"10,80\n", "not closed"}, Case{"", "no header"}}) {
        const CliRun run = Batch(c.csv);
        EXPECT_EQ(run.ExitCode, 1) << c.message;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
    }
    const CliRun missing = RunOnDist({"select", "--batch", (dir_ / "none.csv").string()});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("cannot open"), std::string::npos);
    const CliRun folder = RunOnDist({"select", "--batch", dir_.Path().string()});
    EXPECT_EQ(folder.ExitCode, 1);
}

}  // namespace
}  // namespace kr::test
