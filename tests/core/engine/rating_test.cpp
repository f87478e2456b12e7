#include "core/engine/oil_grades.h"
#include "core/engine/rating.h"

#include "rating_reference_cases.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace kr {
namespace {

using test::RatingReferenceCases;

// Agreement to the last few units in the last place of an 80-bit value.
// Values near zero are compared on the scale of the quantity (scale).
::testing::AssertionResult NearUlps(long double actual, long double expected, long double ulps,
                                    long double scale = 1)
{
    const long double size = std::max({std::fabs(actual), std::fabs(expected), scale});
    const long double tolerance = ulps * LDBL_EPSILON * size;
    if (std::fabs(actual - expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(21) << actual << " vs " << expected << " (difference "
                                         << std::fabs(actual - expected) / (LDBL_EPSILON * size) << " ulps)";
}

CoolerCoefficients Coefficients(long double fan, long double a, long double b, long double c, long double k)
{
    return {fan, a, b, c, k};
}

// ---------------------------------------------------------------------------
// Oil grades

TEST(OilGrades, ViscosityAtFortyDegreesIsNearTheNominalGrade)
{
    // ν(40 °C) of every grade, evaluated from the published constants with
    // Python; a mistyped constant moves its grade away from these.
    struct Row {
        const char* name;
        double oilFactor;
        double viscosityAt40;
    };
    const Row rows[] = {
        {"ISO VG 2", 1.07, 2.304460227299105},     {"ISO VG 3", 1.06, 3.2477569823479966},
        {"ISO VG 5", 1.05, 4.538070097755552},     {"ISO VG 7", 1.04, 6.820466932985211},
        {"ISO VG 10", 1.03, 9.79968602842198},     {"ISO VG 15", 1.02, 15.244338988502863},
        {"ISO VG 22", 1.015, 22.64291636524958},   {"ISO VG 32", 1.0, 33.37797204466432},
        {"ISO VG 46", 0.99, 49.33447582820336},    {"ISO VG 68", 0.98, 73.89074390500477},
        {"ISO VG 100", 0.97, 102.0370461043118},   {"ISO VG 150", 0.96, 159.35614647357616},
        {"ISO VG 220", 0.95, 222.49118171903467},  {"ISO VG 320", 0.94, 322.01713542102635},
        {"ISO VG 460", 0.93, 464.51141324220214},  {"ISO VG 680", 0.91, 728.3990939095777},
        {"ISO VG 1000", 0.88, 1044.2568968855933}, {"ISO VG 1500", 0.85, 1612.845016869052},
    };
    ASSERT_EQ(std::size(rows), OilGrades.size());
    for (std::size_t i = 0; i < OilGrades.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(OilGrades[i].Name, rows[i].name);
        EXPECT_NEAR(static_cast<double>(OilGrades[i].OilFactor), rows[i].oilFactor, 1e-15);
        EXPECT_NEAR(static_cast<double>(OilViscosity(OilGrades[i], 40)), rows[i].viscosityAt40,
                    rows[i].viscosityAt40 * 1e-13);
    }
    EXPECT_EQ(OilGrades[StandardOilGradeIndex].Name, "ISO VG 32");
    EXPECT_NEAR(static_cast<double>(OilViscosity(OilGrades[StandardOilGradeIndex], 40)), 33.4, 0.05);
}

TEST(OilGrades, AnIndexOutsideTheTableMeansTheStandardGrade)
{
    for (int index : {-1, 18, 1000, std::numeric_limits<int>::min()})
        EXPECT_EQ(&OilGradeAt(index), &OilGrades[StandardOilGradeIndex]) << index;
    EXPECT_EQ(&OilGradeAt(17), &OilGrades[17]);
    EXPECT_EQ(&OilGradeAt(0), &OilGrades[0]);
}

// ---------------------------------------------------------------------------
// The model against an mpmath evaluation at 40 digits

TEST(RateCooler, AgreesWithAHighPrecisionEvaluation)
{
    for (const auto& c : RatingReferenceCases) {
        SCOPED_TRACE(::testing::Message() << "oil flow " << static_cast<double>(c.In.OilFlow));
        const auto coefficients =
            Coefficients(c.In.FanAirFlow, c.In.HeatCoefA, c.In.HeatCoefB, c.In.HeatCoefC, c.In.PressLossCoef);
        const RatingDuty duty{c.In.OilFlow, c.In.OilInletTemp, c.In.AmbientTemp, c.In.Altitude, c.In.OilGrade};
        const CoolerRating r = RateCooler(coefficients, duty, c.In.FirstGuess);
        EXPECT_EQ(r.Passes, c.Out.Passes);
        EXPECT_TRUE(r.Converged);
        EXPECT_TRUE(NearUlps(r.HeatRejection, c.Out.HeatRejection, 8));
        EXPECT_TRUE(NearUlps(r.AirOutletTemp, c.Out.AirOutletTemp, 8, 273));
        EXPECT_TRUE(NearUlps(r.OilOutletTemp, c.Out.OilOutletTemp, 8, 273));
        EXPECT_TRUE(NearUlps(r.Viscosity, c.Out.Viscosity, 8));
        EXPECT_TRUE(NearUlps(r.PressLoss, c.Out.PressLoss, 8));
        EXPECT_TRUE(NearUlps(Temp5Bar(coefficients, c.In.OilFlow, c.In.OilGrade), c.Out.Temp5Bar, 8, 273));
        EXPECT_TRUE(NearUlps(BaseHeatEstimate(coefficients, duty), c.Out.BaseHeat, 8));
    }
}

// ---------------------------------------------------------------------------
// The model against a second, plain evaluation on many random coolers

struct PlainRating {
    long double heat, airOut, oilOut, viscosity, pressLoss, temp5Bar, viscosity5;
    int passes;
};

// Written straight from the equations, without guards, with the library's
// own power and square-root functions and decimal literals.
PlainRating PlainEvaluation(const CoolerCoefficients& c, const RatingDuty& d, long double guess)
{
    const OilGrade& g = OilGrades[static_cast<std::size_t>(d.OilGradeIndex)];
    const long double altitudeFactor = 1.0L - 6.8e-5L * d.Altitude;
    const long double oilMassFlow = d.OilFlow / 60.0L * 0.85L;
    long double airOut = d.AmbientTemp + guess / (1.32L * c.FanAirFlow);
    long double heat = 0, next = 0;
    int passes = 0;
    do {
        if (passes > 0)
            airOut = next;
        ++passes;
        const long double density = 1.226L * 1.00256L * expl(-0.000123L * d.Altitude) * 288.0L / (airOut + 273.0L);
        const long double airMassFlow = 1.1L * density * c.FanAirFlow;
        const long double k = g.OilFactor * altitudeFactor * (1.0675L - 1.5e-3L * airOut);
        heat = 1.1L * k * (c.HeatCoefA + c.HeatCoefB * (1.0L - expl(-d.OilFlow / c.HeatCoefC))) *
               (d.OilInletTemp - d.AmbientTemp);
        next = d.AmbientTemp + heat / airMassFlow;
    } while (fabsl(next - airOut) > 0.1L && passes < 1000);
    const long double oilOut = d.OilInletTemp - heat / (2.1L * oilMassFlow);
    const long double viscosity = expl(g.ViscA * expl(g.ViscC * oilOut));
    const long double pressLoss = powl(d.OilFlow, 1.1L) * c.PressLossCoef * sqrtl(viscosity / 30.0L);
    const long double needed = 5.0L / (powl(d.OilFlow, 1.1L) * c.PressLossCoef);
    const long double viscosity5 = 30.0L * needed * needed;
    const long double temp5 = logl(logl(viscosity5) / g.ViscA) / g.ViscC;
    return {heat, next, oilOut, viscosity, pressLoss, viscosity5 > 1 ? temp5 : 0.0L, viscosity5, passes};
}

TEST(RateCooler, AgreesWithAPlainEvaluationOnRandomCoolers)
{
    std::mt19937_64 random(20240611);
    auto uniform = [&](long double low, long double high) {
        return low + (high - low) * std::uniform_real_distribution<long double>(0, 1)(random);
    };
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const auto c = Coefficients(uniform(0.3L, 6), uniform(0.01L, 0.6L), uniform(0.05L, 2.5L), uniform(5, 400),
                                    uniform(1e-4L, 0.05L));
        const long double ambient = uniform(-40, 50);
        const RatingDuty duty{uniform(20, 500), uniform(ambient + 5.5L, 150), ambient, uniform(0, 4000),
                              static_cast<int>(random() % OilGradeCount)};
        const long double guess = uniform(0.1L, 300);
        const PlainRating plain = PlainEvaluation(c, duty, guess);
        const CoolerRating r = RateCooler(c, duty, guess);
        // A borderline convergence test may tip either way under rounding,
        // and a fan far too weak for its core never settles; such rare draws
        // are not compared.
        if (r.Passes != plain.passes || !r.Converged)
            continue;
        ++compared;
        SCOPED_TRACE(i);
        ASSERT_TRUE(NearUlps(r.HeatRejection, plain.heat, 16));
        ASSERT_TRUE(NearUlps(r.AirOutletTemp, plain.airOut, 16, 273));
        ASSERT_TRUE(NearUlps(r.OilOutletTemp, plain.oilOut, 16, 273));
        // exp(ViscA · exp(ViscC · T)) magnifies the last bits of T by about ln ν.
        const long double viscosityUlps = 16 * (1 + logl(plain.viscosity));
        ASSERT_TRUE(NearUlps(r.Viscosity, plain.viscosity, viscosityUlps));
        ASSERT_TRUE(NearUlps(r.PressLoss, plain.pressLoss, viscosityUlps));
        // ln(ln ν5): a viscosity for 5 bar near 1 cSt magnifies the last
        // bits of ν5 by 1 / (|ViscC| · ln ν5).
        const long double magnification =
            1 / (std::fabs(OilGrades[static_cast<std::size_t>(duty.OilGradeIndex)].ViscC) *
                 std::fabs(logl(plain.viscosity5)));
        ASSERT_TRUE(NearUlps(Temp5Bar(c, duty.OilFlow, duty.OilGradeIndex), plain.temp5Bar, 16,
                             std::max(273.0L, magnification)));
    }
    EXPECT_GT(compared, 19900);
}

// ---------------------------------------------------------------------------
// Behaviour of the model

const CoolerCoefficients TypicalCooler = {1.2L, 0.15L, 0.9L, 80, 0.004L};

TEST(RateCooler, NoTemperatureDifferenceRejectsNoHeat)
{
    const RatingDuty duty{100, 35, 35, 0, StandardOilGradeIndex};
    const CoolerRating r = RateCooler(TypicalCooler, duty, 20);
    EXPECT_EQ(r.HeatRejection, 0);
    EXPECT_EQ(r.AirOutletTemp, 35);
    EXPECT_EQ(r.OilOutletTemp, 35);
    EXPECT_TRUE(r.Converged);
}

TEST(RateCooler, AChangeOfExactlyTheLimitEndsTheIteration)
{
    // With no temperature difference the first pass returns to the ambient
    // temperature; the first guess decides the size of that step.
    const CoolerCoefficients fan = {1, 0.2L, 0.5L, 50, 0.01L};
    const long double airMass = 1.2L * fan.FanAirFlow * 1.1L;
    long double guess = 0.1L * airMass;
    while (guess / airMass < 0.1L)
        guess = std::nextafter(guess, 1.0L);
    while (guess / airMass > 0.1L)
        guess = std::nextafter(guess, 0.0L);
    ASSERT_EQ(guess / airMass, 0.1L);

    const RatingDuty duty{100, 0, 0, 0, StandardOilGradeIndex};
    EXPECT_EQ(RateCooler(fan, duty, guess).Passes, 1);  // |0 − 0.1| = 0.1 is not more than 0.1
    EXPECT_EQ(RateCooler(fan, duty, std::nextafter(guess, 1.0L)).Passes, 2);
}

TEST(RateCooler, AnIterationThatNeverSettlesStopsAtTheBound)
{
    // A fan this weak makes the air temperature map a logistic one whose
    // values jump between two points some hundred kelvin apart for ever.
    const CoolerCoefficients weakFan = {0.356L, 1, 0, 50, 0.01L};
    const RatingDuty duty{100, 0, -273, 0, StandardOilGradeIndex};
    const CoolerRating r = RateCooler(weakFan, duty, 10);
    EXPECT_EQ(r.Passes, MaxAirTempPasses);
    EXPECT_FALSE(r.Converged);
    // The values of the last pass are kept: a point of the cycle.
    EXPECT_GT(r.HeatRejection, 0);
    EXPECT_GT(r.AirOutletTemp, -273);
    EXPECT_LT(r.AirOutletTemp, 712);
}

TEST(RateCooler, GuardedStepsGiveZeroAndTheRatingGoesOn)
{
    const RatingDuty duty{100, 70, 30, 0, StandardOilGradeIndex};

    // No air flow: every division by the air mass flow faults.
    const CoolerRating noFan = RateCooler(CoolerCoefficients{0, 0.15L, 0.9L, 80, 0.004L}, duty, 20);
    EXPECT_EQ(noFan.AirOutletTemp, 0);
    EXPECT_GT(noFan.HeatRejection, 0);
    EXPECT_TRUE(std::isfinite(noFan.PressLoss));

    // No oil flow: the oil mass flow is 0, so the outlet temperature faults,
    // and so does the power 0^1.1 of the pressure loss.
    const CoolerRating noOil = RateCooler(TypicalCooler, RatingDuty{0, 70, 30, 0, StandardOilGradeIndex}, 20);
    EXPECT_EQ(noOil.OilOutletTemp, 0);
    EXPECT_EQ(noOil.PressLoss, 0);
    EXPECT_GT(noOil.HeatRejection, 0);

    // HeatCoefC 0 divides by zero inside the heat step: no heat at all.
    const CoolerRating noC = RateCooler(CoolerCoefficients{1.2L, 0.15L, 0.9L, 0, 0.004L}, duty, 20);
    EXPECT_EQ(noC.HeatRejection, 0);
    EXPECT_EQ(noC.AirOutletTemp, 30);
    EXPECT_EQ(noC.OilOutletTemp, 70);
}

TEST(RateCooler, HostileRecordValuesNeverGiveInfinityOrNaN)
{
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    constexpr long double huge = std::numeric_limits<long double>::max();
    constexpr long double tiny = std::numeric_limits<long double>::denorm_min();
    const long double values[] = {0, -1, inf, -inf, nan, huge, -huge, tiny, 1e-300L, 1e300L};
    const RatingDuty duties[] = {
        {100, 70, 30, 0, StandardOilGradeIndex}, {0, 70, 30, 0, 0},     {-50, 150, -40, 4000, 17},
        {500, -273, 50, -1e6L, 3},               {1e30L, 1e30L, -1e30L, 1e30L, 99},
    };
    for (long double v : values) {
        const CoolerCoefficients variants[] = {
            {v, 0.15L, 0.9L, 80, 0.004L}, {1.2L, v, 0.9L, 80, 0.004L}, {1.2L, 0.15L, v, 80, 0.004L},
            {1.2L, 0.15L, 0.9L, v, 0.004L}, {1.2L, 0.15L, 0.9L, 80, v}, {v, v, v, v, v},
        };
        for (const auto& c : variants) {
            for (const auto& d : duties) {
                for (long double guess : {20.0L, v}) {
                    const CoolerRating r = RateCooler(c, d, guess);
                    ASSERT_TRUE(std::isfinite(r.HeatRejection) && std::isfinite(r.AirOutletTemp) &&
                                std::isfinite(r.OilOutletTemp) && std::isfinite(r.Viscosity) &&
                                std::isfinite(r.PressLoss))
                        << static_cast<double>(v);
                    ASSERT_LE(r.Passes, MaxAirTempPasses);
                    ASSERT_TRUE(std::isfinite(Temp5Bar(c, d.OilFlow, d.OilGradeIndex)));
                    ASSERT_TRUE(std::isfinite(BaseHeatEstimate(c, d)));
                }
            }
        }
    }
}

TEST(Temp5Bar, IsTheTemperatureOfThirtyCentistokesWhenThatGivesFiveBar)
{
    const long double flow = 100;
    const CoolerCoefficients c = {1.2L, 0.15L, 0.9L, 80, 5 / powl(flow, 1.1L)};
    const long double t = Temp5Bar(c, flow, StandardOilGradeIndex);
    EXPECT_NEAR(static_cast<double>(OilViscosity(OilGrades[StandardOilGradeIndex], t)), 30.0, 1e-12);
    // Colder oil is thicker and costs more than 5 bar.
    const CoolerRating colder = RateCooler(c, RatingDuty{flow, t - 20, t - 30, 0, StandardOilGradeIndex}, 1);
    EXPECT_GT(colder.PressLoss, 5);
}

TEST(Temp5Bar, IsZeroWhereTheViscosityForFiveBarIsOneCentistokeOrLess)
{
    // Above about 27 bar at 30 cSt no viscosity above 1 cSt gives only 5 bar.
    const long double flow = 100;
    const long double lossAt30cSt = 30;
    const CoolerCoefficients c = {1.2L, 0.15L, 0.9L, 80, lossAt30cSt / powl(flow, 1.1L)};
    EXPECT_EQ(Temp5Bar(c, flow, StandardOilGradeIndex), 0);
    EXPECT_EQ(Temp5Bar(CoolerCoefficients{1.2L, 0.15L, 0.9L, 80, 0}, flow, StandardOilGradeIndex), 0);
    EXPECT_EQ(Temp5Bar(TypicalCooler, 0, StandardOilGradeIndex), 0);
}

TEST(RateCooler, ReadsTheCoefficientsOfTheRecord)
{
    tCoolType record;
    record.SetNumber(CoolerField::FanAirFlow, TypicalCooler.FanAirFlow);
    record.SetNumber(CoolerField::HeatCoefA, TypicalCooler.HeatCoefA);
    record.SetNumber(CoolerField::HeatCoefB, TypicalCooler.HeatCoefB);
    record.SetNumber(CoolerField::HeatCoefC, TypicalCooler.HeatCoefC);
    record.SetNumber(CoolerField::PressLossCoef, TypicalCooler.PressLossCoef);
    const RatingDuty duty{120, 70, 30, 300, 9};
    const CoolerRating fromRecord = RateCooler(record, duty, 25);
    const CoolerRating fromCoefficients = RateCooler(TypicalCooler, duty, 25);
    EXPECT_EQ(fromRecord.HeatRejection, fromCoefficients.HeatRejection);
    EXPECT_EQ(fromRecord.PressLoss, fromCoefficients.PressLoss);
    EXPECT_EQ(Temp5Bar(record, 120, 9), Temp5Bar(TypicalCooler, 120, 9));
}

}  // namespace
}  // namespace kr
