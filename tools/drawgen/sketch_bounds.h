#pragma once

#include <optional>

#include "drawgen/sketch.h"

namespace kr::drawgen {

// The box around everything a sketch draws, texts by their strokes;
// nothing when the sketch is empty.
std::optional<Box> SketchBounds(const Sketch& sketch);

}  // namespace kr::drawgen
