#include "cli/csv_table.h"
#include "core/common/json_writer.h"
#include "cli/quantity.h"
#include "json_reader.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <sstream>

namespace kr::test {
namespace {

using kr::JsonNumber;
using kr::JsonString;
using cli::ReadQuantity;

TEST(CliQuantity, NumberWithOrWithoutAUnit)
{
    struct Case {
        const char* text;
        UnitNames units;
        char separator;
        const char* number;
        int unit;
    };
    const Case cases[] = {
        {"80", UnitsOilFlow, '.', "80", 0},
        {"80l/min", UnitsOilFlow, '.', "80", 0},
        {" 1.2 m3/h ", UnitsOilFlow, '.', "1.2", 2},
        {"1,2m³/h", UnitsOilFlow, ',', "1,2", 2},
        {"86degF", UnitsTemperature, '.', "86", 1},
        {"-40 °C", UnitsTemperature, '.', "-40", 0},
        {"1e5Pa", UnitsPressure, '.', "1e5", 1},
        {"2E-1 BAR", UnitsPressure, '.', "2E-1", 0},
        {"29 lbf/ft2", UnitsPressure, '.', "29", 4},
        {".5kW", UnitsPower, '.', ".5", 0},
        {"", UnitsPower, '.', "", 0},
    };
    for (const Case& c : cases) {
        const cli::QuantityRead read = ReadQuantity(c.text, c.units, c.separator, "value");
        ASSERT_TRUE(read.Value) << c.text << ": " << read.Error;
        EXPECT_EQ(read.Value->NumberText, c.number) << c.text;
        EXPECT_EQ(read.Value->UnitIndex, c.unit) << c.text;
    }
}

TEST(CliQuantity, WhatIsNoQuantity)
{
    struct Case {
        const char* text;
        char separator;
        const char* message;
    };
    const Case cases[] = {
        {"80 l/h", '.', "unknown unit \"l/h\"; the units are l/min, l/s, m³/h"},
        {"l/min", '.', "does not begin with a number"},
        {"-", '.', "does not begin with a number"},
        {"1,5", '.', "'.'"},
        {"1.5", ',', "'.' as decimal separator"},
        {"80 80", '.', "unknown unit \"80\""},
    };
    for (const Case& c : cases) {
        const cli::QuantityRead read = ReadQuantity(c.text, UnitsOilFlow, c.separator, "flow");
        EXPECT_FALSE(read.Value) << c.text;
        EXPECT_NE(read.Error.find(c.message), std::string::npos) << read.Error;
        EXPECT_TRUE(read.Error.starts_with("flow: ")) << read.Error;
    }
}

TEST(CliJson, StringsAreEscaped)
{
    EXPECT_EQ(JsonString("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(JsonString("\r\n\t\b\f"), R"("\r\n\t\b\f")");
    EXPECT_EQ(JsonString(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
    EXPECT_EQ(JsonString("ø °C m³"), "\"ø °C m³\"");
    const std::string nasty = "Price\r\n\"DKK\"\\ \x7f æ";
    EXPECT_EQ(JsonReader::Parse(JsonString(nasty)).Text, nasty);
}

TEST(CliJson, NumbersReadBackToTheSameExtended)
{
    std::mt19937_64 random(42);
    std::uniform_real_distribution<long double> mantissa(1.0L, 2.0L);
    std::uniform_int_distribution<int> exponent(-60, 60);
    std::vector<long double> values{0.0L, -0.0L, 1.0L, 0.1L, 1.0L / 3.0L, 3850.0L, LDBL_MIN, LDBL_MAX, -LDBL_EPSILON};
    for (int i = 0; i < 2000; ++i)
        values.push_back(std::ldexp(mantissa(random), exponent(random)) * (i % 2 ? 1 : -1));
    for (const long double value : values) {
        const std::string text = JsonNumber(value);
        const JsonValue parsed = JsonReader::Parse(text);
        ASSERT_EQ(parsed.Type, JsonValue::Kind::Number) << text;
        const long double back = parsed.Number();
        EXPECT_EQ(std::memcmp(&back, &value, 10), 0) << text;
    }
    EXPECT_EQ(JsonNumber(3850.0L), "3850");
    EXPECT_EQ(JsonNumber(0.1L), "0.100000000000000000001");
    EXPECT_EQ(JsonNumber(INFINITY), "null");
    EXPECT_EQ(JsonNumber(NAN), "null");
}

TEST(CliJson, WriterPutsCommasBetweenMembersAndItems)
{
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginObject().Field("a", 1).Key("b").BeginArray();
    json.BeginArray().EndArray().BeginObject().EndObject().String("x").Number(2.5L);
    json.EndArray().Field("c", "d").EndObject();
    EXPECT_EQ(out.str(), R"({"a":1,"b":[[],{},"x",2.5],"c":"d"})");
}

// The header, then every row, of a CSV text; the error in place of the rest.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    cli::CsvReader reader(in);
    std::vector<std::vector<std::string>> records{reader.ReadHeader().value_or(std::vector<std::string>{})};
    while (const auto row = reader.ReadRow())
        records.push_back(row->Fields);
    error = reader.Error();
    return records;
}

TEST(CliCsv, FieldsQuotesAndSeparators)
{
    std::string error;
    const auto records = ReadCsv("\xEF\xBB\xBF \r\nheat;flow\r\n\"10,5\";\"say \"\"hi\"\"\"\r\n\r\n;\n7;\"a\r\nb\"", error);
    EXPECT_EQ(error, "");
    using Fields = std::vector<std::string>;
    // A blank line and a row of empty fields are rows: the rows after them keep their numbers.
    EXPECT_EQ(records, (std::vector<Fields>{{"heat", "flow"}, {"10,5", "say \"hi\""}, {""}, {"", ""}, {"7", "a\nb"}}));

    EXPECT_EQ(ReadCsv("a,b\n1,2\n", error), (std::vector<Fields>{{"a", "b"}, {"1", "2"}}));
    ReadCsv("a\n1\n\"open\n", error);
    EXPECT_EQ(error, "the quoted field that begins on line 3 is not closed");
}

}  // namespace
}  // namespace kr::test
