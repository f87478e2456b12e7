#include "core/engine/motor_options.h"

#include "engine_fixtures.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

using test::CoolerValues;
using test::MakeCooler;

std::vector<std::string> Texts(const std::vector<MotorEntry>& entries)
{
    std::vector<std::string> texts;
    for (const MotorEntry& e : entries)
        texts.push_back(e.Text);
    return texts;
}

std::vector<int> Values(const std::vector<MotorEntry>& entries)
{
    std::vector<int> values;
    for (const MotorEntry& e : entries)
        values.push_back(e.Value);
    return values;
}

CoolerRecordList MixedType()
{
    return {
        MakeCooler({.Type = "KR 30", .Motor = "400", .Poles = 6}),
        MakeCooler({.Type = "KR 30", .Motor = "12"}),
        MakeCooler({.Type = "KR 30", .Motor = "400", .Poles = 4}),
        MakeCooler({.Type = "KR 30", .Motor = "400", .Poles = 4}),
        MakeCooler({.Type = "KR 30", .Motor = "HYD", .HydDisplacement = "12"}),
        MakeCooler({.Type = "KR 30", .Motor = "HYD", .HydDisplacement = "8"}),
        MakeCooler({.Type = "KR 30", .Motor = "HYD", .HydDisplacement = "8"}),
        MakeCooler({.Type = "KR 40", .Motor = "400", .Poles = 2}),
        MakeCooler({.Type = "KR 40", .Motor = "HYD", .HydDisplacement = "x"}),
        MakeCooler({.Type = "KRC 10", .Motor = "KRC", .MinOilFlow = 40}),
    };
}

TEST(MotorOptions, TheACDCListOffersBothVoltagesFirstThenPoleCounts)
{
    const KnownDriveControls controls = RebuildMotorOptions(MixedType(), "KR 30", DriveChoice::ACDC, 0, '.');
    EXPECT_EQ(Texts(controls.ACDCEntries),
              (std::vector<std::string>{"12 V", "24 V", "400 V / 4 POL", "400 V / 6 POL"}));
    EXPECT_EQ(Values(controls.ACDCEntries), (std::vector<int>{12, 24, 4, 6}));
    EXPECT_EQ(controls.ACDCChosen, 0);
    EXPECT_TRUE(controls.ACDCListEnabled);
    EXPECT_FALSE(controls.HydListEnabled);
    EXPECT_TRUE(controls.HydEntries.empty());
    EXPECT_TRUE(controls.ACDCEnabled && controls.HydraulicEnabled && !controls.KRCEnabled);
    EXPECT_EQ(controls.Selected, DriveChoice::ACDC);
    EXPECT_FALSE(controls.PumpFlowText.has_value());

    // The keys are "00012", "00024" and "%.3d" of the pole count: in text
    // order the DC entries come first and two-digit pole counts after the
    // single-digit ones.
    const CoolerRecordList slowFans = {MakeCooler({.Type = "KR 50", .Motor = "400", .Poles = 10}),
                                       MakeCooler({.Type = "KR 50", .Motor = "24"}),
                                       MakeCooler({.Type = "KR 50", .Motor = "400", .Poles = 6})};
    EXPECT_EQ(Texts(RebuildMotorOptions(slowFans, "KR 50", DriveChoice::ACDC, 0, '.').ACDCEntries),
              (std::vector<std::string>{"12 V", "24 V", "400 V / 6 POL", "400 V / 10 POL"}));

    // A type without DC motors offers only its pole counts.
    EXPECT_EQ(Texts(RebuildMotorOptions(MixedType(), "KR 40", DriveChoice::ACDC, 0, '.').ACDCEntries),
              std::vector<std::string>{"400 V / 2 POL"});
}

TEST(MotorOptions, TheHydraulicListOffersEachDisplacementOnce)
{
    const KnownDriveControls controls = RebuildMotorOptions(MixedType(), "KR 30", DriveChoice::Hydraulic, 0, '.');
    EXPECT_EQ(Texts(controls.HydEntries), (std::vector<std::string>{"8 ccm", "12 ccm"}));
    EXPECT_EQ(Values(controls.HydEntries), (std::vector<int>{8, 12}));
    EXPECT_EQ(controls.HydChosen, 0);
    EXPECT_TRUE(controls.HydListEnabled);
    EXPECT_FALSE(controls.ACDCListEnabled);
    EXPECT_TRUE(controls.ACDCEntries.empty());

    // A displacement that is not a number is offered as 6.
    EXPECT_EQ(Texts(RebuildMotorOptions(MixedType(), "KR 40", DriveChoice::Hydraulic, 0, '.').HydEntries),
              std::vector<std::string>{"6 ccm"});
}

