#include "krdata/number_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

namespace kr {
namespace {

TEST(NumberText, ParsesFiniteDecimalsOnly)
{
    for (auto text : {"0", "1", "-1.5", "+2", ".5", "5.", "1e3", "1E-3", "0.0025", "123456789012345678901234"})
        EXPECT_TRUE(ParseExtendedText(text).has_value()) << text;
    for (auto text : {"", " 1", "1 ", "1,5", "abc", "inf", "nan", "0x10", "1e", ".", "-", "1e5x", "1..2", "1e99999"})
        EXPECT_FALSE(ParseExtendedText(text).has_value()) << text;
}

TEST(NumberText, ReadsTheNearestExtendedValue)
{
    EXPECT_EQ(*ParseExtendedText("0.1"), 0.1L);
    EXPECT_EQ(*ParseExtendedText("0.35"), 0.35L);
    EXPECT_NE(*ParseExtendedText("0.1"), static_cast<Extended>(0.1));  // not via double
}

TEST(NumberText, ParsesWholeNumbersWithinInt32)
{
    EXPECT_EQ(ParseInt32Text("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32Text("-2147483648"), -2147483647 - 1);
    for (auto text : {"", "2147483648", "12.0", "1e3", " 7", "7 ", "+1", "x"})
        EXPECT_FALSE(ParseInt32Text(text).has_value()) << text;
}

TEST(NumberText, WritesTheShortestExactForm)
{
    struct Case {
        const char* source;
        std::string_view shortest;
    };
    const Case cases[] = {
        {"0.35", "0.35"},     {"1450", "1450"},       {"0.0025", "0.0025"}, {"100000", "100000"},
        {"0", "0"},           {"-2.5", "-2.5"},       {"0.00032", "0.00032"}, {"0.00001", "1e-05"},
        {"1e21", "1e+21"},    {"123456789012345678", "123456789012345678"},
        {"2600.54", "2600.54"}, {"0.1", "0.1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortestExtendedText(std::strtold(c.source, nullptr)), c.shortest) << c.source;
    EXPECT_LE(ShortestExtendedText(1.0L / 3).size(), 23u);  // "0." and at most 21 digits
}

TEST(NumberText, EveryFiniteValueReadsBackExactly)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        // Random mantissas over a wide range of exponents, integer bit set.
        const std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
        const int exponent = static_cast<int>(random() % 400) - 200;
        const Extended value = std::ldexp(static_cast<Extended>(mantissa), exponent - 63) * (i % 2 ? -1 : 1);
        const std::string text = ShortestExtendedText(value);
        const auto back = ParseExtendedText(text);
        ASSERT_TRUE(back.has_value()) << text;
        ASSERT_EQ(*back, value) << text;
    }
}

}  // namespace
}  // namespace kr
