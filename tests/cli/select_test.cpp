#include "cli/app_folder.h"
#include "cli_support.h"
#include "json_reader.h"

#include "core/data/language.h"
#include "core/engine/selection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kr::test {
namespace {

std::vector<std::string> Designations(const JsonValue& rows)
{
    std::vector<std::string> names;
    for (const JsonValue& row : rows.Items)
        names.push_back(row["Designation"].Text);
    return names;
}

std::vector<std::string> SelectArgs(std::string heat, std::string flow, std::string drive,
                                    std::vector<std::string> more = {})
{
    std::vector<std::string> args{"select", "--heat", heat, "--flow", flow, "--ambient", "30", "--inlet", "60",
                                  "--drive", drive};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// ---------------------------------------------------------------------------
// Results

TEST(CliSelect, EveryDriveFindsCoolersOfThatDrive)
{
    struct Case {
        const char* drive;
        const char* heat;
        const char* flow;
        const char* motorKind;
    };
    for (const Case c : {Case{"400", "10", "80", "400"}, Case{"12", "3", "30", "12"}, Case{"24", "3", "30", "24"},
                         Case{"hyd", "10", "80", "HYD"}, Case{"KRC", "3", "", "KRC"}}) {
        const CliRun run = RunOnDist(SelectArgs(c.heat, c.flow, c.drive, {"--json"}));
        ASSERT_EQ(run.ExitCode, 0) << c.drive << run.Out << run.Err;
        const JsonValue json = JsonReader::Parse(run.Out);
        const JsonValue& rows = json.Has("groups") ? json["groups"][0] : json["rows"];
        ASSERT_FALSE(rows.Items.empty()) << c.drive;
        EXPECT_EQ(rows[0]["MotorKind"].Text, c.motorKind);
        EXPECT_EQ(json.Has("groups"), std::string_view(c.motorKind) == "HYD");
    }
}

TEST(CliSelect, TextShowsTheGridHeadingsAndRows)
{
    const CliRun run = RunOnDist(SelectArgs("10", "80", "400"));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_NE(lines[0].find("KR cooler"), std::string::npos);
    EXPECT_NE(lines[0].find("Heat rejection"), std::string::npos);
    EXPECT_NE(lines[1].find("kW"), std::string::npos);
    EXPECT_NE(lines[1].find("DKK"), std::string::npos);
    EXPECT_TRUE(lines[2].starts_with(" 1  KR 30 AC 400V 2-pol"));
    EXPECT_NE(lines[2].find("50 Hz / 2850 rev / 0.8 KW"), std::string::npos);
    EXPECT_TRUE(lines[2].ends_with("8600.00"));
    // Columns line up: every row ends at the same place.
    EXPECT_EQ(lines[2].size(), lines[3].size());
}

TEST(CliSelect, HydraulicTextListsTheMotorsOfEachRow)
{
    const CliRun run = RunOnDist(SelectArgs("10", "80", "HYD"));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Out.find("Hydraulic motor"), std::string::npos);
    EXPECT_NE(run.Out.find("KR 35 / HYD / 1600 rev"), std::string::npos);
    EXPECT_NE(run.Out.find("Step through the hydraulic motors"), std::string::npos);
    EXPECT_NE(run.Out.find("1   4 cc 28 bar 6.7 l/min 1600 rpm\n    6 cc 22 bar 10.1 l/min 1600 rpm"), std::string::npos);
}

TEST(CliSelect, QuantitiesInOtherUnitsGiveTheSameCoolers)
{
    const CliRun base = RunOnDist(SelectArgs("10", "80", "400", {"--max-loss", "2", "--altitude", "300", "--json"}));
    ASSERT_EQ(base.ExitCode, 0) << base.Err;
    const JsonValue baseRows = JsonReader::Parse(base.Out)["rows"];

    const std::vector<std::string> converted{"select",     "--heat",     "10000W",  "--flow",     "4.8 m3/h",
                                             "--ambient",  "86degF",     "--inlet", "140 °F",     "--drive",
                                             "400",        "--max-loss", "200kPa",  "--altitude", "984.24 ft",
                                             "--json"};
    const CliRun run = RunOnDist(converted);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue rows = JsonReader::Parse(run.Out)["rows"];
    EXPECT_EQ(Designations(rows), Designations(baseRows));
    for (std::size_t i = 0; i < rows.Items.size(); ++i) {
        // The unit factors are rounded constants: the values agree to about 15 digits.
        EXPECT_NEAR(rows[i]["HeatRejection"].Number(), baseRows[i]["HeatRejection"].Number(), 1e-12L);
        EXPECT_NEAR(rows[i]["PressLoss"].Number(), baseRows[i]["PressLoss"].Number(), 1e-12L);
        // The grid shows heat in the unit typed: 10 kW is about 10000 W.
        EXPECT_EQ(rows[i]["cells"][3].Text.find('.'), std::string::npos);
    }

    const CliRun text = RunOnDist({"select", "--heat", "10000 w", "--flow", "80", "--ambient", "30", "--inlet", "60",
                                   "--drive", "400", "--max-loss", "29psi"});
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    const std::vector<std::string> lines = Lines(text.Out);
    EXPECT_NE(lines[1].find("W "), std::string::npos);
    EXPECT_NE(lines[1].find("PSI"), std::string::npos);
}

TEST(CliSelect, JsonNumbersAreTheEnginesExactly)
{
    const CliRun run = RunOnDist(SelectArgs("10", "80", "400", {"--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue rows = JsonReader::Parse(run.Out)["rows"];

    const cli::AppFolderLoad load = cli::LoadAppFolder(DistDir);
    const Language* english = FindLanguage(load.Folder.Languages, "English");
    ASSERT_NE(english, nullptr);
    CalculationInput input;
    input.HeatReject = "10";
    input.OilFlow = "80";
    input.AmbientTemp = "30";
    input.InletTemp = "60";
    input.MaxLoss = "2";
    input.Altitude = "0";
    input.Drive = DriveChoice::ACDC;
    const DutySelection selection = SelectByDuty(input, load.Folder.Database.CoolerRecords, load.Folder.Prices,
                                                 english->Table, {'.', '\0'}, {});
    ASSERT_EQ(rows.Items.size(), selection.ResultCoolers.size());
    for (std::size_t i = 0; i < rows.Items.size(); ++i) {
        const tCoolType& r = selection.ResultCoolers[i];
        const JsonValue& row = rows[i];
        EXPECT_EQ(row["Designation"].Text, r.Designation());
        EXPECT_EQ(row["ItemNo"].Text, r.ItemNo());
        EXPECT_EQ(row["CoolerType"].Text, r.CoolerType());
        EXPECT_EQ(row["Currency"].Text, r.Currency);
        const std::pair<const char*, long double> fields[] = {
            {"HeatRejection", r.HeatRejection}, {"PressLoss", r.PressLoss},       {"AirOutletTemp", r.AirOutletTemp},
            {"OilOutletTemp", r.OilOutletTemp}, {"Viscosity", r.Viscosity},       {"Temp5Bar", r.Temp5Bar},
            {"RequiredHeat", r.RequiredHeat},   {"OilFlow", r.OilFlow},           {"AmbientTemp", r.AmbientTemp},
            {"OilInletTemp", r.OilInletTemp},   {"Altitude", r.Altitude},         {"Price", r.Price()},
        };
        for (const auto& [name, value] : fields)
            EXPECT_EQ(row[name].Number(), value) << name << " " << row[name].Text;
        EXPECT_EQ(row["OilTypeIndex"].Text, "7");
        ASSERT_EQ(row["cells"].Items.size(), 7u);
        EXPECT_EQ(row["cells"][0].Text, std::to_string(i + 1));
        EXPECT_EQ(row["cells"][1].Text, r.Designation());
    }
}

TEST(CliSelect, HydraulicJsonHoldsEveryMotorOfEveryGroup)
{
    const CliRun run = RunOnDist(SelectArgs("10", "80", "HYD", {"--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue groups = JsonReader::Parse(run.Out)["groups"];
    ASSERT_FALSE(groups.Items.empty());
    const JsonValue& first = groups[0];
    ASSERT_EQ(first.Items.size(), 3u);
    // Each motor shows in the row's motor cell; the other cells stay those of the first motor.
    const char* motorCells[] = {"4 cc 28 bar 6.7 l/min", "6 cc 22 bar 10.1 l/min", "8 cc 19 bar 13.5 l/min"};
    for (std::size_t motor = 0; motor < first.Items.size(); ++motor) {
        EXPECT_EQ(first[motor]["cells"][2].Text, motorCells[motor]);
        EXPECT_EQ(first[motor]["cells"][3].Text, first[0]["cells"][3].Text);
        EXPECT_EQ(first[motor]["CoolerType"].Text, "KR 35");
    }
}

TEST(CliSelect, CommaDecimalsAndAnotherLanguage)
{
    const CliRun run =
        RunOnDist({"select", "--heat", "10,5", "--flow", "80", "--ambient", "30", "--inlet", "60,5", "--drive", "400",
                   "--decimal", ",", "--lang", "dansk"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_NE(lines[2].find(",00"), std::string::npos);
    EXPECT_EQ(lines[2].find(".00"), std::string::npos);

    const cli::AppFolderLoad load = cli::LoadAppFolder(DistDir);
    const Language* dansk = FindLanguage(load.Folder.Languages, "Dansk");
    ASSERT_NE(dansk, nullptr);
    EXPECT_NE(lines[0].find(dansk->Table.Lookup("KR cooler")), std::string::npos);
}

// ---------------------------------------------------------------------------
// Problems and the question

TEST(CliSelect, ProblemListPrintsItsLinesAndExitsTwo)
{
    const CliRun run = RunOnDist({"select", "--heat", "100", "--flow", "10", "--ambient", "30", "--inlet", "32"});
    EXPECT_EQ(run.ExitCode, 2);
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 10u);  // five entries, each followed by an empty line
    EXPECT_EQ(lines[0], "1. Select a fan drive: AC/DC motor, hydraulic motor or KRC.");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "2. The oil flow must be between 20.0 l/min and 500.0 l/min.");
    EXPECT_EQ(lines[8], "5. No suitable cooler was found.");

    const CliRun json =
        RunOnDist({"select", "--heat", "100", "--flow", "10", "--ambient", "30", "--inlet", "32", "--json"});
    EXPECT_EQ(json.ExitCode, 2);
    const JsonValue errors = JsonReader::Parse(json.Out)["errors"];
    ASSERT_EQ(errors.Items.size(), 5u);
    EXPECT_EQ(errors[0].Text, lines[0]);
    EXPECT_EQ(errors[4].Text, lines[8]);
}

TEST(CliSelect, EmptyValuesAreReportedByTheChecks)
{
    const CliRun run = RunOnDist({"select", "--drive", "400"});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_NE(run.Out.find("1. Enter the required heat rejection."), std::string::npos);
    EXPECT_NE(run.Out.find("Enter the oil flow."), std::string::npos);
}

TEST(CliSelect, PressureLossQuestionIsAnsweredByKeepAll)
{
    const CliRun no = RunOnDist(SelectArgs("10", "80", "400", {"--max-loss", "0.1"}));
    EXPECT_EQ(no.ExitCode, 3);
    EXPECT_TRUE(no.Out.starts_with("The pressure loss of every cooler found exceeds"));
    EXPECT_NE(no.Err.find("--keep-all"), std::string::npos);

    const CliRun noJson = RunOnDist(SelectArgs("10", "80", "400", {"--max-loss", "0.1", "--json"}));
    EXPECT_EQ(noJson.ExitCode, 3);
    EXPECT_TRUE(JsonReader::Parse(noJson.Out)["question"].Text.starts_with("The pressure loss"));

    const CliRun yes = RunOnDist(SelectArgs("10", "80", "400", {"--max-loss", "0.1", "--keep-all", "--json"}));
    EXPECT_EQ(yes.ExitCode, 0);
    EXPECT_EQ(JsonReader::Parse(yes.Out)["rows"].Items.size(), 10u);
}

// ---------------------------------------------------------------------------
// Folders of the test's own

TEST(CliSelect, WithoutPriceFileTheGridHasNoPriceColumn)
{
    const TestFolder folder({TestCooler{}});
    const CliRun run = folder.Run({"select", "--heat", "10", "--flow", "80", "--ambient", "30", "--inlet", "60",
                                   "--drive", "400", "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    const JsonValue rows = JsonReader::Parse(run.Out)["rows"];
    ASSERT_EQ(rows.Items.size(), 1u);
    EXPECT_EQ(rows[0]["cells"].Items.size(), 6u);
    EXPECT_EQ(rows[0]["Currency"].Text, "DKK");
    EXPECT_EQ(rows[0]["Price"].Text, "1000");
}

TEST(CliSelect, UnreadableDisplacementFailsTheSearch)
{
    TestCooler bad;
    bad.Motor = "HYD";
    bad.Designation = "KR 30 HYD x";
    bad.HydDisplacement = "x8";
    const TestFolder folder({bad});
    const CliRun run = folder.Run({"select", "--heat", "10", "--flow", "80", "--ambient", "30", "--inlet", "60",
                                   "--drive", "HYD"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("x8"), std::string::npos);
    EXPECT_EQ(run.Out, "");
}

TEST(CliSelect, MissingDatabaseIsAFailureInTheProgramsWords)
{
    const TempDir empty;
    const CliRun run = RunCli({"select", "--appdir", empty.Path().string()});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "krcool: " + (empty / "Krdata.dat").string() +
                           ": The cooler database Krdata.dat is missing or damaged. "
                           "Please install the program again.\n");

    // A damaged price file in a folder without language files, in every command.
    const TestFolder noLanguages({TestCooler{}});
    noLanguages.Write("Price.dat", "short");
    std::filesystem::remove(noLanguages.Path() / "English.SPROG");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"info"}, {"types"}, {"select"}}) {
        const CliRun damaged = noLanguages.Run(args);
        EXPECT_EQ(damaged.ExitCode, 1);
        EXPECT_TRUE(damaged.Err.starts_with("krcool: " + (noLanguages.Path() / "Price.dat").string() +
                                            ": The price file Price.dat cannot be read."))
            << damaged.Err;
    }
    // The built-in texts are those of the English language file.
    const cli::AppFolderLoad dist = cli::LoadAppFolder(DistDir);
    const Language* english = FindLanguage(dist.Folder.Languages, "English");
    ASSERT_NE(english, nullptr);
    for (const auto& [key, text] : cli::BuiltInFailureTexts)
        EXPECT_EQ(english->Table.Lookup(key), text) << key;
}

TEST(CliSelect, AnEmptyValueIsAnEmptiedFieldNotTheStandardValue)
{
    const std::string maxLoss = "1. Enter the maximum permissible pressure loss.";
    const std::string altitude = "1. Enter the altitude above sea level.";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {SelectArgs("10", "80", "400", {"--max-loss", ""}), maxLoss},
        {SelectArgs("10", "80", "400", {"--altitude", " "}), altitude},
        {{"rate", "--type", "KR 30", "--drive", "AC", "--flow", "40", "--ambient", "30", "--inlet", "60", "--altitude",
          ""},
         altitude},
        {{"curve", "--designation", "KR 30 AC 400V 4-pol", "--flow", "80", "--ambient", "30", "--inlet", "60",
          "--altitude="},
         altitude},
    };
    for (const auto& [args, problem] : cases) {
        const CliRun run = RunOnDist(args);
        EXPECT_EQ(run.ExitCode, 2) << args[0] << run.Err;
        EXPECT_TRUE(run.Out.starts_with(problem)) << run.Out;
    }
    // A KRC cooler has no pressure-loss limit to leave empty.
    EXPECT_EQ(RunOnDist(SelectArgs("3", "", "KRC", {"--max-loss", ""})).Out.find(maxLoss.substr(3)), std::string::npos);
}

// ---------------------------------------------------------------------------
// Usage errors

TEST(CliSelect, UsageErrorsNameWhatIsWrong)
{
    struct Case {
        std::vector<std::string> extra;
        const char* message;
    };
    const Case cases[] = {
        {{"--flow", "80 furlong/min"}, "l/min, l/s, m³/h, gal(US)/h, gal(UK)/h, kg/s, lb/h"},
        {{"--ambient", "30K"}, "°C, °F"},
        {{"--flow", "80.5", "--decimal", ","}, "decimal separator"},
        {{"--heat", "lots"}, "does not begin with a number"},
        {{"--drive", "diesel"}, "400, 12, 24, HYD, KRC"},
        {{"--oil", "ISO VG 33"}, "ISO VG 32"},
        {{"--lang", "Klingon"}, "Dansk, Deutsch, English"},
        {{"--decimal", ";"}, "--decimal"},
        {{"--colour", "red"}, "unknown option --colour"},
        {{"--batch", "duties.csv"}, "--batch"},
        {{"--ambient", "-1e400", "--drive", "400"}, "--ambient: \"-1e400\" is beyond the range of numbers"},
        {{"--heat", "1" + std::string(320, '0') + " W"}, " W\" is beyond the range of numbers"},
        {{"--heat", "--flow", "80"}, "krcool: --heat needs a value"},
        {{"--heat", "10", "--heat=20"}, "krcool: --heat is given twice"},
        {{"--json", "--keep-all", "--json"}, "krcool: --json is given twice"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"select"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunOnDist(
            WithDefaultOptions(args, {{"--heat", "10"}, {"--flow", "80"}, {"--ambient", "30"}, {"--inlet", "60"}}));
        EXPECT_EQ(run.ExitCode, 64) << c.message;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

TEST(CliSelect, OptionWithoutItsValue)
{
    const CliRun run = RunCli({"select", "--drive", "400", "--heat"});
    EXPECT_EQ(run.ExitCode, 64);
    EXPECT_NE(run.Err.find("--heat needs a value"), std::string::npos);
}

TEST(CliSelect, OilGradeByNameOrNumber)
{
    for (const char* oil : {"ISO VG 68", "iso vg68", "VG 68", "68"}) {
        const CliRun run = RunOnDist(SelectArgs("10", "80", "400", {"--oil", oil, "--json"}));
        ASSERT_EQ(run.ExitCode, 0) << oil << run.Err;
        EXPECT_EQ(JsonReader::Parse(run.Out)["rows"][0]["OilTypeIndex"].Text, "9") << oil;
    }
}

TEST(CliCommands, UnknownCommandAndHelp)
{
    EXPECT_EQ(RunCli({"frobnicate"}).ExitCode, 64);
    EXPECT_EQ(RunCli({}).ExitCode, 64);
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* command : {"select", "rate", "types", "motors", "--batch"})
        EXPECT_NE(help.Out.find(command), std::string::npos) << command;
}

}  // namespace
}  // namespace kr::test
