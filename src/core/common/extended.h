#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kr {

// Every engine value is an 80-bit extended real. On x86-64 Linux
// long double is exactly the x87 80-bit format.
using Extended = long double;

inline constexpr std::size_t ExtendedSize = 10;
using ExtendedBytes = std::array<std::uint8_t, ExtendedSize>;

// The 10-byte little-endian x87 layout of the data files: 64-bit mantissa
// with an explicit integer bit, 15-bit exponent with bias 16383, sign bit.
// Decoding and encoding are done arithmetically, so they do not depend on
// the host's own long double layout.
Extended DecodeExtended(std::span<const std::uint8_t, ExtendedSize> bytes);
ExtendedBytes EncodeExtended(Extended value);

}  // namespace kr