TEST(MotorOptions, AKrcTypeSelectsItsOwnDriveAndShowsThePumpFlow)
{
    const KnownDriveControls controls = RebuildMotorOptions(MixedType(), "KRC 10", DriveChoice::ACDC, 0, '.');
    EXPECT_TRUE(controls.KRCEnabled);
    EXPECT_FALSE(controls.ACDCEnabled || controls.HydraulicEnabled);
    EXPECT_EQ(controls.Selected, DriveChoice::KRC);
    EXPECT_FALSE(controls.ACDCListEnabled || controls.HydListEnabled);
    EXPECT_TRUE(controls.ACDCEntries.empty() && controls.HydEntries.empty());
    EXPECT_EQ(controls.PumpFlowText, "40.00");

    // In l/s with a decimal comma: 40 l/min is 0.67 l/s.
    EXPECT_EQ(KrcPumpFlowText(MixedType(), "KRC 10", 1, ','), "0,67");
    EXPECT_FALSE(KrcPumpFlowText(MixedType(), "KRC 99", 0, '.').has_value());
    EXPECT_FALSE(KrcPumpFlowText(MixedType(), "KR 30", 0, '.').has_value());
}

TEST(MotorOptions, AKrcChoiceIsClearedByATypeWithoutIt)
{
    const KnownDriveControls controls = RebuildMotorOptions(MixedType(), "KR 30", DriveChoice::KRC, 0, '.');
    EXPECT_TRUE(controls.KrcChoiceCleared);
    EXPECT_EQ(controls.Selected, DriveChoice::None);
    EXPECT_TRUE(controls.ACDCEnabled && controls.HydraulicEnabled && !controls.KRCEnabled);
    // Any other choice, or a KRC type, keeps it.
    EXPECT_FALSE(RebuildMotorOptions(MixedType(), "KRC 10", DriveChoice::KRC, 0, '.').KrcChoiceCleared);
    EXPECT_FALSE(RebuildMotorOptions(MixedType(), "KR 30", DriveChoice::ACDC, 0, '.').KrcChoiceCleared);
    EXPECT_FALSE(RebuildMotorOptions(MixedType(), "", DriveChoice::KRC, 0, '.').KrcChoiceCleared);
}

TEST(MotorOptions, WithoutATypeEveryDriveIsDisabled)
{
    for (DriveChoice selected : {DriveChoice::None, DriveChoice::ACDC, DriveChoice::Hydraulic, DriveChoice::KRC}) {
        const KnownDriveControls controls = RebuildMotorOptions(MixedType(), "", selected, 0, '.');
        EXPECT_FALSE(controls.ACDCEnabled || controls.HydraulicEnabled || controls.KRCEnabled);
        EXPECT_FALSE(controls.ACDCListEnabled || controls.HydListEnabled);
        EXPECT_FALSE(controls.PumpFlowText.has_value());
    }
}

TEST(MotorOptions, TheDriveFilterPicksTypeDriveAndMotor)
{
    const CoolerRecordList records = {
        MakeCooler({.Type = "KR 30", .Motor = "400", .Poles = 4}),
        MakeCooler({.Type = "KR 30", .Motor = "400", .Poles = 6}),
        MakeCooler({.Type = "KR 30", .Motor = "12"}),
        MakeCooler({.Type = "KR 30", .Motor = "HYD", .HydDisplacement = " 8 "}),
        MakeCooler({.Type = "KR 30", .Motor = "HYD", .HydDisplacement = "12"}),
        MakeCooler({.Type = "KR 300", .Motor = "400", .Poles = 4}),
        MakeCooler({.Type = "kr 30", .Motor = "400", .Poles = 4}),
        MakeCooler({.Type = "KRC 10", .Motor = "KRC"}),
    };
    struct Row {
        const char* name;
        KnownInput input;
        std::vector<std::size_t> matches;
    };
    const auto input = [](std::string type, DriveChoice drive, std::optional<int> motor, std::string hyd = {}) {
        KnownInput i;
        i.CoolerType = std::move(type);
        i.Drive = drive;
        i.MotorChoice = motor;
        i.HydraulicChoice = std::move(hyd);
        return i;
    };
    const Row rows[] = {
        {"4 poles", input("KR 30", DriveChoice::ACDC, 4), {0}},
        {"12 V", input("KR 30", DriveChoice::ACDC, 12), {2}},
        {"24 V: none", input("KR 30", DriveChoice::ACDC, 24), {}},
        {"empty motor list", input("KR 30", DriveChoice::ACDC, std::nullopt), {}},
        {"8 ccm", input("KR 30", DriveChoice::Hydraulic, std::nullopt, "8 ccm"), {3}},
        {"12 ccm", input("KR 30", DriveChoice::Hydraulic, std::nullopt, "12 ccm"), {4}},
        {"KRC", input("KRC 10", DriveChoice::KRC, std::nullopt), {7}},
        {"no drive", input("KR 30", DriveChoice::None, 4), {}},
    };
    for (const Row& row : rows) {
        const KnownDriveFilter filter = KnownDriveFilterFor(row.input);
        std::vector<std::size_t> matches;
        for (std::size_t i = 0; i < records.size(); ++i)
            if (filter.Matches(records[i]))
                matches.push_back(i);
        EXPECT_EQ(matches, row.matches) << row.name;
    }
}

}  // namespace
}  // namespace kr
