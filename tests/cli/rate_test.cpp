#include "cli/app_folder.h"
#include "cli_support.h"
#include "json_reader.h"

#include "core/engine/known_rating.h"

#include <gtest/gtest.h>

namespace kr::test {
namespace {

std::vector<std::string> RateArgs(std::string type, std::string drive, std::vector<std::string> more = {})
{
    std::vector<std::string> args{"rate", "--type", type, "--drive", drive};
    args.insert(args.end(), more.begin(), more.end());
    return WithDefaultOptions(args, {{"--flow", "40"}, {"--ambient", "30"}, {"--inlet", "60"}});
}

JsonValue RateJson(std::vector<std::string> args)
{
    args.push_back("--json");
    const CliRun run = RunOnDist(args);
    EXPECT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    return JsonReader::Parse(run.Out);
}

TEST(CliRate, EveryDriveRatesItsRecords)
{
    struct Case {
        std::vector<std::string> args;
        const char* motorKind;
        const char* motorCell;
    };
    const Case cases[] = {
        {RateArgs("KR 10", "AC"), "12", "4.44 A"},  // the first entry of the list is "12 V"
        {RateArgs("kr 10", "ac", {"--motor", "24 V"}), "24", "2.22 A"},
        {RateArgs("KR 10", "AC", {"--motor", "400v/4pol"}), "400", "50 Hz / 1450 rev / 0.1 KW"},
        {RateArgs("KR 10", "HYD", {"--motor", "6 ccm"}), "HYD", "6 cc"},
        {RateArgs("KRC 20", "KRC"), "KRC", "50 Hz / 1450 rev / 0.6 KW"},
    };
    for (const Case& c : cases) {
        const JsonValue json = RateJson(c.args);
        const JsonValue& rows = json["rows"];
        ASSERT_FALSE(rows.Items.empty()) << c.motorCell;
        for (const JsonValue& row : rows.Items)
            EXPECT_EQ(row["MotorKind"].Text, c.motorKind);
        EXPECT_TRUE(rows[0]["cells"][2].Text.starts_with(c.motorCell)) << rows[0]["cells"][2].Text;
    }
}

TEST(CliRate, KrcRowsShowNoDataAndUseThePumpFlow)
{
    const JsonValue json = RateJson(RateArgs("KRC 20", "KRC", {"--flow", "999"}));
    const JsonValue& row = json["rows"][0];
    EXPECT_EQ(row["cells"][4].Text, "No data");
    EXPECT_EQ(row["Temp5Bar"].Text, "0");
    EXPECT_NE(row["OilFlow"].Number(), 999.0L);
}

TEST(CliRate, TextShowsTheKnownCoolerGridInThePressureUnitChosen)
{
    const CliRun run = RunOnDist(RateArgs("KR 30", "AC", {"--loss-unit", "kPa"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_NE(lines[1].find("kW"), std::string::npos);
    EXPECT_NE(lines[1].find("kPa"), std::string::npos);
    EXPECT_TRUE(lines[2].starts_with("1  KR 30"));
}

TEST(CliRate, OtherUnitsGiveTheSameRows)
{
    const JsonValue base = RateJson(RateArgs("KR 30", "AC", {"--altitude", "100"}));
    const JsonValue other = RateJson({"rate", "--type", "KR 30", "--drive", "AC", "--flow", "2.4m3/h", "--ambient",
                                      "86 degF", "--inlet", "140degF", "--altitude", "328.08ft"});
    ASSERT_EQ(base["rows"].Items.size(), other["rows"].Items.size());
    for (std::size_t i = 0; i < base["rows"].Items.size(); ++i) {
        EXPECT_EQ(base["rows"][i]["Designation"].Text, other["rows"][i]["Designation"].Text);
        EXPECT_NEAR(base["rows"][i]["HeatRejection"].Number(), other["rows"][i]["HeatRejection"].Number(), 1e-6L);
        EXPECT_EQ(base["rows"][i]["cells"][3].Text, other["rows"][i]["cells"][3].Text);
    }
}

TEST(CliRate, JsonNumbersAreTheEnginesExactly)
{
    const JsonValue json = RateJson(RateArgs("KR 10", "HYD", {"--motor", "4 ccm", "--oil", "ISO VG 46"}));
    const cli::AppFolderLoad load = cli::LoadAppFolder(DistDir);
    KnownInput input;
    input.OilFlow = "40";
    input.AmbientTemp = "30";
    input.InletTemp = "60";
    input.Altitude = "0";
    input.OilTypeIndex = 8;
    input.Drive = DriveChoice::Hydraulic;
    input.CoolerType = "KR 10";
    input.HydraulicChoice = "4 ccm";
    const KnownRating rating = RateKnownCooler(input, load.Folder.Database.CoolerRecords, load.Folder.Prices,
                                               FindLanguage(load.Folder.Languages, "English")->Table, {});
    ASSERT_EQ(json["rows"].Items.size(), rating.KnownResults.size());
    for (std::size_t i = 0; i < rating.KnownResults.size(); ++i) {
        const tCoolType& r = rating.KnownResults[i];
        const JsonValue& row = json["rows"][i];
        EXPECT_EQ(row["HeatRejection"].Number(), r.HeatRejection);
        EXPECT_EQ(row["RequiredHeat"].Number(), r.RequiredHeat);
        EXPECT_EQ(row["Temp5Bar"].Number(), r.Temp5Bar);
        EXPECT_EQ(row["Viscosity"].Number(), r.Viscosity);
        EXPECT_EQ(row["OilOutletTemp"].Number(), r.OilOutletTemp);
    }
}

TEST(CliRate, ProblemsExitTwo)
{
    const CliRun run = RunOnDist(RateArgs("KR 30", "AC", {"--flow", "10"}));
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Out.starts_with("1. The oil flow must be between 20.0 l/min and 500.0 l/min.\n\n2. "));

    const CliRun json = RunOnDist(RateArgs("KR 10", "AC", {"--flow", "100", "--json"}));
    EXPECT_EQ(json.ExitCode, 2);
    const JsonValue errors = JsonReader::Parse(json.Out)["errors"];
    ASSERT_EQ(errors.Items.size(), 2u);  // outside the cooler's own range, so no cooler
    EXPECT_TRUE(errors[0].Text.starts_with("1. No cooler with the chosen drive"));
}

TEST(CliRate, UsageErrorsNameWhatIsWrong)
{
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {RateArgs("KR 99", "AC"), "krcool types"},
        {RateArgs("KR 30", "KRC"), "--drive AC or HYD"},
        {RateArgs("KRC 20", "AC"), "--drive KRC"},
        {RateArgs("KR 30", "diesel"), "AC, HYD, KRC"},
        {RateArgs("KR 10", "HYD", {"--motor", "99 ccm"}), "\"4 ccm\", \"6 ccm\""},
        {RateArgs("KRC 20", "KRC", {"--motor", "12 V"}), "no motor list"},
        {RateArgs("KR 30", "AC", {"--loss-unit", "mmHg"}), "bar, Pa, kPa, PSI, lbf/ft²"},
        {RateArgs("KR 30", "AC", {"--flow", "40 gallons"}), "gal(US)/h"},
        {{"rate", "--drive", "AC"}, "needs --type"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunOnDist(c.args);
        EXPECT_EQ(run.ExitCode, 64) << c.message;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
    }
}

TEST(CliLists, TypesAndMotorsAreTheKnownCoolerLists)
{
    const CliRun types = RunOnDist({"types"});
    ASSERT_EQ(types.ExitCode, 0);
    const std::vector<std::string> typeLines = Lines(types.Out);
    ASSERT_EQ(typeLines.size(), 32u);
    EXPECT_EQ(typeLines.front(), "KR 10");
    EXPECT_EQ(typeLines.back(), "KRC 60");

    const CliRun ac = RunOnDist({"motors", "--type", "KR 10", "--drive", "AC"});
    ASSERT_EQ(ac.ExitCode, 0);
    EXPECT_EQ(Lines(ac.Out),
              (std::vector<std::string>{"12 V", "24 V", "400 V / 2 POL", "400 V / 4 POL", "400 V / 6 POL"}));
    const CliRun hyd = RunOnDist({"motors", "--type", "KR 10", "--drive", "HYD"});
    EXPECT_EQ(Lines(hyd.Out), (std::vector<std::string>{"4 ccm", "6 ccm"}));

    EXPECT_EQ(RunOnDist({"motors", "--type", "KRC 20", "--drive", "KRC"}).ExitCode, 64);
    EXPECT_EQ(RunOnDist({"motors", "--type", "KR 10"}).ExitCode, 64);
}

}  // namespace
}  // namespace kr::test
