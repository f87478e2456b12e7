#pragma once

#include "core/common/extended.h"
#include "core/data/cool_type.h"

namespace kr {

// The record fields the rating model reads, decoded once so that a search or
// a curve sweep does not decode them again for every rating.
struct CoolerCoefficients {
    Extended FanAirFlow = 0;     // m³/s
    Extended HeatCoefA = 0;      // kW/K
    Extended HeatCoefB = 0;      // kW/K
    Extended HeatCoefC = 0;      // l/min
    Extended PressLossCoef = 0;  // bar at 1 l/min and 30 cSt
};

CoolerCoefficients CoefficientsOf(const tCoolType& cooler);

// The duty a cooler is rated at, in internal units.
struct RatingDuty {
    Extended OilFlow = 0;       // l/min
    Extended OilInletTemp = 0;  // °C
    Extended AmbientTemp = 0;   // °C
    Extended Altitude = 0;      // m
    int OilGradeIndex = 0;      // outside 0..17 rates with the standard grade
};

struct CoolerRating {
    Extended HeatRejection = 0;  // kW
    Extended AirOutletTemp = 0;  // °C
    Extended OilOutletTemp = 0;  // °C
    Extended Viscosity = 0;      // cSt, at the oil outlet temperature
    Extended PressLoss = 0;      // bar
    int Passes = 0;              // passes of the air-temperature iteration
    bool Converged = false;      // false: stopped by MaxAirTempPasses
};

// The air-temperature iteration settles within a few passes for real
// coolers. Data that makes it oscillate or creep (negative or absurd
// coefficients) must still end: after this many passes the values of the
// last pass are kept. A thousand passes is far beyond any cooler that
// settles, and still cheap.
inline constexpr int MaxAirTempPasses = 1000;

// Rates a cooler at a duty. qGuess (kW) only seeds the air-temperature
// iteration. Every step runs under its own guard: a step that divides by
// zero, takes the logarithm of a value that is not positive, or gives a
// result that is not finite yields 0 and the computation goes on. Allocates
// nothing.
CoolerRating RateCooler(const CoolerCoefficients& cooler, const RatingDuty& duty, Extended qGuess);
CoolerRating RateCooler(const tCoolType& cooler, const RatingDuty& duty, Extended qGuess);

// The oil temperature (°C) at which the pressure loss at this oil flow
// reaches 5 bar; 0 where it is undefined (the viscosity needed for 5 bar is
// 1 cSt or less, or the cooler has no pressure loss at all).
Extended Temp5Bar(const CoolerCoefficients& cooler, Extended oilFlow, int oilGradeIndex);
Extended Temp5Bar(const tCoolType& cooler, Extended oilFlow, int oilGradeIndex);

// The heat formula without the air-temperature factor and without the
// factor 1.1: the first guess of the known-cooler rating. Guarded like the
// steps of RateCooler.
Extended BaseHeatEstimate(const CoolerCoefficients& cooler, const RatingDuty& duty);

}  // namespace kr
