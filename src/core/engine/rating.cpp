#include "core/engine/rating.h"

#include "core/engine/oil_grades.h"

#include <cmath>

namespace kr {

namespace {

// The powers of ten of the model are formed at run time, as the model
// defines them; they equal the correctly rounded constants.
const Extended TenToMinus5 = std::pow(10.0L, -5.0L);
const Extended TenToMinus3 = std::pow(10.0L, -3.0L);

constexpr Extended InitialAirDensity = 1.2L;         // kg/m³, first guess only
constexpr Extended ReferenceAirDensity = 1.226L;     // kg/m³ at 15 °C and sea level
constexpr Extended DensityAltitudeScale = 1.00256L;  // · e^(−0.000123·h)
constexpr Extended DensityAltitudeRate = -0.000123L;
constexpr Extended ReferenceTemperature = 288;       // K
constexpr Extended CelsiusToKelvin = 273;
constexpr Extended AirMassFactor = 1.1L;
constexpr Extended AirSpecificHeat = 1.0L;           // kJ/(kg·K)
constexpr Extended MinutesPerSecond = 1.0L / 60;
constexpr Extended OilDensity = 0.85L;               // kg/l
constexpr Extended OilSpecificHeat = 2.1L;           // kJ/(kg·K)
constexpr Extended HeatRejectionFactor = 1.1L;
constexpr Extended AltitudeCoefficient = -6.8L;      // · 10⁻⁵ per m
constexpr Extended AirTempFactorBase = 1.0675L;
constexpr Extended AirTempCoefficient = -1.5L;       // · 10⁻³ per °C
constexpr Extended ConvergenceLimit = 0.1L;          // K
constexpr Extended ReferenceViscosity = 30;          // cSt of PressLossCoef
constexpr Extended FlowExponent = 1.1L;
constexpr Extended ViscosityExponent = 0.5L;
constexpr Extended Temp5BarPressure = 5;             // bar

// A part of a step that does not change from pass to pass of the iteration,
// worked out once: its value and whether working it out faulted.
struct Part {
    Extended Value = 0;
    bool Fault = false;
};

// The guard of one step: the step's result is 0 when it divided by zero (or
// by a divisor that had overflowed), took the logarithm of a value that is
// not positive, or produced a value that is not finite. A faulting operation
// is not carried out, so no infinity or NaN travels on.
class Step {
public:
    Extended Finite(Extended x)
    {
        if (!std::isfinite(x))
            fault_ = true;
        return x;
    }
    Extended Div(Extended dividend, Extended divisor)
    {
        if (divisor == 0 || !std::isfinite(divisor)) {
            fault_ = true;
            return 0;
        }
        return Finite(dividend / divisor);
    }
    Extended Ln(Extended x)
    {
        if (!(x > 0)) {
            fault_ = true;
            return 0;
        }
        return Finite(std::log(x));
    }
    Extended Exp(Extended x) { return Finite(std::exp(x)); }
    // A general real power: exp(exponent · ln base).
    Extended Pow(Extended base, Extended exponent) { return Exp(exponent * Ln(base)); }

    // A part worked out before the step, carrying its own fault into it.
    Extended Use(const Part& part)
    {
        if (part.Fault)
            fault_ = true;
        return part.Value;
    }

