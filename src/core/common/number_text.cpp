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

}  // namespace

Extended TextToNumber(std::string_view text, Extended defaultValue, char decimalSeparator)
{
    const std::optional<std::string> plain = PlainSpelling(TrimText(text), SeparatorText(decimalSeparator));
    if (!plain)
        return defaultValue;
    double value = 0;
    const char* end = plain->data() + plain->size();
    const auto [stop, error] = std::from_chars(plain->data(), end, value);
    if (error != std::errc{} || stop != end)
        return defaultValue;
    return value;
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
