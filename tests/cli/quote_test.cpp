#include "cli_support.h"
#include "json_reader.h"

#include "core/common/delphi_format.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kr::test {
namespace {

const std::vector<std::string> Duty{"--heat", "10", "--flow", "80", "--ambient", "30", "--inlet", "60", "--drive", "400"};

std::vector<std::string> Args(std::vector<std::string> args, const std::vector<std::string>& more = {})
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Settings of an installed program that grant 10 % discount.
class QuoteTest : public ::testing::Test {
protected:
    QuoteTest()
    {
        const auto settings = dir.Write("KRCool.reg", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vossbridge\\Kalvorn\\KRCool]\n"
                                                      "\"Installed\"=dword:00000001\n\"PricePct\"=dword:0000000a\n");
        setenv("KRCOOL_REGISTRY", settings.c_str(), 1);
    }
    ~QuoteTest() override { unsetenv("KRCOOL_REGISTRY"); }

    TempDir dir;
    const std::string file = (dir / "offer.krq").string();
};

// Two additions of the same cooler and one of an accessory, in either
// decimal format, give two items and the sums of the printed quotation.
TEST_F(QuoteTest, AddsCoolersAndAccessoriesAndShowsTheSums)
{
    for (const std::string separator : {".", ","}) {
        std::filesystem::remove(file);
        const JsonValue select = JsonReader::Parse(RunOnDist(Args({"select", "--json"}, Duty)).Out);
        const JsonValue& first = select["rows"][0];
        const auto session = std::vector<std::string>{"--quotation", file, "--decimal", separator};
        const std::vector<std::vector<std::string>> additions = {
            Args(Args({"quote", "add"}, Duty), session),
            Args(Args({"quote", "add", "--row", "1"}, Duty), session),
            Args({"quote", "add", "--accessory", "tb-075-40"}, session),
        };
        for (const auto& args : additions) {
            const CliRun run = RunOnDist(args);
            ASSERT_EQ(run.ExitCode, 0) << run.Err;
        }

        const JsonValue shown = JsonReader::Parse(RunOnDist({"quote", "show", "--json", "--quotation", file}).Out);
        const JsonValue& items = shown["items"];
        ASSERT_EQ(items.Items.size(), 2u);
        EXPECT_EQ(items[0]["designation"].Text, first["Designation"].Text);
        EXPECT_EQ(items[0]["itemNo"].Text, first["ItemNo"].Text);
        EXPECT_EQ(items[0]["quantity"].Number(), 2);
        EXPECT_EQ(items[1]["itemNo"].Text, "TB-075-40");
        EXPECT_EQ(items[1]["designation"].Text, "TB 3/4\" 40°C Thermo-bypass");
        EXPECT_EQ(items[1]["quantity"].Number(), 1);
        EXPECT_EQ(shown["discountPct"].Number(), 10);

        const long double gross = 2 * first["Price"].Number() + std::strtold(items[1]["unitPrice"].Text.c_str(), nullptr);
        const auto money = [](long double value) { return FormatFixed(value, 2, '.'); };
        EXPECT_EQ(shown["totals"]["gross"].Text, money(gross));
        EXPECT_EQ(shown["totals"]["discount"].Text, money(gross / 10));
        EXPECT_EQ(shown["totals"]["nett"].Text, money(gross - gross / 10));
        EXPECT_EQ(shown["totals"]["currency"].Text, first["Currency"].Text);

        const std::vector<std::string> lines = Lines(RunOnDist({"quote", "show", "--quotation", file, "--decimal", separator}).Out);
        const std::string nett = FormatFixed(gross - gross / 10, 2, separator[0]);
        EXPECT_TRUE(lines.back().starts_with("Net price") && lines.back().ends_with(nett)) << lines.back();
    }
}

