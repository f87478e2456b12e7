#include "core/engine/candidate.h"

namespace kr {

namespace {

constexpr Extended HeatBandBelow = 0.1L;
constexpr Extended HeatBandAbove = 0.7L;
constexpr Extended KrcHeatBandBelow = 0.15L;
constexpr Extended KrcHeatBandAbove = 1.1L;

}  // namespace

Candidate MakeCandidate(const tCoolType& record, bool isKrc, Extended dutyOilFlow)
{
    Candidate candidate;
    candidate.Record = &record;
    candidate.Coefficients = CoefficientsOf(record);
    candidate.OilFlow = isKrc ? static_cast<Extended>(record.MinOilFlow()) : dutyOilFlow;
    return candidate;
}

bool InsideOilFlowRange(const Candidate& candidate)
{
    return !(candidate.OilFlow < candidate.Record->MinOilFlow() || candidate.OilFlow > candidate.Record->MaxOilFlow());
}

HeatBand HeatBandFor(Extended requiredHeat, bool isKrc)
{
    const Extended below = isKrc ? KrcHeatBandBelow : HeatBandBelow;
    const Extended above = isKrc ? KrcHeatBandAbove : HeatBandAbove;
    return {requiredHeat - below * requiredHeat, requiredHeat + above * requiredHeat};
}

tCoolType MakeResult(const Candidate& candidate, const DutyValues& duty, PriceFinder& prices)
{
    tCoolType result = *candidate.Record;
    result.PressLoss = candidate.Rating.PressLoss;
    result.Temp5Bar = candidate.Temp5Bar;
    result.HeatRejection = candidate.Rating.HeatRejection;
    result.OilTypeIndex = duty.OilTypeIndex;
    result.RequiredHeat = candidate.RequiredHeat;
    result.OilFlow = candidate.OilFlow;
    result.AirOutletTemp = candidate.Rating.AirOutletTemp;
    result.AmbientTemp = duty.AmbientTemp;
    result.OilInletTemp = duty.OilInletTemp;
    result.OilOutletTemp = candidate.Rating.OilOutletTemp;
    result.MaxPressLoss = duty.MaxPressLoss;
    result.Altitude = duty.Altitude;
    result.RequiredKWperK = duty.RequiredKWperK;
    result.Viscosity = candidate.Rating.Viscosity;

    const PriceLookup price = prices.Find(result.ItemNo());
    if (!prices.TableEmpty())
        result.SetPrice(price.Price);
    result.Currency = price.Currency;
    return result;
}

}  // namespace kr
