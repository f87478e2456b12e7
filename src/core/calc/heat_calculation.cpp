#include "core/calc/heat_calculation.h"

#include "core/common/delphi_format.h"
#include "core/common/number_text.h"
#include "core/common/units.h"

#include <array>
#include <optional>

namespace kr {

namespace {

// Into the unit the calculator computes in, and out of it again. Each pair is
// written as the two rounded constants it is made of; the one factor is the
// reciprocal of the other to their digits, so a unit changed there and back
// shows the number typed.
struct Factors {
    Extended IntoCalcUnit;
    Extended OutOfCalcUnit;
};

constexpr Extended PerThousand = 0.001L;
constexpr Extended Thousand = 1000.0L;

// UnitsDensity, into and out of kg/l.
constexpr std::array<Factors, 5> DensityFactors{{
    {PerThousand, Thousand},                                           // kg/m³
    {1.0L, 1.0L},                                                      // kg/l
    {16.017940092904052L * PerThousand, Thousand * 0.06243L},          // lb/ft³
    {27679.8985808516L * PerThousand, Thousand * 0.0000361273L},       // lb/in³: 1728 lb/ft³
    {Thousand * PerThousand, Thousand * PerThousand},                  // g/cm³
}};

// UnitsSpecificHeat, into and out of kJ/(kg·°C).
constexpr std::array<Factors, 2> SpecificHeatFactors{{
    {1.0L, 1.0L},                     // KJ/kg·°C
    {4.186728072011723L, 0.23885L},   // BTU/lb·°F
}};

// UnitsTime, into seconds.
constexpr std::array<Extended, 2> SecondsPerTimeUnit{60.0L, 1.0L};  // min, s

constexpr int ResultDecimals = 2;
constexpr int TransferDecimals = 1;
// A re-expressed density or specific heat keeps every digit a double holds.
constexpr std::string_view ReexpressedPattern = "%.15g";

constexpr Extended EmptyMeansZero = 0;
constexpr Extended EmptyTimeMeansOne = 1;

bool InList(std::size_t listSize, int unit)
{
    return unit >= 0 && unit < static_cast<int>(listSize);
}

Extended ConvertByFactors(std::span<const Factors> factors, int fromUnit, int toUnit, Extended value)
{
    if (!InList(factors.size(), fromUnit) || !InList(factors.size(), toUnit))
        return 0;
    return value * factors[static_cast<std::size_t>(fromUnit)].IntoCalcUnit *
           factors[static_cast<std::size_t>(toUnit)].OutOfCalcUnit;
}

// The entry's number when its unit is one of the list, else nothing.
std::optional<Extended> ReadEntry(const MeasuredEntry& entry, UnitNames units, Extended defaultValue,
                                  char decimalSeparator)
{
    if (!InList(units.size(), entry.Unit))
        return std::nullopt;
    return TextToNumber(entry.Text, defaultValue, decimalSeparator);
}

Extended VolumeLitres(const MeasuredEntry& entry, char separator)
{
    const auto value = ReadEntry(entry, UnitsVolume, EmptyMeansZero, separator);
    return value ? ConvertVolume(entry.Unit, 0, *value) : 0;
}

Extended DensityKgPerLitre(const MeasuredEntry& entry, char separator)
{
    const auto value = ReadEntry(entry, UnitsDensity, EmptyMeansZero, separator);
    return value ? ConvertDensity(entry.Unit, KgPerLitreUnit, *value) : 0;
}

Extended SpecificHeatKj(const MeasuredEntry& entry, char separator)
{
    const auto value = ReadEntry(entry, UnitsSpecificHeat, EmptyMeansZero, separator);
    return value ? ConvertSpecificHeat(entry.Unit, KjPerKgCelsiusUnit, *value) : 0;
}

Extended TemperatureCelsius(const MeasuredEntry& entry, char separator)
{
    const auto value = ReadEntry(entry, UnitsTemperature, EmptyMeansZero, separator);
    return value ? ConvertTemperature(entry.Unit, 0, *value) : 0;
}

Extended TimeSeconds(const MeasuredEntry& entry, char separator)
{
    const auto value = ReadEntry(entry, UnitsTime, EmptyTimeMeansOne, separator);
    const Extended seconds = value ? *value * SecondsPerTimeUnit[static_cast<std::size_t>(entry.Unit)]
                                   : EmptyTimeMeansOne;
    return seconds == 0 ? ZeroTimeSeconds : seconds;
}

}  // namespace

Extended HeatRejectionKw(const WarmUpMeasurement& m, char decimalSeparator)
{
    const Extended volume = VolumeLitres(m.OilVolume, decimalSeparator);
    const Extended density = DensityKgPerLitre(m.Density, decimalSeparator);
    const Extended specificHeat = SpecificHeatKj(m.SpecificHeat, decimalSeparator);
    const Extended initial = TemperatureCelsius(m.InitialTemperature, decimalSeparator);
    const Extended obtained = TemperatureCelsius(m.ObtainedTemperature, decimalSeparator);
    const Extended seconds = TimeSeconds(m.TimeInterval, decimalSeparator);
    return volume * density * specificHeat * (obtained - initial) / seconds;
}

Extended ConvertDensity(int fromUnit, int toUnit, Extended value)
{
    return ConvertByFactors(DensityFactors, fromUnit, toUnit, value);
}

Extended ConvertSpecificHeat(int fromUnit, int toUnit, Extended value)
{
    return ConvertByFactors(SpecificHeatFactors, fromUnit, toUnit, value);
}

HeatCalculator::HeatCalculator(char decimalSeparator) : decimalSeparator_(decimalSeparator)
{
    Reset();
}

void HeatCalculator::Reset()
{
    resultKw_ = 0;
    density_ = {KgPerLitreUnit, DefaultDensity};
    specificHeat_ = {KjPerKgCelsiusUnit, DefaultSpecificHeat};
}

std::string HeatCalculator::NumberText(Extended value) const
{
    return Format(ReexpressedPattern, {value}, {decimalSeparator_, '\0'});
}

std::string HeatCalculator::DefaultDensityText() const
{
    return NumberText(DefaultDensity);
}

std::string HeatCalculator::DefaultSpecificHeatText() const
{
    return NumberText(DefaultSpecificHeat);
}

void HeatCalculator::DensityTextChanged(std::string_view text)
{
    density_.Value = TextToNumber(text, EmptyMeansZero, decimalSeparator_);
}

void HeatCalculator::SpecificHeatTextChanged(std::string_view text)
{
    specificHeat_.Value = TextToNumber(text, EmptyMeansZero, decimalSeparator_);
}

std::string HeatCalculator::DensityUnitChanged(int unit)
{
    density_.Value = ConvertDensity(density_.Unit, unit, density_.Value);
    density_.Unit = unit;
    return NumberText(density_.Value);
}

std::string HeatCalculator::SpecificHeatUnitChanged(int unit)
{
    specificHeat_.Value = ConvertSpecificHeat(specificHeat_.Unit, unit, specificHeat_.Value);
    specificHeat_.Unit = unit;
    return NumberText(specificHeat_.Value);
}

std::string HeatCalculator::Calculate(const WarmUpMeasurement& measurement, int powerUnit)
{
    resultKw_ = HeatRejectionKw(measurement, decimalSeparator_);
    return ResultText(powerUnit);
}

std::string HeatCalculator::ResultText(int powerUnit) const
{
    return FormatFixed(ConvertPower(0, powerUnit, resultKw_), ResultDecimals, decimalSeparator_);
}

HeatTransfer HeatCalculator::Transfer(std::string_view resultText, int powerUnit) const
{
    const Extended shown = TextToNumber(resultText, EmptyMeansZero, decimalSeparator_);
    return {FormatFixed(shown, TransferDecimals, decimalSeparator_), powerUnit};
}

}  // namespace kr
