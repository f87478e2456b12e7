#pragma once

#include <string>

#include "drawgen/image.h"

namespace kr::drawgen {

// The bytes of a Windows bitmap file: 24 bits per pixel, uncompressed
// (BI_RGB), rows bottom-up, each row padded to a multiple of 4 bytes,
// 96 dots per inch.
std::string EncodeBmp(const Image& image);

}  // namespace kr::drawgen
