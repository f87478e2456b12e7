#pragma once

#include "core/common/extended.h"

#include <string>
#include <string_view>

namespace kr {

// The number in a text field: blanks around it are skipped, then an optional
// sign, digits with an optional decimalSeparator and fraction (at least one
// digit in all), and an optional exponent of E or e, an optional sign and
// digits. Anything else, even a thousands separator or the other decimal
// separator, makes the text no number, and so does a value a double cannot
// hold: then the result is defaultValue. The fields hold double-precision
// numbers, so the value read is the double nearest to the text.
Extended TextToNumber(std::string_view text, Extended defaultValue, char decimalSeparator);

// What a text is to TextToNumber, told apart for a reader that must refuse
// what the fields would silently read as their default.
enum class NumberTextKind {
    Number,
    NotANumber,
    TooLarge,  // follows the number grammar, but its magnitude is beyond the largest double
    TooSmall,  // follows the number grammar, but is closer to zero than the smallest double
};

struct NumberTextRead {
    NumberTextKind Kind = NumberTextKind::NotANumber;
    Extended Value = 0;  // the value TextToNumber gives, for a Number
};

NumberTextRead ReadNumberText(std::string_view text, char decimalSeparator);

// A number for the result grids, the technical data and the print-outs:
// "%<width>.<decimals>f" (the width only when useWidth). Unless fixedDecimals,
// a value from 99.99 up is shown without decimals, and so is one whose
// rounding reaches 100 (99.96 with one decimal gives "100"). Like the fields,
// the value is taken at double precision.
std::string FormatValue(int decimals, int width, bool fixedDecimals, Extended value, bool useWidth,
                        char decimalSeparator);

}  // namespace kr
