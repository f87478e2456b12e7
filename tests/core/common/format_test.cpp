#include "core/common/delphi_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace kr {
namespace {

constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();

struct Case {
    const char* Pattern;
    std::vector<FormatArg> Args;
    const char* Expected;
};

FormatResult FormatCase(const Case& c, const FormatSettings& settings = {})
{
    return TryFormat(c.Pattern, c.Args, settings);
}

void ExpectAll(const std::vector<Case>& cases, const FormatSettings& settings = {})
{
    for (const Case& c : cases) {
        const FormatResult result = FormatCase(c, settings);
        EXPECT_EQ(result.Text, c.Expected) << c.Pattern;
        EXPECT_TRUE(result.Ok) << c.Pattern;
    }
}

TEST(DelphiFormat, FormatsIntegers)
{
    ExpectAll({
        {"%d", {42}, "42"},
        {"%.3d", {7}, "007"},
        {"%.3d", {-5}, "-005"},
        {"%.3d", {12345}, "12345"},
        {"%.0d", {0}, "0"},
        {"%5d|%-5d|", {42, 42}, "   42|42   |"},
        {"%d", {std::numeric_limits<std::int64_t>::min()}, "-9223372036854775808"},
        {"%d", {std::numeric_limits<std::uint64_t>::max()}, "18446744073709551615"},
        {"%u", {-1}, "4294967295"},
        {"%u", {std::int64_t{-1}}, "18446744073709551615"},
        {"%x %X", {255, 3054}, "FF BEE"},
        {"%.4x", {255}, "00FF"},
        {"%x", {static_cast<short>(-1)}, "FFFFFFFF"},
        {"%d Hz / %d rev / ", {50, 1450}, "50 Hz / 1450 rev / "},
    });
}

TEST(DelphiFormat, FormatsTextsByCharacters)
{
    ExpectAll({
        {"%s", {"abc"}, "abc"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%5s|%-5s|", {"abc", std::string("abc")}, "  abc|abc  |"},
        {"%.2s", {"æøå"}, "æø"},
        {"%4s", {std::string_view("°C")}, "  °C"},
        {"%s", {'x'}, "x"},
        {"%s", {static_cast<const char*>(nullptr)}, ""},
        {"%s cc %d bar %.1f l/min", {"8", 210, 12.25L}, "8 cc 210 bar 12.3 l/min"},
    });
}

// Each expectation is written with '.' and ','; the second column swaps them.
TEST(DelphiFormat, FormatsFixedNumbersFromTheirDecimalDigits)
{
    const std::vector<Case> cases = {
        {"%f", {1.0}, "1.00"},
        {"%.2f", {0.125L}, "0.13"},   // printf gives 0.12
        {"%.2f", {2.675L}, "2.68"},
        {"%.2f", {2.675}, "2.67"},    // the double is 2.67499999999999982...
        {"%.2f", {1.005L}, "1.01"},
        {"%.0f", {0.5}, "1"},
        {"%.0f", {2.5}, "3"},
        {"%.0f", {-2.5}, "-3"},
        {"%.0f", {0.49}, "0"},
        {"%.1f", {99.96}, "100.0"},
        {"%.2f", {999.995L}, "1000.00"},
        {"%.2f", {-0.001}, "0.00"},
        {"%.2f", {-0.0}, "0.00"},
        {"%.2f", {-0.005L}, "-0.01"},
        {"%.3f", {1e-10}, "0.000"},
        {"%11.2f|%-8.1f|", {1234.5, 3.14159}, "    1234.50|3.1     |"},
        {"%.0f", {1e20L}, "100000000000000000000"},
        {"%.2f", {123456789012345678901.0L}, "123456789012345679000.00"},
        {"%.20f", {0.1L}, "0.10000000000000000000"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%n", {999.999}, "1,000.00"},
        {"%.1n", {-1234.5}, "-1,234.5"},
        {"%.0n", {123.0}, "123"},
        {"%m", {1234.5}, "1,234.50"},
    };
    ExpectAll(cases);

    std::vector<Case> swapped;
    std::vector<std::string> texts;
    texts.reserve(cases.size());
    for (const Case& c : cases) {
        std::string text = c.Expected;
        for (char& ch : text)
            ch = ch == '.' ? ',' : ch == ',' ? '.' : ch;
        texts.push_back(text);
        swapped.push_back({c.Pattern, c.Args, texts.back().c_str()});
    }
    ExpectAll(swapped, {',', '.'});
}

TEST(DelphiFormat, FormatsScientificAndGeneralNumbers)
{
    ExpectAll({
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {0.00012345L}, "1.23E-004"},
        {"%.1e", {9.96}, "1E+001"},
        {"%e", {0.0}, "0.00000000000000E+000"},
        {"%.3e", {-1e300L}, "-1.00E+300"},
        {"%.2e", {1e-4000L}, "1.0E-4000"},
        {"%.30e", {1.0}, "1.00000000000000000E+000"},  // no more digits than the value holds
        {"%g", {0.85}, "0.85"},
        {"%.15g", {0.85}, "0.85"},
        {"%.15g", {1.0 / 3}, "0.333333333333333"},
        {"%g", {100.0}, "100"},
        {"%g", {-2.5}, "-2.5"},
        {"%g", {0.0}, "0"},
        {"%g", {123456789012345.0}, "123456789012345"},
        {"%g", {1e15}, "1E015"},
        {"%g", {0.0001}, "0.0001"},
        {"%g", {0.00001}, "1E-005"},
        {"%.3g", {1234.5}, "1.23E003"},
    });
    ExpectAll({{"%e|%g", {1234.5, 0.25}, "1,23450000000000E+003|0,25"}}, {',', '.'});
}

TEST(DelphiFormat, PrintsInfinityAndNaNAsWords)
{
    ExpectAll({
        {"%f %e %g %n %m", {Inf, -Inf, NaN, Inf, -Inf}, "INF -INF NAN INF -INF"},
        {"%6.2f|", {Inf}, "   INF|"},
    });
    EXPECT_EQ(FormatFixed(-Inf, 2, '.'), "-INF");
}

TEST(DelphiFormat, TakesArgumentPositionsFromIndexAndStar)
{
    ExpectAll({
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%d %d %0:d %d", {10, 20}, "10 20 10 20"},
        {"%*d", {5, 42}, "   42"},
        {"%-*.*f|", {8, 1, 2.25}, "2.3     |"},
        {"%.*s", {2, "abc"}, "ab"},
        {"%1:*d", {"unused", 3, 7}, "  7"},
        {"100%% %%d", {}, "100% %d"},
        {"%d", {1, 2, "extra"}, "1"},
        {"%D %S %F", {1, "s", 1.5}, "1 s 1.50"},
    });
}

TEST(DelphiFormat, ThousandsSeparatorMayBeAWindows1252Character)
{
    EXPECT_EQ(Format("%n", {1234.5}, {',', '\xA0'}), "1\u00A0" "234,50");
    EXPECT_EQ(Format("%n", {1234.5}, {',', '\0'}), "1234,50");
    EXPECT_EQ(FormatFixed(0.125L, 2, ','), "0,13");
    EXPECT_EQ(FormatFixed(1.5, -3, '.'), "2");
}

TEST(DelphiFormat, LeavesSpecsItCannotFillAsWritten)
{
    const std::vector<Case> cases = {
        {"%d", {}, "%d"},
        {"%d and %s", {1.5, "x"}, "%d and x"},
        {"%f", {1}, "%f"},
        {"%.2f %s", {"1.5", "x"}, "%.2f x"},
        {"%s", {1}, "%s"},
        {"%d", {"12"}, "%d"},
        {"%x", {1.0}, "%x"},
        {"%2:s", {"a"}, "%2:s"},
        {"%99999999999999999999:s", {"a"}, "%99999999999999999999:s"},
        {"a%", {}, "a%"},
        {"%5", {1}, "%5"},
        {"%5.", {1}, "%5."},
        {"%q and %d", {1}, "%q and 1"},
        {"%5-d", {1}, "%5-d"},
        {"%:d", {1}, "%:d"},
        {"%1001d", {1}, "%1001d"},
        {"%.99999999999999999d", {1}, "%.99999999999999999d"},
        {"%*d", {2000, 1}, "%*d"},
        {"%*d", {-3, 1}, "%*d"},
        {"%*d", {1.5, 1}, "%*d"},
        {"%*d", {std::numeric_limits<std::uint64_t>::max(), 1}, "%*d"},
        {"%s %s", {"a"}, "a %s"},
        {"é %é ø", {}, "é %é ø"},
    };
    for (const Case& c : cases) {
        const FormatResult result = FormatCase(c);
        EXPECT_EQ(result.Text, c.Expected) << c.Pattern;
        EXPECT_FALSE(result.Ok) << c.Pattern;
    }
}

TEST(DelphiFormat, NeverFailsOnRandomPatterns)
{
    constexpr std::string_view Alphabet = "%%%%::--..**0123456789dusxfegnmDSq é";
    const std::vector<FormatArg> pool = {
        0, -1, 7, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::uint64_t>::max(), 999, 1000,
        1001, 0.125L, -0.0, 1e4930L, -1e-4940L, Inf, NaN, std::numeric_limits<Extended>::denorm_min(), "",
        "æøå", "text", std::string("\xFF\xC3")};
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        std::string pattern;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i)
            pattern += Alphabet[random() % Alphabet.size()];
        std::vector<FormatArg> args;
        const int count = static_cast<int>(random() % 5);
        for (int i = 0; i < count; ++i)
            args.push_back(pool[random() % pool.size()]);

        const FormatResult result = TryFormat(pattern, args, {',', '.'});
        // Every conversion costs at most its padding or the digits of an 80-bit value.
        ASSERT_LE(result.Text.size(), pattern.size() * (MaxFormatWidth + 6000)) << pattern;
        if (pattern.find('%') == std::string::npos) {
            ASSERT_EQ(result.Text, pattern);
            ASSERT_TRUE(result.Ok);
        }
    }
}

}  // namespace
}  // namespace kr
