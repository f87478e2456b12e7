#include "core/present/curve_sweep.h"

#include "core/engine/rating.h"

#include <algorithm>
#include <cmath>

namespace kr {

namespace {

constexpr Extended TopRaise = 1.007L;
constexpr Extended TopMargin = 1.005L;
// Raising stops here: a requirement this far above the curve (1.007^10000 is
// about 10^30) lies off the chart anyway, and a denormal top that the factor
// cannot grow must not hold the loop for ever.
constexpr int MaxTopRaises = 10000;
constexpr Extended StepRounding = 0.5L;
// The scale of a chart without height: one unit over its pixel rows.
constexpr Extended DegeneratePerPixel = 1.0L / CurveRows;

std::size_t TableIndex(long long flow)
{
    return static_cast<std::size_t>(std::clamp<long long>(flow, FirstCurveFlow, LastCurveFlow) - FirstCurveFlow);
}

}  // namespace

const CurvePoint& PerformanceCurves::At(long long flow) const { return CurvePoints[TableIndex(flow)]; }

int CurveFlowStep(int minOilFlow, int maxOilFlow)
{
    const long long range = static_cast<long long>(maxOilFlow) - minOilFlow;
    const Extended step = std::trunc(static_cast<Extended>(range) / CurveColumns + StepRounding);
    return step < 1 ? 1 : static_cast<int>(step);
}

std::vector<int> PlottedFlows(int minOilFlow, int step)
{
    const long long end = static_cast<long long>(minOilFlow) + static_cast<long long>(CurveColumns) * step +
                          static_cast<long long>(step) * step + 1;
    const long long first = std::max<long long>(minOilFlow, FirstCurveFlow);
    const long long last = std::min<long long>(end, LastCurveFlow);
    std::vector<int> flows;
    for (long long flow = first; flow <= last; ++flow)
        if (flow % step == 0)
            flows.push_back(static_cast<int>(flow));
    return flows;
}

VerticalScale MakeVerticalScale(Extended bottom, Extended top, Extended requirement)
{
    VerticalScale scale;
    scale.Bottom = bottom;
    for (int raises = 0; raises < MaxTopRaises && top > 0 && std::isfinite(top) && requirement >= top; ++raises) {
        const Extended raised = top * TopRaise;
        if (!(raised > top))
            break;
        top = raised;
    }
    scale.Top = top * TopMargin;
    scale.PerPixel = (scale.Top - scale.Bottom) / CurveRows;
    if (!(scale.PerPixel > 0) || !std::isfinite(scale.PerPixel))
        scale.PerPixel = DegeneratePerPixel;
    for (std::size_t k = 0; k < scale.AxisValues.size(); ++k)
        scale.AxisValues[k] = static_cast<Extended>(k) * scale.PerPixel;
    return scale;
}

PerformanceCurves SweepCurves(const tCoolType& cooler)
{
    PerformanceCurves curves;
    const CoolerCoefficients coefficients = CoefficientsOf(cooler);
    RatingDuty duty{0, cooler.OilInletTemp, cooler.AmbientTemp, cooler.Altitude, cooler.OilTypeIndex};
    for (int flow = FirstCurveFlow; flow <= LastCurveFlow; ++flow) {
        duty.OilFlow = flow;
        const CoolerRating rating = RateCooler(coefficients, duty, cooler.RequiredHeat);
        curves.CurvePoints[TableIndex(flow)] = {rating.HeatRejection, rating.PressLoss};
    }

    const int minFlow = cooler.MinOilFlow();
    curves.Step = CurveFlowStep(minFlow, cooler.MaxOilFlow());
    curves.FlowAxisValues = PlottedFlows(minFlow, curves.Step);
    const CurvePoint& bottom = curves.At(minFlow);
    const CurvePoint& top = curves.At(static_cast<long long>(minFlow) + static_cast<long long>(CurveColumns) * curves.Step);
    curves.Heat = MakeVerticalScale(bottom.HeatRejection, top.HeatRejection, cooler.RequiredHeat);
    curves.Pressure = MakeVerticalScale(bottom.PressLoss, top.PressLoss, cooler.MaxPressLoss);
    return curves;
}

}  // namespace kr
