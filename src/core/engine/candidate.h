#pragma once

#include "core/data/cool_type.h"
#include "core/engine/duty_input.h"
#include "core/engine/price_finder.h"
#include "core/engine/rating.h"

namespace kr {

// A record on its way through a search: the database record, its decoded
// coefficients, the oil flow it is rated at and what the rating gave. Result
// copies (tCoolType) are made only for the candidates that are kept.
struct Candidate {
    const tCoolType* Record = nullptr;
    CoolerCoefficients Coefficients;
    Extended OilFlow = 0;  // the duty's, or a KRC cooler's own pump flow
    CoolerRating Rating;
    Extended Temp5Bar = 0;
    Extended RequiredHeat = 0;
};

Candidate MakeCandidate(const tCoolType& record, bool isKrc, Extended dutyOilFlow);

// MinOilFlow <= oil flow <= MaxOilFlow.
bool InsideOilFlowRange(const Candidate& candidate);

// The heat rejection a selection accepts: strictly between the bounds.
struct HeatBand {
    Extended Lower = 0;
    Extended Upper = 0;

    // The upper bound is tested first.
    bool Accepts(Extended heat) const { return !(heat >= Upper) && !(heat <= Lower); }
};

// 0.9 to 1.7 times the required heat, for a KRC cooler 0.85 to 2.1 times,
// each bound formed as Qreq ± f · Qreq.
HeatBand HeatBandFor(Extended requiredHeat, bool isKrc);

// The result object of a kept candidate: the record bytes, the rating and
// the duty it was rated at, its price from the price list (when the list is
// not empty) and the currency of that price.
tCoolType MakeResult(const Candidate& candidate, const DutyValues& duty, PriceFinder& prices);

}  // namespace kr
