#include "drawgen/image.h"

#include <stdexcept>

namespace kr::drawgen {

Image::Image(int width, int height, Rgb background) : width_(width), height_(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("image: width and height must be positive");
    pixels_.assign(static_cast<std::size_t>(width) * height, background);
}

}  // namespace kr::drawgen
