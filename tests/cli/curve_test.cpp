#include "cli/app_folder.h"
#include "cli_support.h"

#include "core/common/text_case.h"
#include "core/engine/rating.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kr::test {
namespace {

const std::vector<std::string> CurveArgs{"curve", "--designation", "kr 30 ac 400v 4-pol", "--flow", "80",
                                         "--ambient", "30", "--inlet", "60"};

std::vector<std::string> Fields(const std::string& line, char delimiter)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(delimiter, start)) != std::string::npos; start = end + 1)
        fields.push_back(line.substr(start, end - start));
    fields.push_back(line.substr(start));
    return fields;
}

const tCoolType& SampleCooler(const cli::AppFolder& folder)
{
    for (const tCoolType& record : folder.Database.CoolerRecords)
        if (SameText(record.Designation(), "KR 30 AC 400V 4-pol"))
            return record;
    throw std::runtime_error("no KR 30 AC 400V 4-pol in the sample database");
}

TEST(CliCurve, OneLinePerLitreFromOneToFifteenHundred)
{
    const CliRun run = RunOnDist(CurveArgs);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 1501u);
    EXPECT_EQ(lines[0], "OilFlow,HeatRejection,PressLoss");
    EXPECT_TRUE(lines[1].starts_with("1,"));
    EXPECT_TRUE(lines[1500].starts_with("1500,"));

    // Every point is the rating at that flow, seeded with the known-cooler estimate.
    const cli::AppFolderLoad load = cli::LoadAppFolder(DistDir);
    const CoolerCoefficients coefficients = CoefficientsOf(SampleCooler(load.Folder));
    const Extended guess = BaseHeatEstimate(coefficients, {80, 60, 30, 0, 7});
    for (const int flow : {1, 80, 333, 1500}) {
        const std::vector<std::string> fields = Fields(lines[static_cast<std::size_t>(flow)], ',');
        ASSERT_EQ(fields.size(), 3u);
        const CoolerRating rating = RateCooler(coefficients, {static_cast<Extended>(flow), 60, 30, 0, 7}, guess);
        EXPECT_EQ(fields[0], std::to_string(flow));
        EXPECT_EQ(std::strtold(fields[1].c_str(), nullptr), rating.HeatRejection) << fields[1];
        EXPECT_EQ(std::strtold(fields[2].c_str(), nullptr), rating.PressLoss) << fields[2];
    }
}

TEST(CliCurve, CommaDecimalsSeparateFieldsBySemicolons)
{
    std::vector<std::string> args = CurveArgs;
    args.insert(args.end(), {"--decimal", ",", "--required", "12000 W"});
    const CliRun run = RunOnDist(args);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 1501u);
    const std::vector<std::string> fields = Fields(lines[80], ';');
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_NE(fields[1].find(','), std::string::npos);
    EXPECT_EQ(fields[1].find('.'), std::string::npos);
}

TEST(CliCurve, DutyProblemsAndWrongCoolers)
{
    std::vector<std::string> lowFlow = CurveArgs;
    lowFlow[4] = "10";
    const CliRun problems = RunOnDist(lowFlow);
    EXPECT_EQ(problems.ExitCode, 2);
    EXPECT_TRUE(problems.Out.starts_with("1. The oil flow must be between")) << problems.Out;

    std::vector<std::string> krc = CurveArgs;
    krc[2] = "KRC 20 AC 400V 32 l/min";
    const CliRun pump = RunOnDist(krc);
    EXPECT_EQ(pump.ExitCode, 64);
    EXPECT_NE(pump.Err.find("KRC"), std::string::npos);
    std::vector<std::string> unknown = CurveArgs;
    unknown[2] = "KR 999";
    const CliRun none = RunOnDist(unknown);
    EXPECT_EQ(none.ExitCode, 64);
    EXPECT_NE(none.Err.find("no cooler \"KR 999\""), std::string::npos);
    EXPECT_EQ(RunOnDist({"curve", "--flow", "80"}).ExitCode, 64);
}

}  // namespace
}  // namespace kr::test
