#include "krdata/number_text.h"

#include <cctype>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kr {

namespace {

// 64 mantissa bits need at most 21 significant decimal digits to survive.
constexpr int MaxSignificantDigits = 21;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

bool IsDecimalNumber(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t integerEnd = SkipDigits(text, pos);
    bool hasDigits = integerEnd > pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        hasDigits = hasDigits || fractionEnd > pos + 1;
        pos = fractionEnd;
    }
    if (!hasDigits)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t exponentEnd = SkipDigits(text, pos);
        if (exponentEnd == pos)
            return false;
        pos = exponentEnd;
    }
    return pos == text.size();
}

std::string FormatG(Extended value, int digits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Lg", digits, value);
    return buffer;
}

bool ReadsBackAs(const std::string& text, Extended value)
{
    return std::strtold(text.c_str(), nullptr) == value;
}

// The decimal exponent of a "%g" text in exponent form ("1.45e+03" -> 3).
int DecimalExponent(const std::string& text)
{
    return std::atoi(text.c_str() + text.find('e') + 1);
}

}  // namespace

std::optional<Extended> ParseExtendedText(std::string_view text)
{
    if (!IsDecimalNumber(text))
        return std::nullopt;
    const std::string copy(text);
    const Extended value = std::strtold(copy.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInt32Text(std::string_view text)
{
    std::int32_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc{} || end != last)
        return std::nullopt;
    return value;
}

std::string ShortestExtendedText(Extended value)
{
    if (!std::isfinite(value))
        return FormatG(value, 1);
    for (int digits = 1; digits <= MaxSignificantDigits; ++digits) {
        const std::string text = FormatG(value, digits);
        if (!ReadsBackAs(text, value))
            continue;
        if (text.find('e') == std::string::npos)
            return text;
        const int exponent = DecimalExponent(text);
        if (exponent >= digits && exponent < MaxSignificantDigits)
            return FormatG(value, exponent + 1);
        return text;
    }
    return FormatG(value, MaxSignificantDigits);
}

}  // namespace kr
