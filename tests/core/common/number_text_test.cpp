#include "core/common/number_text.h"
#include "../decimal_separator.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace kr {
namespace {

TEST(TextToNumber, ReadsNumbersWithTheLocaleSeparator)
{
    struct Case {
        const char* Text;
        Extended Value;
    };
    const std::vector<Case> cases = {
        {"12.5", 12.5L},  {"  -3.25e2 ", -325}, {"+4", 4},        {".5", 0.5L}, {"5.", 5},
        {"1E3", 1000},    {"1e-3", 1e-3},       {"1e+3", 1000},   {"\t7\t", 7}, {"-0", 0},
        {"00012.50", 12.5L},
    };
    for (char separator : {'.', ','}) {
        for (const Case& c : cases) {
            const std::string text = WithSeparator(c.Text, separator);
            EXPECT_EQ(TextToNumber(text, -99, separator), c.Value) << text;
        }
    }
}

TEST(TextToNumber, GivesTheDefaultForAnythingElse)
{
    const std::vector<const char*> texts = {
        "", "   ", "abc", ".", "-", "+-1", "1e", "1e+", "e5", "1 000", "- 5", "inf", "nan",
        "0x10", "1.5.2", "12abc", "1e400", "1e-400", "1.2e3.4", "١٢"};
    for (char separator : {'.', ','}) {
        for (const char* t : texts) {
            const std::string text = WithSeparator(t, separator);
            EXPECT_EQ(TextToNumber(text, 7, separator), 7) << text;
        }
    }
    // the other decimal separator, and thousands separators
    EXPECT_EQ(TextToNumber("1,5", 7, '.'), 7);
    EXPECT_EQ(TextToNumber("1.5", 7, ','), 7);
    EXPECT_EQ(TextToNumber("1,000.5", 7, '.'), 7);
    EXPECT_EQ(TextToNumber("1.000,5", 7, ','), 7);
}

TEST(TextToNumber, ReadsTheNearestDouble)
{
    EXPECT_EQ(TextToNumber("0.1", 0, '.'), static_cast<Extended>(0.1));
    EXPECT_EQ(TextToNumber("1.7976931348623157e308", 0, '.'), std::numeric_limits<double>::max());
}

TEST(ReadNumberText, TellsNumbersBeyondADoubleFromNoNumbers)
{
    struct Case {
        std::string Text;
        NumberTextKind Kind;
    };
    using enum NumberTextKind;
    const std::vector<Case> cases = {
        {"1e400", TooLarge},       {"-1e400", TooLarge},     {"1" + std::string(320, '0'), TooLarge},
        {"0.001e312", TooLarge},   {"1e-400", TooSmall},     {"-12345e-330", TooSmall},
        {"1e99999999999999999999", TooLarge},                {"1e-99999999999999999999", TooSmall},
        {"0.0001e312", Number},    {"0e99999", Number},      {"1e", NotANumber},
    };
    for (char separator : {'.', ','}) {
        for (const Case& c : cases) {
            const std::string text = WithSeparator(c.Text, separator);
            const NumberTextRead read = ReadNumberText(text, separator);
            EXPECT_EQ(read.Kind, c.Kind) << text;
            // The fields read all but a number as the default.
            EXPECT_EQ(TextToNumber(text, 7, separator), read.Kind == NumberTextKind::Number ? read.Value : 7) << text;
        }
    }
}

TEST(FormatValue, DropsDecimalsFromThreeDigitsOnUnlessFixed)
{
    struct Case {
        int Decimals;
        int Width;
        bool FixedDecimals;
        Extended Value;
        bool UseWidth;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {2, 0, false, 99.98L, false, "99.98"},
        {2, 0, false, 99.995L, false, "100"},
        {1, 0, false, 99.96L, false, "100"},        // rounds to 100.0, then cut
        {2, 0, false, 99.99L, false, "99.99"},      // the double 99.99 lies below the threshold
        {2, 0, false, 150.456L, false, "150"},
        {2, 0, false, -150.456L, false, "-150.46"},  // negative values keep their decimals
        {2, 0, false, 0.125L, false, "0.13"},
        {3, 0, true, 12345.678L, false, "12345.678"},
        {1, 0, true, 99.96L, false, "100.0"},
        {1, 8, false, 3.14159L, true, "     3.1"},
        {1, 8, false, 99.96L, true, "   100"},
        {1, 8, false, 3.14159L, false, "3.1"},
        {2, -5, false, 1.5L, true, "1.50"},
        {-1, 0, false, 1.26L, false, "1"},
        {2, 5000, false, 1.5L, false, "1.50"},
        {2, 0, false, std::numeric_limits<Extended>::quiet_NaN(), false, "NAN"},
    };
    for (char separator : {'.', ','}) {
        for (const Case& c : cases) {
            EXPECT_EQ(FormatValue(c.Decimals, c.Width, c.FixedDecimals, c.Value, c.UseWidth, separator),
                      WithSeparator(c.Expected, separator))
                << c.Expected << " with " << separator;
        }
    }
}

}  // namespace
}  // namespace kr
