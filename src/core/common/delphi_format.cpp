#include "core/common/delphi_format.h"

#include "core/common/cp1252.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace kr {

namespace {

// An 80-bit value holds 18 significant decimal digits; more would only show
// the noise of its binary fraction.
constexpr int ExtendedDigits = 18;
constexpr int DefaultDecimals = 2;             // f, n, m
constexpr int DefaultSignificantDigits = 15;  // e, g
constexpr int MinExponentDigits = 3;
// Below 1E-4 the general form switches to scientific notation.
constexpr int GeneralMinExponent = -4;

// ---------------------------------------------------------------------------
// Separators

std::string SeparatorText(char separator)
{
    if (separator == '\0')
        return {};
    return Cp1252ToUtf8(std::string_view(&separator, 1));
}

struct Separators {
    std::string Decimal;
    std::string Thousand;  // empty: no grouping
};

// ---------------------------------------------------------------------------
// The decimal digits of a finite value: value = 0.Digits × 10^PointPos.
// Digits has no trailing zeros, so a value of zero has none at all.

struct DecimalDigits {
    bool Negative = false;
    std::string Digits;
    int PointPos = 0;

    bool IsZero() const { return Digits.empty(); }
    char At(int i) const
    {
        return i >= 0 && i < static_cast<int>(Digits.size()) ? Digits[static_cast<std::size_t>(i)] : '0';
    }
    void DropTrailingZeros()
    {
        while (!Digits.empty() && Digits.back() == '0')
            Digits.pop_back();
    }
};

DecimalDigits ToDecimalDigits(Extended value)
{
    // "%.17Le" gives the 18 significant digits correctly rounded: "d.ddd...e±xx".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", ExtendedDigits - 1, std::fabs(value));
    const std::string_view text(buffer);
    const std::size_t e = text.find('e');

    DecimalDigits result;
    result.Negative = std::signbit(value);
    result.Digits += text[0];
    result.Digits += text.substr(2, e - 2);
    result.PointPos = std::atoi(buffer + e + 1) + 1;
    result.DropTrailingZeros();
    if (result.IsZero())
        result.PointPos = 0;
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit
// string itself (so 0.125 to two places is 0.13, as the value's decimal
// digits say, not 0.12 as its binary value would).
void RoundDigits(DecimalDigits& d, int keep)
{
    if (keep >= static_cast<int>(d.Digits.size()))
        return;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    const bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        while (!d.Digits.empty() && d.Digits.back() == '9')
            d.Digits.pop_back();
        if (d.Digits.empty()) {
            d.Digits = "1";
            ++d.PointPos;
        } else {
            ++d.Digits.back();
        }
    }
    d.DropTrailingZeros();
}

std::string SignText(const DecimalDigits& d)
{
    // A value that shows as zero shows no sign.
    return d.Negative && !d.IsZero() ? "-" : "";
}

// The digits as they stand, with `decimals` places and no rounding.
std::string PlainText(const DecimalDigits& d, int decimals, const Separators& separators)
{
    std::string integer;
    for (int i = 0; i < d.PointPos; ++i)
        integer += d.At(i);
    if (integer.empty())
        integer = "0";

    std::string text = SignText(d);
    const std::size_t count = integer.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            text += separators.Thousand;
        text += integer[i];
    }
    if (decimals > 0) {
        text += separators.Decimal;
        for (int i = 0; i < decimals; ++i)
            text += d.At(d.PointPos + i);
    }
    return text;
}

std::string ExponentText(int exponent, bool alwaysSigned)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < MinExponentDigits)
        digits.insert(0, static_cast<std::size_t>(MinExponentDigits) - digits.size(), '0');
    std::string text = "E";
    if (exponent < 0)
        text += '-';
    else if (alwaysSigned)
        text += '+';
    return text + digits;
}

std::string MantissaText(const DecimalDigits& d, int digits, const Separators& separators)
{
    std::string text = SignText(d);
    text += d.At(0);
    if (digits > 1) {
        text += separators.Decimal;
        for (int i = 1; i < digits; ++i)
            text += d.At(i);
    }
    return text;
}

// f, n, m: "-ddd.ddd", n and m with thousands separators.
std::string FixedText(DecimalDigits d, int decimals, const Separators& separators)
{
    RoundDigits(d, d.PointPos + decimals);
    return PlainText(d, decimals, separators);
}

// e: "-d.dddE+ddd" with `precision` significant digits.
std::string ScientificText(DecimalDigits d, int precision, const Separators& separators)
{
    RoundDigits(d, precision);
    const int exponent = d.IsZero() ? 0 : d.PointPos - 1;
    return MantissaText(d, precision, separators) + ExponentText(exponent, true);
}

// g: the shorter of fixed and scientific, without trailing zeros.
std::string GeneralText(DecimalDigits d, int precision, const Separators& separators)
{
    RoundDigits(d, precision);
    if (d.IsZero())
        return "0";
    const int exponent = d.PointPos - 1;
    if (exponent < GeneralMinExponent || exponent >= precision)
        return MantissaText(d, static_cast<int>(d.Digits.size()), separators) + ExponentText(exponent, false);
    const int decimals = std::max(0, static_cast<int>(d.Digits.size()) - d.PointPos);
    return PlainText(d, decimals, separators);
}

