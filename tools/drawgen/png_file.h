#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kr::drawgen {

// A picture with transparency: red, green, blue and alpha bytes per pixel,
// row 0 at the top, colours not premultiplied.
struct TransparentImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// The bytes of a PNG file: 8-bit RGBA, not interlaced, each row unfiltered,
// the pixel data compressed by zlib.
std::string EncodePng(const TransparentImage& image);

}  // namespace kr::drawgen
