#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The width of a text in pixels, in the font of whatever it is drawn on.
using TextWidthMeasure = std::function<int(std::string_view)>;

// Breaks a text into pieces at most maxWidth wide where the words allow: a
// piece ends after a blank, a word is never split, and a word wider than
// maxWidth stands alone (after an empty piece when it is the first word).
// Blanks stay at the end of their piece. An empty text gives one empty piece.
std::vector<std::string> WrapTextToWidth(std::string_view text, int maxWidth, const TextWidthMeasure& width);

}  // namespace kr
