#pragma once

#include <vector>

#include "drawgen/sketch.h"

namespace kr::drawgen {

// A picture of RGB pixels, row 0 at the top.
class Image {
public:
    Image(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb colour) { pixels_[Index(x, y)] = colour; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace kr::drawgen