// What cannot be added or shown leaves the file as it was, with the
// program's message and the exit code of the README.
TEST_F(QuoteTest, RefusalsLeaveTheFileAsItWas)
{
    ASSERT_EQ(RunOnDist(Args(Args({"quote", "add"}, Duty), {"--quotation", file})).ExitCode, 0);
    const std::string saved = ReadText(file);
    const std::string newer = dir.Write("newer.krq", R"({"format": "krcool-quotation", "version": 999})").string();
    const std::string other = dir.Write("other.krq", "KR 30, 2 pieces").string();
    struct Case {
        std::vector<std::string> Args;
        int ExitCode;
        std::string Says;
    };
    const Case cases[] = {
        {{"quote", "show", "--quotation", newer}, 1, "newer.krq was saved by a newer version of the program (file version 999"},
        {Args({"quote", "add", "--accessory", "TB-075-40", "--quotation", newer}), 1, "file version 999"},
        {{"quote", "show", "--quotation", other}, 1, "other.krq is not a quotation file (not JSON: expected a value"},
        {{"quote", "show", "--quotation", file + ".missing"}, 1, "cannot be read"},
        {{"quote", "show", "--quotation", file, "--lang", "Deutsch", "--decimal", ";"}, 64, "--decimal"},
        {Args({"quote", "add", "--row", "99", "--quotation", file}, Duty), 64, "--row 99: the result has"},
        {Args({"quote", "add", "--row", "0", "--quotation", file}, Duty), 64, "--row takes a row number"},
        {Args({"quote", "add", "--quantity", "1.5", "--quotation", file}, Duty), 64, "--quantity"},
        {Args({"quote", "add", "--accessory", "TB-075-40", "--quotation", file}, Duty), 64, "either --accessory"},
        {{"quote", "add", "--accessory", "KR030-A2", "--quotation", file}, 64, "no accessory has"},
        {{"quote", "add", "--quotation", file}, 64, "either --accessory"},
        {Args({"quote", "add", "--loss-unit", "PSI", "--quotation", file}, Duty), 64, "needs --type"},
        {Args({"quote", "add", "--motor", "8", "--quotation", file}, Duty), 64, "--motor names the motor"},
        {{"quote", "add", "--quotation", file, "--heat", "", "--flow", "80", "--ambient", "30", "--inlet", "60",
          "--drive", "400"},
         2, "1. "},
        {{"quote", "add", "--quotation", file, "--type", "KR 10", "--drive", "AC", "--flow", "30", "--ambient", "60",
          "--inlet", "30"},
         2, "1. "},
        {{"quote", "add", "--quotation", file, "--heat", "10", "--flow", "80", "--ambient", "30", "--inlet", "60",
          "--drive", "HYD", "--motor", "999 cc"},
         64, "row 1 has no motor \"999 cc\"; its motors are \""},
    };
    for (const Case& c : cases) {
        const CliRun run = RunOnDist(c.Args);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Args.back() << run.Err;
        EXPECT_NE(run.Err.find(c.Says), std::string::npos) << run.Err;
        EXPECT_EQ(ReadText(file), saved);
    }
}

// A hydraulic row takes the motor --motor names from its group.
TEST_F(QuoteTest, TakesTheNamedMotorOfAHydraulicRow)
{
    const std::vector<std::string> duty{"--heat", "10", "--flow", "80", "--ambient", "30", "--inlet", "60", "--drive", "HYD"};
    const JsonValue select = JsonReader::Parse(RunOnDist(Args({"select", "--json"}, duty)).Out);
    const JsonValue& group = select["groups"][0];
    ASSERT_GE(group.Items.size(), 2u);
    const JsonValue& last = group.Items.back();
    const std::string displacement = last["cells"][2].Text.substr(0, last["cells"][2].Text.find(" cc"));
    const CliRun run = RunOnDist(Args(Args({"quote", "add", "--quotation", file, "--motor", displacement + " CC"}, duty)));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const JsonValue shown = JsonReader::Parse(RunOnDist({"quote", "show", "--json", "--quotation", file}).Out);
    EXPECT_EQ(shown["items"][0]["designation"].Text, last["Designation"].Text);
}

}  // namespace
}  // namespace kr::test
