#pragma once

#include "core/common/extended.h"
#include "core/data/cool_type.h"

#include <array>
#include <vector>

namespace kr {

// The performance curves rate the cooler at every whole oil flow of this
// range, in l/min.
inline constexpr int FirstCurveFlow = 1;
inline constexpr int LastCurveFlow = 1500;
inline constexpr std::size_t CurvePointCount = LastCurveFlow - FirstCurveFlow + 1;

// A chart spreads the cooler's oil-flow range over about this many pixel
// columns, and its values over this many pixel rows.
inline constexpr int CurveColumns = 190;
inline constexpr int CurveRows = 300;

struct CurvePoint {
    Extended HeatRejection = 0;  // kW
    Extended PressLoss = 0;      // bar
};

// The vertical scale of one chart: the value at its bottom line, the raised
// top, the value per pixel row, and AxisValues[k] = k · PerPixel for the
// pixel rows k = 0 .. 300 above the bottom line.
struct VerticalScale {
    Extended Bottom = 0;
    Extended Top = 0;
    Extended PerPixel = 0;
    std::array<Extended, CurveRows + 1> AxisValues{};
};

struct PerformanceCurves {
    // CurvePoints[i − 1] holds the values at i l/min.
    std::array<CurvePoint, CurvePointCount> CurvePoints{};
    int Step = 1;
    // The plotted oil flows in plotting order: the n-th (from 1) is drawn at
    // pixel column x0 + n.
    std::vector<int> FlowAxisValues;
    VerticalScale Heat;      // its AxisValues are the HeatAxisValues
    VerticalScale Pressure;  // its AxisValues are the PressureAxisValues

    // The values at an oil flow; a flow outside the table is taken at the
    // nearest end of it.
    const CurvePoint& At(long long flow) const;
};

// Rates the cooler at every flow of the table with its duty (oil inlet and
// ambient temperature, altitude, oil grade) and RequiredHeat as first guess,
// and works out the plotted flows and the two vertical scales.
PerformanceCurves SweepCurves(const tCoolType& cooler);

// Trunc((MaxOilFlow − MinOilFlow) / 190 + 0.5), at least 1.
int CurveFlowStep(int minOilFlow, int maxOilFlow);

// Every flow from MinOilFlow to MinOilFlow + 190·step + step·step + 1 that
// the step divides. Only flows of the table are plotted: the end is bounded
// at 1500 l/min (and a MinOilFlow below 1 starts at 1).
std::vector<int> PlottedFlows(int minOilFlow, int step);

// bottom and top are the chart's values at MinOilFlow and at
// MinOilFlow + 190·step. While the requirement is at or above the top, the
// top is raised by 0.7 %, then once more by 0.5 %. A top of 0 or below
// cannot be raised by a factor, so it is left as it is. A chart whose top
// does not lie above its bottom (a flat or faulted curve) is given a scale of
// one unit over its height, so that it can still be drawn.
VerticalScale MakeVerticalScale(Extended bottom, Extended top, Extended requirement);

}  // namespace kr
