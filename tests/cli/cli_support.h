#pragma once

#include "cli/commands.h"
#include "core/data/cool_type.h"
#include "../core/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kr::test {

inline const std::filesystem::path DistDir{KR_DIST_DIR};

struct CliRun {
    int ExitCode = 0;
    std::string Out;
    std::string Err;
};

// krcool with these arguments, its output caught.
inline CliRun RunCli(const std::vector<std::string>& args)
{
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.ExitCode = cli::RunKrcool(views, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

// The same on the distribution folder of the build.
inline CliRun RunOnDist(std::vector<std::string> args)
{
    args.push_back("--appdir");
    args.push_back(DistDir.string());
    return RunCli(args);
}

// The arguments, then each default option they do not give: krcool takes
// every option once.
inline std::vector<std::string> WithDefaultOptions(std::vector<std::string> args,
                                                   std::initializer_list<std::pair<const char*, const char*>> defaults)
{
    const std::vector<std::string> given = args;
    for (const auto& [option, value] : defaults)
        if (std::ranges::find(given, option) == given.end())
            args.insert(args.end(), {option, value});
    return args;
}

inline std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The fields a small test database needs, with the values of an ordinary
// AC cooler.
struct TestCooler {
    std::string Type = "KR 30";
    std::string Designation = "KR 30 AC 400V 4-pol";
    std::string Motor = "400";
    std::string ItemNo = "KR030-A4";
    long double FanAirFlow = 0.6L;
    long double HeatCoefA = 0.08L;
    long double HeatCoefB = 0.25L;
    long double HeatCoefC = 40;
    long double PressLossCoef = 0.004L;
    long double Price = 1000;
    int MinOilFlow = 20;
    int MaxOilFlow = 300;
    int Voltage = 400;
    int Poles = 4;
    int SoundLevel = 70;
    std::string HydDisplacement;
};

inline tCoolType MakeTestCooler(const TestCooler& c)
{
    tCoolType r;
    r.SetText(CoolerField::CoolerType, c.Type);
    r.SetText(CoolerField::Designation, c.Designation);
    r.SetText(CoolerField::MotorKind, c.Motor);
    r.SetText(CoolerField::ItemNo, c.ItemNo);
    r.SetNumber(CoolerField::FanAirFlow, c.FanAirFlow);
    r.SetNumber(CoolerField::HeatCoefA, c.HeatCoefA);
    r.SetNumber(CoolerField::HeatCoefB, c.HeatCoefB);
    r.SetNumber(CoolerField::HeatCoefC, c.HeatCoefC);
    r.SetNumber(CoolerField::PressLossCoef, c.PressLossCoef);
    r.SetNumber(CoolerField::Price, c.Price);
    r.SetInteger(CoolerField::MinOilFlow, c.MinOilFlow);
    r.SetInteger(CoolerField::MaxOilFlow, c.MaxOilFlow);
    r.SetInteger(CoolerField::Voltage, c.Voltage);
    r.SetInteger(CoolerField::Frequency, 50);
    r.SetInteger(CoolerField::Poles, c.Poles);
    r.SetInteger(CoolerField::SoundLevel, c.SoundLevel);
    r.SetInteger(CoolerField::FanSpeed, 1450);
    r.SetText(CoolerField::HydDisplacement, c.HydDisplacement);
    return r;
}

// A distribution folder of its own: these coolers, no price file, and the
// English language file of the build.
class TestFolder {
public:
    explicit TestFolder(std::initializer_list<TestCooler> coolers)
    {
        std::string bytes;
        for (const TestCooler& cooler : coolers) {
            const tCoolType record = MakeTestCooler(cooler);
            bytes.append(reinterpret_cast<const char*>(record.Record.data()), record.Record.size());
        }
        dir_.Write("Krdata.dat", bytes);
        std::filesystem::copy_file(DistDir / "English.SPROG", dir_ / "English.SPROG");
    }

    const std::filesystem::path& Path() const { return dir_.Path(); }
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const { return dir_.Write(name, bytes); }

    CliRun Run(std::vector<std::string> args) const
    {
        args.push_back("--appdir");
        args.push_back(dir_.Path().string());
        return RunCli(args);
    }

private:
    TempDir dir_;
};

}  // namespace kr::test
