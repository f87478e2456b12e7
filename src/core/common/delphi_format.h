#pragma once

#include "core/common/extended.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace kr {

// The locale's separators, handed in by the caller. A separator above 0x7F
// is taken as a Windows-1252 character (0xA0, the no-break space some
// locales group thousands with); a ThousandSeparator of '\0' groups nothing.
struct FormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
};

// Width and precision above this make a conversion malformed, so that a hostile
// pattern cannot ask for gigabytes of padding.
inline constexpr int MaxFormatWidth = 1000;

// One argument of a format pattern: an integer, an Extended or a UTF-8 text.
// A char is a one-character text (as a Char is for %s); bool and other
// pointers are refused at compile time rather than silently taken as numbers.
class FormatArg {
public:
    struct Integer {
        std::int64_t Bits = 0;
        bool IsUnsigned = false;  // Bits holds a std::uint64_t
        bool IsWide = false;      // came from a 64-bit type: %u and %x wrap at 64 bits, else at 32
    };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    FormatArg(T value)
        : value_(Integer{static_cast<std::int64_t>(value), std::unsigned_integral<T>, sizeof(T) > 4})
    {
    }
    FormatArg(bool) = delete;
    FormatArg(char c) : value_(std::string(1, c)) {}
    FormatArg(float value) : value_(static_cast<Extended>(value)) {}
    FormatArg(double value) : value_(static_cast<Extended>(value)) {}
    FormatArg(long double value) : value_(value) {}
    FormatArg(std::string text) : value_(std::move(text)) {}
    FormatArg(std::string_view text) : value_(std::string(text)) {}
    FormatArg(const char* text) : value_(std::string(text ? text : "")) {}

    const Integer* AsInteger() const { return std::get_if<Integer>(&value_); }
    const Extended* AsExtended() const { return std::get_if<Extended>(&value_); }
    const std::string* AsText() const { return std::get_if<std::string>(&value_); }

private:
    std::variant<Integer, Extended, std::string> value_;
};

// Ok is false when the pattern does not fit its arguments; Text then holds
// every conversion that could be filled, and each one that could not as written.
struct FormatResult {
    std::string Text;
    bool Ok = true;
};

// Delphi-style formatting: %[index:][-][width][.precision]type with the types
// d u x s f e g n m (either case) and %%; index, width and precision may be
// '*' to take them from the next integer argument. An index sets the
// argument position, and later conversions continue from it. Arguments must be of
// the conversion's kind: integers for d u x and '*', Extended for f e g n m, texts
// for s. Arguments left over are no fault.
FormatResult TryFormat(std::string_view pattern, std::span<const FormatArg> args,
                       const FormatSettings& settings = {});

// TryFormat(...).Text
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const FormatSettings& settings = {});

// What "%.<decimals>f" gives: the value's 18 significant decimal digits,
// rounded at the requested place half away from zero; no sign on a value
// that shows as zero. Decimals are clamped to 0..MaxFormatWidth.
std::string FormatFixed(Extended value, int decimals, char decimalSeparator);

}  // namespace kr
