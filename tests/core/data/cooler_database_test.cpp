#include "core/data/cooler_database.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <random>

namespace kr {
namespace {

tCoolType Record(std::string_view type, std::string_view designation, std::string_view motor = "400")
{
    tCoolType r;
    r.SetText(CoolerField::CoolerType, type);
    r.SetText(CoolerField::Designation, designation);
    r.SetText(CoolerField::MotorKind, motor);
    return r;
}

std::string FileBytes(const std::vector<tCoolType>& records)
{
    std::string bytes;
    for (const auto& r : records)
        bytes.append(reinterpret_cast<const char*>(r.Record.data()), r.Record.size());
    return bytes;
}

TEST(CoolerRecord, EveryFieldLiesAtItsOffset)
{
    tCoolType r;
    r.SetText(CoolerField::Designation, "KR 30 AC 400V 4-pol");
    r.SetInteger(CoolerField::FanSpeed, 1450);
    r.SetNumber(CoolerField::HeatCoefA, 0.35L);
    r.SetText(CoolerField::PartNoSpline, "SPL-100");
    EXPECT_EQ(r.Record[4], 19);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r.Record[5]), 19), "KR 30 AC 400V 4-pol");
    EXPECT_EQ(r.Record[260] | (r.Record[261] << 8), 1450);
    EXPECT_EQ(r.Record[468], 7);
    EXPECT_EQ(r.HeatCoefA(), 0.35L);
    EXPECT_EQ(r.FanSpeed(), 1450);
    EXPECT_EQ(CoolerField::PartNoSpline.offset + 1 + CoolerField::PartNoSpline.capacity, 485u);
}

TEST(CoolerRecord, ShortStringNeverReadsBeyondItsField)
{
    tCoolType r;
    r.SetText(CoolerField::CoolerType, "KR 30");
    r.Record[CoolerField::CoolerType.offset] = 255;  // length byte larger than the field
    // The 10 character bytes of the field, and not the DrawingFile behind it.
    EXPECT_EQ(r.CoolerType().size(), 10u);
    EXPECT_EQ(r.CoolerType().substr(0, 5), "KR 30");

    r.Record[CoolerField::PartNoSpline.offset] = 255;  // the last field: stays inside the record
    EXPECT_EQ(r.PartNoSpline().size(), 16u);
}

TEST(CoolerRecord, AccessoriesAreFoundInAnyLetterCase)
{
    for (auto type : {"TB", "tb", "Tk", "aD"})
        EXPECT_TRUE(Record(type, "x").IsAccessory()) << type;
    for (auto type : {"KR 30", "TBX", "T", ""})
        EXPECT_FALSE(Record(type, "x").IsAccessory()) << type;
}

TEST(CoolerDatabase, DerivesTheTwoListsInFileOrderAndSortsTheRecords)
{
    const auto load = ParseCoolerDatabase(FileBytes({
        Record("KR 50", "KR 50 AC"),
        Record("tb", "Thermo-bypass 50"),
        Record("kr 30", "KR 30 AC"),
        Record("KR 30", "KR 30 AC"),
        Record("KRC 20", "KRC 20"),
    }));
    EXPECT_EQ(load.ErrorKey, "");
    EXPECT_EQ(load.Database.CoolerTypes, (std::vector<std::string>{"KR 50", "KR 30", "KRC 20"}));
    EXPECT_EQ(load.Database.Drawings,
              (std::vector<std::string>{"KR 50 AC", "KR 30 AC", "KR 30 AC", "KRC 20"}));

    std::vector<std::string> keys;
    for (const auto& r : load.Database.CoolerRecords)
        keys.push_back(r.CoolerType());
    EXPECT_EQ(keys, (std::vector<std::string>{"kr 30", "KR 30", "KR 50", "KRC 20", "tb"}));
}

TEST(CoolerDatabase, PartialLastRecordKeepsTheWholeOnesAndFails)
{
    const std::string two = FileBytes({Record("KR 10", "a"), Record("KR 20", "b")});
    for (std::size_t extra : {1u, 487u}) {
        const auto load = ParseCoolerDatabase(two + std::string(extra, 'x'));
        EXPECT_EQ(load.Database.CoolerRecords.size(), 2u);
        EXPECT_EQ(load.ErrorKey, "Error Data missing");
    }
    const auto exact = ParseCoolerDatabase(two.substr(0, 488));
    EXPECT_EQ(exact.Database.CoolerRecords.size(), 1u);
    EXPECT_EQ(exact.ErrorKey, "");
}

TEST(CoolerDatabase, MissingFileFailsAndEmptyFileDoesNot)
{
    test::TempDir dir;
    EXPECT_EQ(LoadCoolerDatabase(dir / "Krdata.dat").ErrorKey, "Error Data missing");
    EXPECT_EQ(LoadCoolerDatabase(dir.Path()).ErrorKey, "Error Data missing");  // a folder

    const auto empty = LoadCoolerDatabase(dir.Write("Krdata.dat", ""));
    EXPECT_EQ(empty.ErrorKey, "");
    EXPECT_TRUE(empty.Database.CoolerRecords.empty());

    const auto one = LoadCoolerDatabase(dir.Write("Krdata.dat", FileBytes({Record("KR 10", "KR 10 AC")})));
    EXPECT_EQ(one.ErrorKey, "");
    ASSERT_EQ(one.Database.CoolerRecords.size(), 1u);
    EXPECT_EQ(one.Database.CoolerRecords[0].Designation(), "KR 10 AC");
}

TEST(CoolerDatabase, ArbitraryBytesNeverCrash)
{
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(random() % 3000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const auto load = ParseCoolerDatabase(bytes);
        for (const auto& r : load.Database.CoolerRecords) {
            for (const auto& field : CoolerField::All) {
                if (field.type == FieldType::ShortString) {
                    // At most capacity characters, each at most 3 bytes in UTF-8.
                    EXPECT_LE(r.Text(field).size(), 3 * field.capacity);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kr
