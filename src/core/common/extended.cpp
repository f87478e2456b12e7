#include "core/common/extended.h"

#include <cmath>
#include <limits>

namespace kr {

namespace {

constexpr int ExponentBias = 16383;
constexpr int MantissaBits = 64;
constexpr unsigned MaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t QuietNanMantissa = IntegerBit | (std::uint64_t{1} << 62);

}  // namespace

Extended DecodeExtended(std::span<const std::uint8_t, ExtendedSize> bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[static_cast<std::size_t>(i)];
    const unsigned signAndExponent = bytes[8] | (unsigned{bytes[9]} << 8);
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const unsigned exponent = signAndExponent & MaxExponent;

    Extended magnitude;
    if (exponent == MaxExponent) {
        const bool isInfinity = (mantissa & ~IntegerBit) == 0;
        magnitude = isInfinity ? std::numeric_limits<Extended>::infinity()
                               : std::numeric_limits<Extended>::quiet_NaN();
    } else {
        // Denormals (exponent 0) share the scale of the smallest normal exponent.
        const int unbiased = (exponent == 0 ? 1 : static_cast<int>(exponent)) - ExponentBias;
        magnitude = std::ldexp(static_cast<Extended>(mantissa), unbiased - (MantissaBits - 1));
    }
    return negative ? -magnitude : magnitude;
}

ExtendedBytes EncodeExtended(Extended value)
{
    std::uint64_t mantissa = 0;
    unsigned exponent = 0;
    const bool negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);

    if (std::isnan(value)) {
        exponent = MaxExponent;
        mantissa = QuietNanMantissa;
    } else if (std::isinf(value)) {
        exponent = MaxExponent;
        mantissa = IntegerBit;
    } else if (magnitude != 0) {
        int binaryExponent = 0;
        const Extended fraction = std::frexp(magnitude, &binaryExponent);  // [0.5, 1)
        const int biased = binaryExponent - 1 + ExponentBias;
        if (biased >= 1) {
            exponent = static_cast<unsigned>(biased);
            mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, MantissaBits));
        } else {
            mantissa = static_cast<std::uint64_t>(
                std::ldexp(magnitude, ExponentBias - 1 + (MantissaBits - 1)));
        }
    }

    ExtendedBytes bytes{};
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned signAndExponent = exponent | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(signAndExponent & 0xFF);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

}  // namespace kr
