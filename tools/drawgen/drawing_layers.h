#pragma once

#include "drawgen/sketch.h"

namespace kr::drawgen {

// The layers of a dimension drawing, as a CAD user expects to find them.
struct DrawingLayers {
    LayerId outline;     // visible edges, heavy
    LayerId detail;      // visible edges of small parts, grille, blades, thin
    LayerId hatch;       // fins
    LayerId hidden;      // edges behind others, dashed
    LayerId center;      // axes and hole centres, dash-dot
    LayerId dimensions;  // extension and dimension lines, arrowheads, values
    LayerId text;        // labels of the connections
    LayerId title;       // sheet border and title block
};

DrawingLayers AddDrawingLayers(Sketch& sketch);

}  // namespace kr::drawgen