std::string NonFiniteText(Extended value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string FloatText(char type, Extended value, int precision, const Separators& separators)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const DecimalDigits digits = ToDecimalDigits(value);
    const Separators ungrouped{separators.Decimal, {}};
    const int significant = std::clamp(precision < 0 ? DefaultSignificantDigits : precision, 1, ExtendedDigits);
    const int decimals = precision < 0 ? DefaultDecimals : precision;
    switch (type) {
    case 'e': return ScientificText(digits, significant, ungrouped);
    case 'g': return GeneralText(digits, significant, ungrouped);
    case 'f': return FixedText(digits, decimals, ungrouped);
    default: return FixedText(digits, decimals, separators);  // n, m; money carries its currency apart
    }
}

// ---------------------------------------------------------------------------
// Integers and texts

std::string ZeroPadded(std::string digits, int precision)
{
    if (precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
    return digits;
}

std::string DecimalText(const FormatArg::Integer& n, int precision)
{
    if (n.IsUnsigned || n.Bits >= 0)
        return ZeroPadded(std::to_string(static_cast<std::uint64_t>(n.Bits)), precision);
    const std::uint64_t magnitude = 0 - static_cast<std::uint64_t>(n.Bits);
    return "-" + ZeroPadded(std::to_string(magnitude), precision);
}

std::uint64_t UnsignedValue(const FormatArg::Integer& n)
{
    // A negative value of a 32-bit (or narrower) type reads as its 32-bit pattern.
    if (!n.IsUnsigned && n.Bits < 0 && !n.IsWide)
        return static_cast<std::uint32_t>(n.Bits);
    return static_cast<std::uint64_t>(n.Bits);
}

std::string HexText(std::uint64_t value)
{
    constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), HexDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

std::size_t CodePointCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count)
        NextCodePoint(text, pos);
    return count;
}

std::string FirstCodePoints(std::string_view text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < count && pos < text.size(); ++taken)
        NextCodePoint(text, pos);
    return std::string(text.substr(0, pos));
}

// ---------------------------------------------------------------------------
// The conversion syntax: %[index:][-][width][.precision]type

// A number of a conversion as written: absent, digits, or '*'.
struct SpecNumber {
    enum class Kind { Absent, Digits, Star };
    Kind Form = Kind::Absent;
    int Value = 0;  // INT_MAX when the digits are too many to hold
};

struct ConversionSyntax {
    SpecNumber Index;
    bool LeftAlign = false;
    SpecNumber Width;
    SpecNumber Precision;
    char Type = '\0';  // lower case
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

SpecNumber ReadSpecNumber(std::string_view pattern, std::size_t& pos)
{
    SpecNumber number;
    if (pos < pattern.size() && pattern[pos] == '*') {
        number.Form = SpecNumber::Kind::Star;
        ++pos;
        return number;
    }
    while (pos < pattern.size() && IsDigit(pattern[pos])) {
        const int digit = pattern[pos] - '0';
        number.Form = SpecNumber::Kind::Digits;
        number.Value = number.Value > (INT_MAX - digit) / 10 ? INT_MAX : number.Value * 10 + digit;
        ++pos;
    }
    return number;
}

bool IsSpecType(char type)
{
    return std::string_view("duxsfegnm").find(type) != std::string_view::npos;
}

bool FitsWidthLimit(const SpecNumber& number)
{
    return number.Form != SpecNumber::Kind::Digits || number.Value <= MaxFormatWidth;
}

// Reads the conversion that follows a '%'. pos ends after the last character the
// conversion takes, or after the first one it cannot take when it is malformed.
std::optional<ConversionSyntax> ParseSpec(std::string_view pattern, std::size_t& pos)
{
    const auto at = [&](char c) { return pos < pattern.size() && pattern[pos] == c; };
    ConversionSyntax conversion;
    SpecNumber first = ReadSpecNumber(pattern, pos);
    if (at(':')) {
        ++pos;
        if (first.Form == SpecNumber::Kind::Absent)
            return std::nullopt;
        conversion.Index = first;
        first = {};
    }
    if (first.Form == SpecNumber::Kind::Absent) {
        if (at('-')) {
            conversion.LeftAlign = true;
            ++pos;
        }
        conversion.Width = ReadSpecNumber(pattern, pos);
    } else {
        conversion.Width = first;
    }
    if (at('.')) {
        ++pos;
        conversion.Precision = ReadSpecNumber(pattern, pos);
        if (conversion.Precision.Form == SpecNumber::Kind::Absent)
            conversion.Precision.Form = SpecNumber::Kind::Digits;  // "%.f" means precision 0
    }
    if (pos >= pattern.size())
        return std::nullopt;
    const char type = pattern[pos++];
    conversion.Type = static_cast<char>(type >= 'A' && type <= 'Z' ? type + ('a' - 'A') : type);
    if (!IsSpecType(conversion.Type) || !FitsWidthLimit(conversion.Width) || !FitsWidthLimit(conversion.Precision))
        return std::nullopt;
    return conversion;
}

// ---------------------------------------------------------------------------
// Filling the conversions from the arguments

class PatternFormatter {
public:
    PatternFormatter(std::string_view pattern, std::span<const FormatArg> args, const FormatSettings& settings)
        : pattern_(pattern), args_(args),
          separators_{SeparatorText(settings.DecimalSeparator ? settings.DecimalSeparator : '.'),
                      SeparatorText(settings.ThousandSeparator)}
    {
    }

