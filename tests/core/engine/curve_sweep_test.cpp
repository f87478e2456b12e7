#include "core/present/curve_sweep.h"

#include "core/engine/rating.h"

#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>

namespace kr {
namespace {

using test::MakeCooler;

// A cooler chosen for 30 kW at 100 l/min of ISO VG 46, 70 °C oil, 25 °C air.
tCoolType CurrentCooler(int minFlow = 20, int maxFlow = 300)
{
    tCoolType cooler = MakeCooler({.MinOilFlow = minFlow, .MaxOilFlow = maxFlow});
    cooler.RequiredHeat = 30;
    cooler.MaxPressLoss = 2;
    cooler.OilFlow = 100;
    cooler.OilInletTemp = 70;
    cooler.AmbientTemp = 25;
    cooler.Altitude = 200;
    cooler.OilTypeIndex = 8;
    return cooler;
}

TEST(CurveSweep, TheStepSpreadsTheFlowRangeOverTheChart)
{
    struct Row {
        int min, max, step;
    };
    const Row rows[] = {
        {20, 210, 1},   // 190 l/min: one column per l/min
        {20, 304, 1},   // 284 / 190 + 0.5 = 1.99
        {20, 305, 2},   // 285 / 190 + 0.5 = 2.0
        {0, 475, 3},    // 2.5 + 0.5
        {100, 100, 1},  // no range
        {300, 20, 1},   // a reversed range still steps by 1
        {0, 1500, 8},
        {INT32_MIN, INT32_MAX, 22605091},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CurveFlowStep(row.min, row.max), row.step) << row.min << ".." << row.max;
}

TEST(CurveSweep, PlottedFlowsAreTheStepsMultiplesFromTheMinimumFlow)
{
    const std::vector<int> one = PlottedFlows(20, 1);
    ASSERT_EQ(one.size(), 193u);  // 20 .. 20 + 190 + 1 + 1
    EXPECT_EQ(one.front(), 20);
    EXPECT_EQ(one.back(), 212);

    // Flows below the first multiple of the step are not drawn.
    const std::vector<int> two = PlottedFlows(21, 2);
    EXPECT_EQ(two.front(), 22);
    EXPECT_EQ(two.back(), 406);  // 21 + 380 + 4 + 1 = 406
    EXPECT_EQ(two.size(), 193u);

    // The table ends at 1500 l/min, and so do the plotted flows.
    const std::vector<int> nearEnd = PlottedFlows(1400, 8);
    EXPECT_EQ(nearEnd.front(), 1400);
    EXPECT_EQ(nearEnd.back(), 1496);
    // A minimum of 0 or below starts at the table's first flow.
    EXPECT_EQ(PlottedFlows(-5, 1).front(), 1);
    // A huge step plots at most what the table holds.
    EXPECT_LE(PlottedFlows(0, 22605091).size(), 1u);
}

TEST(CurveSweep, TheTopIsRaisedAboveTheRequirement)
{
    // The requirement below the top: only the 0.5 % margin.
    const VerticalScale plain = MakeVerticalScale(10, 20, 19);
    EXPECT_EQ(plain.Top, 20 * 1.005L);
    EXPECT_EQ(plain.PerPixel, (plain.Top - 10) / 300);

    // At or above the top: steps of 0.7 % until it is exceeded, then 0.5 %.
    for (long double requirement : {20.0L, 21.0L, 35.5L}) {
        const VerticalScale raised = MakeVerticalScale(10, 20, requirement);
        const long double beforeMargin = raised.Top / 1.005L;
        EXPECT_GT(beforeMargin, requirement * (1 - 1e-15L));
        EXPECT_LE(beforeMargin / 1.007L, requirement * (1 + 1e-15L));
        long double expected = 20;
        while (requirement >= expected)
            expected *= 1.007L;
        EXPECT_EQ(raised.Top, expected * 1.005L);
    }

    const VerticalScale axis = MakeVerticalScale(10, 20, 0);
    ASSERT_EQ(axis.AxisValues.size(), 301u);
    EXPECT_EQ(axis.AxisValues[0], 0);
    EXPECT_EQ(axis.AxisValues[30], 30 * axis.PerPixel);
    EXPECT_NEAR(static_cast<double>(axis.AxisValues[300]), static_cast<double>(axis.Top - 10), 1e-12);
}

TEST(CurveSweep, AChartWithoutPositiveTopOrHeightStillHasAScale)
{
    // A top of 0 cannot be raised by a factor: the raising ends at once.
    const VerticalScale flat = MakeVerticalScale(0, 0, 5);
    EXPECT_EQ(flat.Top, 0);
    EXPECT_EQ(flat.PerPixel, 1.0L / 300);
    EXPECT_EQ(flat.AxisValues[300], 1);

    const VerticalScale negative = MakeVerticalScale(-2, -1, 0);
    EXPECT_EQ(negative.Top, -1 * 1.005L);
    EXPECT_GT(negative.PerPixel, 0);

    // A top that is not finite is not raised for ever either.
    EXPECT_EQ(MakeVerticalScale(0, INFINITY, INFINITY).PerPixel, 1.0L / 300);

    // Nor one too small for the factor to grow, nor one far below the requirement.
    EXPECT_GT(MakeVerticalScale(0, std::numeric_limits<Extended>::denorm_min(), 1).Top, 0);
    EXPECT_LT(MakeVerticalScale(0, 1, 1e300L).Top, 1e40L);
}

TEST(CurveSweep, EveryFlowOfTheTableIsRatedAtTheDutyOfTheCooler)
{
    const tCoolType cooler = CurrentCooler();
    const PerformanceCurves curves = SweepCurves(cooler);
    for (int flow : {1, 20, 100, 777, 1500}) {
        const CoolerRating rating =
            RateCooler(cooler, RatingDuty{static_cast<long double>(flow), 70, 25, 200, 8}, 30);
        EXPECT_EQ(curves.CurvePoints[static_cast<std::size_t>(flow - 1)].HeatRejection, rating.HeatRejection) << flow;
        EXPECT_EQ(curves.At(flow).PressLoss, rating.PressLoss) << flow;
    }
    // Within the cooler's range and above it, more oil flow rejects more
    // heat and costs more pressure. (At a few l/min the model cools the oil
    // far below the air temperature, and its viscosity soars.)
    for (std::size_t i = 20; i < curves.CurvePoints.size(); ++i) {
        ASSERT_GT(curves.CurvePoints[i].HeatRejection, curves.CurvePoints[i - 1].HeatRejection) << i;
        ASSERT_GT(curves.CurvePoints[i].PressLoss, curves.CurvePoints[i - 1].PressLoss) << i;
    }

    EXPECT_EQ(curves.Step, 1);  // 280 / 190 + 0.5 = 1.97
    EXPECT_EQ(curves.FlowAxisValues.front(), 20);
    EXPECT_EQ(curves.Heat.Bottom, curves.At(20).HeatRejection);
    EXPECT_EQ(curves.Pressure.Bottom, curves.At(20).PressLoss);
    EXPECT_EQ(curves.Heat.Top, MakeVerticalScale(curves.At(20).HeatRejection, curves.At(210).HeatRejection, 30).Top);
    EXPECT_EQ(curves.Pressure.Top, MakeVerticalScale(curves.At(20).PressLoss, curves.At(210).PressLoss, 2).Top);
}

TEST(CurveSweep, FlowsBeyondTheTableAreTakenAtItsEnd)
{
    // Top flow 1400 + 190 lies beyond 1500 l/min.
    const PerformanceCurves curves = SweepCurves(CurrentCooler(1400, 1500));
    EXPECT_EQ(curves.Heat.Top, MakeVerticalScale(curves.At(1400).HeatRejection, curves.At(1500).HeatRejection, 30).Top);
    EXPECT_EQ(curves.FlowAxisValues.back(), 1500);
    EXPECT_EQ(&curves.At(99999), &curves.CurvePoints.back());
    EXPECT_EQ(&curves.At(-3), &curves.CurvePoints.front());
}

TEST(CurveSweep, FaultingRatingsGiveZerosAndAUsableScale)
{
    tCoolType broken = CurrentCooler();
    broken.SetNumber(CoolerField::FanAirFlow, 0);
    broken.SetNumber(CoolerField::PressLossCoef, 0);
    broken.SetNumber(CoolerField::HeatCoefC, 0);
    const PerformanceCurves curves = SweepCurves(broken);
    for (const CurvePoint& p : curves.CurvePoints) {
        ASSERT_EQ(p.HeatRejection, 0);
        ASSERT_EQ(p.PressLoss, 0);
    }
    EXPECT_EQ(curves.Heat.PerPixel, 1.0L / 300);
    EXPECT_EQ(curves.Pressure.PerPixel, 1.0L / 300);
}

}  // namespace
}  // namespace kr
