#pragma once

#include "core/canvas/canvas.h"
#include "core/data/cool_type.h"
#include "core/print/print_context.h"

namespace kr {

// What the technical data print needs beyond the current cooler: whether
// the price list holds a record and whether the user asked for prices on
// paper (both must hold for the price line), and the options' display units
// (indices of the air-flow, pressure, mass and volume lists).
struct TechnicalPrintOptions {
    bool HasPrices = false;
    bool IncludePrices = false;
    int AirFlowUnit = 0;
    int PressureUnit = 0;
    int WeightUnit = 0;
    int VolumeUnit = 0;
};

// The current cooler's technical data as one portrait print job: the page
// header, the designation, and the data sheet in three columns (labels with
// dot leaders, values right-aligned as if written with two decimals, units).
// The sheet is not broken across pages.
void PrintTechnicalData(Canvas& canvas, const PrintContext& context, const tCoolType& cooler,
                        const TechnicalPrintOptions& options);

}  // namespace kr
