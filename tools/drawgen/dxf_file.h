#pragma once

#include <string>

#include "drawgen/sketch.h"

namespace kr::drawgen {

// The sketch as an ASCII DXF file of release 12 (AC1009) in the sketch's
// units: a HEADER with the version and extents, the line types, one layer
// per sketch layer and the text style in TABLES, and one entity per
// primitive in ENTITIES (LINE, CIRCLE, ARC, TEXT; a solid becomes SOLID
// triangles). Lines end in CR LF. Texts must be ASCII apart from the
// diameter and degree signs, written as %%c and %%d.
std::string EncodeDxf(const Sketch& sketch);

}  // namespace kr::drawgen