    Extended Result(Extended x) const { return fault_ || !std::isfinite(x) ? 0 : x; }
    bool Faulted() const { return fault_; }

private:
    bool fault_ = false;
};

template <class Formula>
Extended Guarded(Formula formula)
{
    Step step;
    const Extended value = formula(step);
    return step.Result(value);
}

template <class Formula>
Part GuardedPart(Formula formula)
{
    Step step;
    const Extended value = formula(step);
    return {value, step.Faulted() || !std::isfinite(value)};
}

Extended AltitudeFactor(Extended altitude)
{
    return Guarded([&](Step&) { return 1 + AltitudeCoefficient * TenToMinus5 * altitude; });
}

// (HeatCoefA + HeatCoefB · (1 − e^(−V/HeatCoefC))): the core's heat transfer
// per kelvin before the oil, altitude and air-temperature factors.
Extended CoreTransfer(Step& step, const CoolerCoefficients& cooler, Extended oilFlow)
{
    return cooler.HeatCoefA + cooler.HeatCoefB * (1 - step.Exp(-step.Div(oilFlow, cooler.HeatCoefC)));
}

bool AirTempSettled(Extended previous, Extended next) { return !(std::fabs(next - previous) > ConvergenceLimit); }

}  // namespace

CoolerCoefficients CoefficientsOf(const tCoolType& cooler)
{
    return {cooler.FanAirFlow(), cooler.HeatCoefA(), cooler.HeatCoefB(), cooler.HeatCoefC(), cooler.PressLossCoef()};
}

CoolerRating RateCooler(const CoolerCoefficients& cooler, const RatingDuty& duty, Extended qGuess)
{
    const OilGrade& grade = OilGradeAt(duty.OilGradeIndex);
    const Extended oilFlow = duty.OilFlow;
    const Extended oilInlet = duty.OilInletTemp;
    const Extended ambient = duty.AmbientTemp;
    const Extended altitude = duty.Altitude;

    const Extended altFactor = AltitudeFactor(altitude);
    Extended airMass = Guarded([&](Step&) { return InitialAirDensity * cooler.FanAirFlow * AirMassFactor; });
    const Extended oilMass = Guarded([&](Step&) { return oilFlow * MinutesPerSecond * OilDensity; });
    Extended airOutlet = Guarded([&](Step& s) { return ambient + s.Div(qGuess, airMass * AirSpecificHeat); });

    // The parts of the density and heat steps that the air temperature does
    // not change; the exponentials are the expensive operations of a pass.
    const Part densityAtReference = GuardedPart([&](Step& s) {
        return ReferenceAirDensity * (DensityAltitudeScale * s.Exp(DensityAltitudeRate * altitude)) *
               ReferenceTemperature;
    });
    const Part coreTransfer = GuardedPart([&](Step& s) { return CoreTransfer(s, cooler, oilFlow); });

    CoolerRating rating;
    Extended heat = 0;
    Extended newAirOutlet = airOutlet;
    for (;;) {
        ++rating.Passes;
        const Extended density =
            Guarded([&](Step& s) { return s.Div(s.Use(densityAtReference), airOutlet + CelsiusToKelvin); });
        airMass = Guarded([&](Step&) { return density * cooler.FanAirFlow * AirMassFactor; });
        const Extended airTempFactor =
            Guarded([&](Step&) { return AirTempFactorBase + AirTempCoefficient * TenToMinus3 * airOutlet; });
        heat = Guarded([&](Step& s) {
            const Extended k = grade.OilFactor * altFactor * airTempFactor;
            return s.Use(coreTransfer) * k * HeatRejectionFactor * (oilInlet - ambient);
        });
        newAirOutlet = Guarded([&](Step& s) { return ambient + s.Div(heat, airMass * AirSpecificHeat); });
        if (AirTempSettled(airOutlet, newAirOutlet)) {
            rating.Converged = true;
            break;
        }
        if (rating.Passes >= MaxAirTempPasses)
            break;
        airOutlet = newAirOutlet;
    }
    rating.HeatRejection = heat;
    rating.AirOutletTemp = newAirOutlet;

    rating.OilOutletTemp = Guarded([&](Step& s) { return oilInlet - s.Div(heat, s.Finite(oilMass * OilSpecificHeat)); });
    rating.Viscosity = Guarded([&](Step& s) { return s.Exp(grade.ViscA * s.Exp(grade.ViscC * rating.OilOutletTemp)); });
    const Extended viscosityRoot =
        Guarded([&](Step& s) { return s.Pow(rating.Viscosity / ReferenceViscosity, ViscosityExponent); });
    rating.PressLoss = Guarded(
        [&](Step& s) { return s.Pow(oilFlow, FlowExponent) * (cooler.PressLossCoef * viscosityRoot); });
    return rating;
}

CoolerRating RateCooler(const tCoolType& cooler, const RatingDuty& duty, Extended qGuess)
{
    return RateCooler(CoefficientsOf(cooler), duty, qGuess);
}

Extended Temp5Bar(const CoolerCoefficients& cooler, Extended oilFlow, int oilGradeIndex)
{
    const OilGrade& grade = OilGradeAt(oilGradeIndex);
    const Extended viscosityAt5Bar = Guarded([&](Step& s) {
        const Extended ratio = s.Div(Temp5BarPressure, s.Pow(oilFlow, FlowExponent) * cooler.PressLossCoef);
        return ReferenceViscosity * (ratio * ratio);
    });
    return Guarded([&](Step& s) { return s.Ln(s.Div(s.Ln(viscosityAt5Bar), grade.ViscA)) * (1 / grade.ViscC); });
}

Extended Temp5Bar(const tCoolType& cooler, Extended oilFlow, int oilGradeIndex)
{
    return Temp5Bar(CoefficientsOf(cooler), oilFlow, oilGradeIndex);
}

Extended BaseHeatEstimate(const CoolerCoefficients& cooler, const RatingDuty& duty)
{
    const OilGrade& grade = OilGradeAt(duty.OilGradeIndex);
    const Extended altFactor = AltitudeFactor(duty.Altitude);
    return Guarded([&](Step& s) {
        return CoreTransfer(s, cooler, duty.OilFlow) * grade.OilFactor * altFactor *
               (duty.OilInletTemp - duty.AmbientTemp);
    });
}

}  // namespace kr