    FormatResult Run()
    {
        std::size_t pos = 0;
        while (pos < pattern_.size()) {
            const std::size_t percent = pattern_.find('%', pos);
            result_.Text += pattern_.substr(pos, percent - pos);
            if (percent == std::string_view::npos)
                break;
            pos = percent + 1;
            if (pos < pattern_.size() && pattern_[pos] == '%') {
                result_.Text += '%';
                ++pos;
                continue;
            }
            const std::optional<ConversionSyntax> conversion = ParseSpec(pattern_, pos);
            std::optional<std::string> filled;
            if (conversion)
                filled = Fill(*conversion);
            if (filled) {
                result_.Text += *filled;
            } else {
                result_.Text += pattern_.substr(percent, pos - percent);
                result_.Ok = false;
            }
        }
        return std::move(result_);
    }

private:
    const FormatArg* NextArg()
    {
        if (argPos_ >= args_.size())
            return nullptr;
        return &args_[argPos_++];
    }

    // The value of an index, width or precision; -1 when absent, nullopt
    // when a '*' finds no integer in 0..limit.
    std::optional<int> Resolve(const SpecNumber& number, int limit)
    {
        switch (number.Form) {
        case SpecNumber::Kind::Absent:
            return -1;
        case SpecNumber::Kind::Digits:
            return number.Value;
        case SpecNumber::Kind::Star:
            break;
        }
        const FormatArg* arg = NextArg();
        const FormatArg::Integer* n = arg ? arg->AsInteger() : nullptr;
        if (!n || (!n->IsUnsigned && n->Bits < 0))
            return std::nullopt;
        const auto value = static_cast<std::uint64_t>(n->Bits);
        if (value > static_cast<std::uint64_t>(limit))
            return std::nullopt;
        return static_cast<int>(value);
    }

    std::optional<std::string> Fill(const ConversionSyntax& conversion)
    {
        const std::optional<int> index = Resolve(conversion.Index, INT_MAX - 1);
        if (!index)
            return std::nullopt;
        if (*index >= 0)
            argPos_ = static_cast<std::size_t>(*index);
        const std::optional<int> width = Resolve(conversion.Width, MaxFormatWidth);
        if (!width)
            return std::nullopt;
        const std::optional<int> precision = Resolve(conversion.Precision, MaxFormatWidth);
        if (!precision)
            return std::nullopt;
        const FormatArg* arg = NextArg();
        if (!arg)
            return std::nullopt;
        std::optional<std::string> text = Convert(conversion.Type, *arg, *precision);
        if (!text)
            return std::nullopt;
        return Padded(std::move(*text), *width, conversion.LeftAlign);
    }

    std::optional<std::string> Convert(char type, const FormatArg& arg, int precision) const
    {
        if (const FormatArg::Integer* n = arg.AsInteger()) {
            switch (type) {
            case 'd': return DecimalText(*n, precision);
            case 'u': return ZeroPadded(std::to_string(UnsignedValue(*n)), precision);
            case 'x': return ZeroPadded(HexText(UnsignedValue(*n)), precision);
            default: return std::nullopt;
            }
        }
        if (const Extended* value = arg.AsExtended()) {
            if (std::string_view("fegnm").find(type) == std::string_view::npos)
                return std::nullopt;
            return FloatText(type, *value, precision, separators_);
        }
        const std::string* text = arg.AsText();
        if (type != 's')
            return std::nullopt;
        return precision < 0 ? *text : FirstCodePoints(*text, static_cast<std::size_t>(precision));
    }

    static std::string Padded(std::string text, int width, bool leftAlign)
    {
        const std::size_t length = CodePointCount(text);
        if (width <= 0 || length >= static_cast<std::size_t>(width))
            return text;
        const std::string blanks(static_cast<std::size_t>(width) - length, ' ');
        return leftAlign ? text + blanks : blanks + text;
    }

    std::string_view pattern_;
    std::span<const FormatArg> args_;
    Separators separators_;
    std::size_t argPos_ = 0;
    FormatResult result_;
};

}  // namespace

FormatResult TryFormat(std::string_view pattern, std::span<const FormatArg> args, const FormatSettings& settings)
{
    return PatternFormatter(pattern, args, settings).Run();
}

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args, const FormatSettings& settings)
{
    return TryFormat(pattern, std::span<const FormatArg>(args.begin(), args.size()), settings).Text;
}

std::string FormatFixed(Extended value, int decimals, char decimalSeparator)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const Separators separators{SeparatorText(decimalSeparator ? decimalSeparator : '.'), {}};
    return FixedText(ToDecimalDigits(value), std::clamp(decimals, 0, MaxFormatWidth), separators);
}

}  // namespace kr
