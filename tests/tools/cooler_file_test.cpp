#include "krdata/cooler_file.h"

#include "core/data/cool_type.h"
#include "krdata/csv.h"
#include "krdata/data_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kr {
namespace {

tCoolType OnlyRecord(const std::string& bytes)
{
    EXPECT_EQ(bytes.size(), CoolerRecordSize);
    tCoolType record;
    std::copy(bytes.begin(), bytes.begin() + CoolerRecordSize, record.Record.begin());
    return record;
}

std::string ErrorOf(std::string_view csv)
{
    try {
        CoolerFileFromCsv(csv);
    } catch (const DataError& error) {
        return error.what();
    }
    return "no error";
}

// Each field gets a value that no other field has, so that a field written
// to a wrong place shows up in the accessor of another one.
struct FieldCase {
    RecordField field;
    std::string cell;
    std::function<std::string(const tCoolType&)> read;
};

std::string Text(Extended value) { return std::to_string(static_cast<double>(value)); }

std::vector<FieldCase> DistinctValues()
{
    using R = const tCoolType&;
    return {
        {CoolerField::Designation, "KR 30 AC 400V 4-pol, °C 123456", [](R r) { return r.Designation(); }},
        {CoolerField::CoolerType, "KR 100-2AB", [](R r) { return r.CoolerType(); }},
        {CoolerField::DrawingFile, "KR100-2HYD-AB", [](R r) { return r.DrawingFile(); }},
        {CoolerField::NetWeight, "-1", [](R r) { return std::to_string(r.NetWeight()); }},
        {CoolerField::FanAirFlow, "1.5", [](R r) { return Text(r.FanAirFlow()); }},
        {CoolerField::SoundLevel, "2", [](R r) { return std::to_string(r.SoundLevel()); }},
        {CoolerField::MinOilFlow, "3", [](R r) { return std::to_string(r.MinOilFlow()); }},
        {CoolerField::MaxOilFlow, "2147483647", [](R r) { return std::to_string(r.MaxOilFlow()); }},
        {CoolerField::HeatCoefA, "4.5", [](R r) { return Text(r.HeatCoefA()); }},
        {CoolerField::HeatCoefB, "5.5", [](R r) { return Text(r.HeatCoefB()); }},
        {CoolerField::HeatCoefC, "6.5", [](R r) { return Text(r.HeatCoefC()); }},
        {CoolerField::Price, "7.5", [](R r) { return Text(r.Price()); }},
        {CoolerField::ItemNo, "ITEM-123456789012", [](R r) { return r.ItemNo(); }},
        {CoolerField::OilVolume, "8.5", [](R r) { return Text(r.OilVolume()); }},
        {CoolerField::PressLossCoef, "9.5", [](R r) { return Text(r.PressLossCoef()); }},
        {CoolerField::PartNoCooler, "P-COOLER", [](R r) { return r.PartNoCooler(); }},
        {CoolerField::MotorKind, "KINDKIND", [](R r) { return r.MotorKind(); }},
        {CoolerField::Voltage, "10", [](R r) { return std::to_string(r.Voltage()); }},
        {CoolerField::Frequency, "11", [](R r) { return std::to_string(r.Frequency()); }},
        {CoolerField::Poles, "12", [](R r) { return std::to_string(r.Poles()); }},
        {CoolerField::MotorPower, "13.5", [](R r) { return Text(r.MotorPower()); }},
        {CoolerField::MotorCurrent, "14.5", [](R r) { return Text(r.MotorCurrent()); }},
        {CoolerField::HydDisplacement, "1234567890123456789", [](R r) { return r.HydDisplacement(); }},
        {CoolerField::HydPressure, "15", [](R r) { return std::to_string(r.HydPressure()); }},
        {CoolerField::HydOilFlow, "16.5", [](R r) { return Text(r.HydOilFlow()); }},
        {CoolerField::FanSpeed, "17", [](R r) { return std::to_string(r.FanSpeed()); }},
        {CoolerField::PartNoMotor, "P-MOTOR", [](R r) { return r.PartNoMotor(); }},
        {CoolerField::PartNoFan, "P-FAN", [](R r) { return r.PartNoFan(); }},
        {CoolerField::PartNoGrille, "P-GRILLE", [](R r) { return r.PartNoGrille(); }},
        {CoolerField::PartNoFanCowl, "P-FANCOWL", [](R r) { return r.PartNoFanCowl(); }},
        {CoolerField::PartNoFeet, "P-FEET", [](R r) { return r.PartNoFeet(); }},
        {CoolerField::PartNoMotorMount, "P-MOTORMOUNT", [](R r) { return r.PartNoMotorMount(); }},
        {CoolerField::PartNoAdapter, "P-ADAPTER", [](R r) { return r.PartNoAdapter(); }},
        {CoolerField::PartNoPump, "P-PUMP", [](R r) { return r.PartNoPump(); }},
        {CoolerField::PartNoHose, "P-HOSE", [](R r) { return r.PartNoHose(); }},
        {CoolerField::PartNoNipple, "P-NIPPLE", [](R r) { return r.PartNoNipple(); }},
        {CoolerField::PartNoGasket, "P-GASKET", [](R r) { return r.PartNoGasket(); }},
        {CoolerField::PartNoBearing, "P-BEARING", [](R r) { return r.PartNoBearing(); }},
        {CoolerField::PartNoSpline, "SPLINE-123456789", [](R r) { return r.PartNoSpline(); }},
    };
}

std::string ExpectedRead(const FieldCase& c)
{
    return c.field.type == FieldType::Extended80 ? Text(std::stold(c.cell)) : c.cell;
}

TEST(CoolerFile, EveryFieldLandsWhereTheRecordReadsIt)
{
    const std::vector<FieldCase> cases = DistinctValues();
    ASSERT_EQ(cases.size(), CoolerField::All.size());
    std::vector<std::string> names, cells;
    for (const FieldCase& c : cases) {
        names.emplace_back(c.field.name);
        cells.push_back(c.cell);
    }
    const tCoolType record = OnlyRecord(CoolerFileFromCsv(CsvLine(names) + CsvLine(cells)));
    for (const FieldCase& c : cases)
        EXPECT_EQ(c.read(record), ExpectedRead(c)) << c.field.name;
}

TEST(CoolerFile, BytesOutsideTheFieldsStayZero)
{
    std::vector<std::string> names, cells;
    for (const FieldCase& c : DistinctValues()) {
        names.emplace_back(c.field.name);
        cells.push_back("");
    }
    // Short texts leave the rest of their field zero too.
    cells[0] = "x";
    const tCoolType record = OnlyRecord(CoolerFileFromCsv(CsvLine(names) + CsvLine(cells)));
    for (std::size_t i = 0; i < CoolerRecordSize; ++i) {
        if (i != CoolerField::Designation.offset && i != CoolerField::Designation.offset + 1)
            EXPECT_EQ(record.Record[i], 0) << "byte " << i;
    }
    EXPECT_EQ(record.Record[CoolerField::Designation.offset], 1);
}

TEST(CoolerFile, TextIsStoredAsWindows1252)
{
    const tCoolType record = OnlyRecord(CoolerFileFromCsv("Designation\n€ 40°C\n"));
    const std::size_t at = CoolerField::Designation.offset;
    EXPECT_EQ(record.Record[at], 6);
    EXPECT_EQ(record.Record[at + 1], 0x80);
    EXPECT_EQ(record.Record[at + 5], 0xB0);
    EXPECT_EQ(record.Designation(), "€ 40°C");
}

TEST(CoolerFile, ColumnsInAnyOrderAndLeftOutColumnsAreZero)
{
    const std::string bytes = CoolerFileFromCsv("FanSpeed,Designation\n1450,KR 30\n950,KR 40\n");
    ASSERT_EQ(bytes.size(), 2 * CoolerRecordSize);
    const tCoolType second = OnlyRecord(bytes.substr(CoolerRecordSize));
    EXPECT_EQ(second.Designation(), "KR 40");
    EXPECT_EQ(second.FanSpeed(), 950);
    EXPECT_EQ(second.HeatCoefA(), 0);
    EXPECT_EQ(second.ItemNo(), "");

    // The dump writes every column in record order.
    const std::string dump = CoolerCsvFromFile(bytes);
    EXPECT_TRUE(dump.starts_with("Designation,CoolerType,DrawingFile,NetWeight,")) << dump;
    EXPECT_EQ(CoolerFileFromCsv(dump), bytes);
}

TEST(CoolerFile, DumpGivesBackACanonicalSource)
{
    std::vector<std::string> names, cells;
    for (const FieldCase& c : DistinctValues()) {
        names.emplace_back(c.field.name);
        cells.push_back(c.cell);
    }
    const std::string source = CsvLine(names) + CsvLine(cells) + CsvLine(cells);
    EXPECT_EQ(CoolerCsvFromFile(CoolerFileFromCsv(source)), source);
}

TEST(CoolerFile, BadInputNamesRowAndColumn)
{
    const std::string thirtyOne(31, 'x');
    struct Case {
        std::string csv;
        std::string message;
    };
    const Case cases[] = {
        {"", "no header row naming the columns"},
        {"Designation,Colour\n", "row 1, column 2: unknown column name \"Colour\""},
        {"Designation,Designation\n", "row 1, column 2: the column \"Designation\" is named twice"},
        {"designation\n", "row 1, column 1: unknown column name \"designation\""},
        {"Designation,NetWeight\nKR 30\n", "row 2: 1 cells where the header has 2"},
        {"Designation,NetWeight\nKR 30,12,\n", "row 2: 3 cells where the header has 2"},
        {"NetWeight\n12\n12.5\n", "row 3, column NetWeight: \"12.5\" is not a whole number in the 32-bit range"},
        {"NetWeight\n2147483648\n", "row 2, column NetWeight: \"2147483648\" is not a whole number in the 32-bit range"},
        {"HeatCoefA\n0,35\n", "row 2: 2 cells where the header has 1"},
        {"HeatCoefA\n\"0,35\"\n", "row 2, column HeatCoefA: \"0,35\" is not a finite decimal number"},
        {"HeatCoefA\nnan\n", "row 2, column HeatCoefA: \"nan\" is not a finite decimal number"},
        {"Designation\n" + thirtyOne + "\n", "row 2, column Designation: the text has 31 characters, the field holds at most 30"},
        {"CoolerType\nKR 30 \xCE\xA9\n", "row 2, column CoolerType: the character U+03A9 has no Windows-1252 code"},
        {"CoolerType\nKR \xFF\n", "row 2, column CoolerType: the text is not valid UTF-8"},
        {"Designation,Price\n\"two\nlines\",x\n", "row 2, column Price: \"x\" is not a finite decimal number"},
        {"Designation,Price\n\"two\nlines\",1\nKR,y\n", "row 3 (line 4), column Price: \"y\" is not a finite decimal number"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(c.csv), c.message) << c.csv;
}

TEST(CoolerFile, TextUpToTheCapacityFits)
{
    const std::string thirty(30, 'x');
    EXPECT_EQ(OnlyRecord(CoolerFileFromCsv("Designation\n" + thirty + "\n")).Designation(), thirty);
    // Capacity counts Windows-1252 bytes, not UTF-8 bytes: 30 degree signs fit.
    std::string degrees;
    for (int i = 0; i < 30; ++i)
        degrees += "°";
    EXPECT_EQ(OnlyRecord(CoolerFileFromCsv("Designation\n" + degrees + "\n")).Designation(), degrees);
}

TEST(CoolerFile, DumpRejectsAPartialRecord)
{
    EXPECT_EQ(CoolerCsvFromFile(""), CoolerCsvFromFile(CoolerFileFromCsv("Designation\n")));
    try {
        CoolerCsvFromFile(std::string(CoolerRecordSize + 1, '\0'));
        ADD_FAILURE() << "no error";
    } catch (const DataError& error) {
        EXPECT_STREQ(error.what(), "the file length 489 is not a multiple of the record size 488");
    }
}

}  // namespace
}  // namespace kr
