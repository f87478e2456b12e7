#pragma once

#include "drawgen/image.h"
#include "drawgen/sketch.h"

namespace kr::drawgen {

// How finely each bitmap pixel is sampled: edges come out smoothed, in
// shades between a line's colour and the paper.
constexpr int DefaultSupersampling = 3;

// Draws every primitive of the sketch, in order, on white paper of the
// sketch's pixel size. Lines, circles and arcs keep their layer's pen and
// dash pattern; texts are drawn with the stroke font in their layer's pen.
Image RenderSketch(const Sketch& sketch, int supersampling = DefaultSupersampling);

}  // namespace kr::drawgen
