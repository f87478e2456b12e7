#pragma once

#include "core/common/extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kr {

// Numbers of the data sources as text. The tools run in the "C" locale, so the
// decimal separator is always '.'.

// A finite decimal number: optional sign, digits with an optional decimal
// point, optional exponent. Read with strtold, so the result is the 80-bit
// value nearest to the text. Anything else (blanks, "inf", hex) gives nothing.
std::optional<Extended> ParseExtendedText(std::string_view text);

// Decimal digits with an optional minus sign, within the int32 range.
std::optional<std::int32_t> ParseInt32Text(std::string_view text);

// The fewest significant digits (1 to 21) that read back to exactly this
// value; written without an exponent where "%g" can do that with as many
// digits as the integer part needs (1450, not 1.45e+03).
std::string ShortestExtendedText(Extended value);

}  // namespace kr
