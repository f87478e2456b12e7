#include "cli/quantity.h"

#include "core/common/number_text.h"
#include "core/common/text_case.h"

#include <cctype>

namespace kr::cli {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The length of the number at the start of text and the decimal separator
// it uses ('\0' for none). Either separator is taken here, so that the other
// one can be named in the error rather than read as a unit.
struct NumberSpan {
    std::size_t Length = 0;
    char Separator = '\0';
    bool HasDigits = false;
};

NumberSpan ScanNumber(std::string_view text)
{
    NumberSpan number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    const std::size_t integerStart = at;
    at = SkipDigits(text, at);
    number.HasDigits = at > integerStart;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        number.Separator = text[at];
        const std::size_t fractionStart = at + 1;
        at = SkipDigits(text, fractionStart);
        number.HasDigits = number.HasDigits || at > fractionStart;
    }
    // An exponent only when digits follow: no unit name begins with e and a digit.
    if (number.HasDigits && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent]))
            at = SkipDigits(text, exponent);
    }
    number.Length = at;
    return number;
}

// About the largest double, as a user writes it.
std::string LargestNumberText(char decimalSeparator) { return std::string("1") + decimalSeparator + "8e308"; }

}  // namespace

std::string UnitNameList(UnitNames units)
{
    std::string names;
    for (const std::string_view unit : units)
        names += (names.empty() ? "" : ", ") + std::string(unit);
    return names;
}

QuantityRead ReadQuantity(std::string_view text, UnitNames units, char decimalSeparator, std::string_view name)
{
    QuantityRead read;
    const std::string_view trimmed = TrimText(text);
    if (trimmed.empty()) {
        read.Value = Quantity{};
        return read;
    }
    const NumberSpan number = ScanNumber(trimmed);
    if (!number.HasDigits) {
        read.Error = std::string(name) + ": \"" + std::string(text) + "\" does not begin with a number";
        return read;
    }
    if (number.Separator != '\0' && number.Separator != decimalSeparator) {
        read.Error = std::string(name) + ": \"" + std::string(text) + "\" is written with '" + number.Separator +
                     "' as decimal separator; --decimal is '" + decimalSeparator + "'";
        return read;
    }
    // The engine would read a number beyond a double's range as 0; one
    // closer to zero than the smallest double is read as 0, its nearest.
    const std::string_view numberText = trimmed.substr(0, number.Length);
    if (ReadNumberText(numberText, decimalSeparator).Kind == NumberTextKind::TooLarge) {
        read.Error = std::string(name) + ": \"" + std::string(text) + "\" is beyond the range of numbers (up to " +
                     LargestNumberText(decimalSeparator) + " in size)";
        return read;
    }
    const std::string_view unit = TrimText(trimmed.substr(number.Length));
    int unitIndex = 0;
    if (!unit.empty()) {
        unitIndex = FindUnitIndex(units, unit);
        if (unitIndex < 0) {
            read.Error = std::string(name) + ": unknown unit \"" + std::string(unit) +
                         "\"; the units are " + UnitNameList(units) +
                         " (plain-ASCII spellings such as m3/h, degF and lbf/ft2 are accepted)";
            return read;
        }
    }
    read.Value = Quantity{std::string(numberText), unitIndex};
    return read;
}

bool ReadQuantityInto(std::string_view text, UnitNames units, char decimalSeparator, std::string_view name,
                      std::string& field, int& unit, std::string& error)
{
    const QuantityRead read = ReadQuantity(text, units, decimalSeparator, name);
    if (!read.Value) {
        error = read.Error;
        return false;
    }
    field = read.Value->NumberText;
    unit = read.Value->UnitIndex;
    return true;
}

}  // namespace kr::cli
