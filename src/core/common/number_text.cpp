#include "core/common/number_text.h"

#include "core/common/cp1252.h"
#include "core/common/delphi_format.h"
#include "core/common/text_case.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace kr {

namespace {

// From this value on (and whenever the rounded text reaches 100) a value is
// shown without decimals: three digits are precision enough.
constexpr Extended NoDecimalsFrom = 99.99L;
constexpr Extended ThreeDigits = 100;

std::string SeparatorText(char decimalSeparator)
{
    const char separator = decimalSeparator ? decimalSeparator : '.';
    return Cp1252ToUtf8(std::string_view(&separator, 1));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends the digits at pos to out and moves pos past them; their count.
std::size_t TakeDigits(std::string_view text, std::size_t& pos, std::string& out)
{
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        out += text[pos++];
    return pos - start;
}

// The number in the C spelling std::from_chars reads ('.' as decimal point,
// no '+'), or nothing when the text does not follow the number grammar.
std::optional<std::string> PlainSpelling(std::string_view text, std::string_view separator)
{
    std::string plain;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            plain += '-';
        ++pos;
    }
    std::size_t mantissaDigits = TakeDigits(text, pos, plain);
    if (text.substr(pos).starts_with(separator)) {
        pos += separator.size();
        plain += '.';
        mantissaDigits += TakeDigits(text, pos, plain);
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            plain += text[pos++];
        if (TakeDigits(text, pos, plain) == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return plain;
}

// The power of ten of the first digit other than zero of a plain spelling
// ("123.4" gives 2, "0.0012e1" gives -2). An exponent too long for the
// integer counts as one far beyond any double.
long long LeadingPowerOfTen(std::string_view plain)
{
    constexpr long long FarExponent = 1LL << 40;
    const std::size_t exponentMark = plain.find('e');
    long long exponent = 0;
    if (exponentMark != std::string_view::npos) {
        std::string_view digits = plain.substr(exponentMark + 1);
        const bool negative = digits.starts_with('-');
        if (digits.starts_with('-') || digits.starts_with('+'))
            digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc{})
            exponent = FarExponent;
        exponent = negative ? -exponent : exponent;
    }
    const std::string_view mantissa = plain.substr(0, exponentMark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t leading = std::min(mantissa.find_first_of("123456789"), mantissa.size());
    const long long leadingPower = leading < point ? static_cast<long long>(point - leading) - 1
                                                   : -static_cast<long long>(leading - point);
    return leadingPower + exponent;
}

}  // namespace

NumberTextRead ReadNumberText(std::string_view text, char decimalSeparator)
{
    NumberTextRead read;
    const std::optional<std::string> plain = PlainSpelling(TrimText(text), SeparatorText(decimalSeparator));
    if (!plain)
        return read;
    double value = 0;
    const char* end = plain->data() + plain->size();
    const auto [stop, error] = std::from_chars(plain->data(), end, value);
    if (error == std::errc::result_out_of_range) {
        // Only a number that is not zero can be out of range: its leading
        // digit says on which side.
        read.Kind = LeadingPowerOfTen(*plain) >= 0 ? NumberTextKind::TooLarge : NumberTextKind::TooSmall;
        return read;
    }
    if (error != std::errc{} || stop != end)
        return read;
    read.Kind = NumberTextKind::Number;
    read.Value = value;
    return read;
}

Extended TextToNumber(std::string_view text, Extended defaultValue, char decimalSeparator)
{
    const NumberTextRead read = ReadNumberText(text, decimalSeparator);
    return read.Kind == NumberTextKind::Number ? read.Value : defaultValue;
}

std::string FormatValue(int decimals, int width, bool fixedDecimals, Extended value, bool useWidth,
                        char decimalSeparator)
{
    const Extended shown = static_cast<double>(value);
    const int places = fixedDecimals || shown < NoDecimalsFrom ? decimals : 0;
    // "%<width>.<places>f", with width and places kept to what the formatter takes.
    std::string text = Format("%*.*f",
                              {useWidth ? std::clamp(width, 0, MaxFormatWidth) : 0,
                               std::clamp(places, 0, MaxFormatWidth), shown},
                              {decimalSeparator, '\0'});
    if (!fixedDecimals && TextToNumber(text, 0, decimalSeparator) >= ThreeDigits) {
        const std::size_t separator = text.find(SeparatorText(decimalSeparator));
        if (separator != std::string::npos)
            text.erase(separator);
    }
    return text;
}

}  // namespace kr
