// The krdata program as the build runs it: exit codes, messages, and that a
// failed run leaves the output file as it was.

#include "krdata/file_io.h"

#include "../core/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace kr {
namespace {

struct RunResult {
    int exitCode;
    std::string out;
    std::string err;
};

RunResult RunKrdata(const test::TempDir& dir, const std::string& arguments)
{
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    const std::string command = std::string("'") + KRDATA_EXE + "' " + arguments + " >'" + out.string() + "' 2>'" +
                                err.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
}

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

constexpr std::string_view SmallCoolers = "Designation,CoolerType,HeatCoefA,FanSpeed\n"
                                          "\"KR 30, °C\",KR 30,0.35,1450\n"
                                          "Thermo,TB,0,0\n";

TEST(KrdataCommand, WritesAndDumpsToStandardOutputOrAFile)
{
    const test::TempDir dir;
    const auto csv = dir.Write("coolers.csv", SmallCoolers);
    const auto dat = dir / "Krdata.dat";
    ASSERT_EQ(RunKrdata(dir, "cooler-write " + Quoted(csv) + " " + Quoted(dat)).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(dat), 2 * 488u);

    const RunResult dump = RunKrdata(dir, "cooler-dump " + Quoted(dat));
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_TRUE(dump.out.starts_with("Designation,CoolerType,DrawingFile,")) << dump.out;
    EXPECT_NE(dump.out.find("\"KR 30, °C\",KR 30,,0,0,0,0,0,0.35,"), std::string::npos) << dump.out;

    const auto again = dir / "again.csv";
    ASSERT_EQ(RunKrdata(dir, "cooler-dump " + Quoted(dat) + " " + Quoted(again)).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(again), dump.out);
}

TEST(KrdataCommand, PriceFilesBothWays)
{
    const test::TempDir dir;
    const std::string source = "Record,DiskDate,DiskID,Publisher,EndDate,ItemNo,Price,Currency\n"
                               "header,2024-03-01,41,Kalvorn,2024-12-31,,,\n"
                               "item,,,,,KR030-A4,7350,DKK\n";
    const auto csv = dir.Write("prices.csv", source);
    const auto dat = dir / "Price.dat";
    ASSERT_EQ(RunKrdata(dir, "price-write " + Quoted(csv) + " " + Quoted(dat)).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(dat), 200u);
    EXPECT_EQ(RunKrdata(dir, "price-dump " + Quoted(dat)).out, source);
}

TEST(KrdataCommand, BadInputFailsWithAMessageAndKeepsTheOldOutput)
{
    const test::TempDir dir;
    const auto dat = dir.Write("Krdata.dat", "old contents");
    struct Case {
        std::string csv;
        std::string message;
    };
    const Case cases[] = {
        {"Designation,Colour\nKR 30,red\n", "row 1, column 2: unknown column name \"Colour\"\n"},
        {"Designation,HeatCoefA\nKR 30,0.35\nKR 40,abc\n",
         "row 3, column HeatCoefA: \"abc\" is not a finite decimal number\n"},
        {"Designation,HeatCoefA\nKR 30\n", "row 2: 1 cells where the header has 2\n"},
    };
    for (const Case& c : cases) {
        const auto csv = dir.Write("bad.csv", c.csv);
        const RunResult run = RunKrdata(dir, "cooler-write " + Quoted(csv) + " " + Quoted(dat));
        EXPECT_EQ(run.exitCode, 1) << c.csv;
        EXPECT_EQ(run.err, "krdata: " + csv.string() + ": " + c.message);
        EXPECT_EQ(ReadWholeFile(dat), "old contents");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4)
        << "only Krdata.dat, bad.csv and the two captured streams";
}

TEST(KrdataCommand, MissingFilesAndWrongCommandLines)
{
    const test::TempDir dir;
    const RunResult missing = RunKrdata(dir, "price-dump " + Quoted(dir / "Price.dat"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "krdata: " + (dir / "Price.dat").string() + ": no such file\n");

    const RunResult partial = RunKrdata(dir, "cooler-dump " + Quoted(dir.Write("short.dat", std::string(100, 'x'))));
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_NE(partial.err.find("not a multiple of the record size 488"), std::string::npos) << partial.err;

    const auto csv = dir.Write("coolers.csv", SmallCoolers);
    const std::string wrongCommandLines[] = {"", "cooler-read x y", "cooler-write " + Quoted(csv), "cooler-dump a b c"};
    for (const std::string& arguments : wrongCommandLines) {
        const RunResult run = RunKrdata(dir, arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_TRUE(run.err.starts_with("usage: krdata cooler-write")) << arguments;
    }

    const auto underAFile = csv / "Krdata.dat";
    const RunResult unwritable = RunKrdata(dir, "cooler-write " + Quoted(csv) + " " + Quoted(underAFile));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.starts_with("krdata: Cannot write the file \"" + underAFile.string() + "\": "))
        << unwritable.err;
}

}  // namespace
}  // namespace kr
