#pragma once

#include "core/common/extended.h"

#include <string>
#include <string_view>

namespace kr {

// The heat-rejection calculator: a hydraulic system run without cooling warms
// its oil; the heat that a cooler would have to take away is the heat the oil
// took up over the time measured. Inputs are read from the texts the user
// typed, each with the index of the unit chosen beside it.

// Unit indices of the calculator's lists (UnitsDensity, UnitsSpecificHeat,
// UnitsTime) that the dialog opens with.
inline constexpr int KgPerLitreUnit = 1;  // the density's default and the unit it computes in
inline constexpr int KjPerKgCelsiusUnit = 0;
inline constexpr int MinutesUnit = 0;

// The values the density and specific-heat fields open with: a mineral oil.
inline constexpr Extended DefaultDensity = 0.85L;      // kg/l
inline constexpr Extended DefaultSpecificHeat = 2.1L;  // kJ/(kg·°C)

// A time interval of exactly zero seconds becomes this, so that the division
// gives a (huge) number instead of a fault.
inline constexpr Extended ZeroTimeSeconds = 1e-07L;

struct MeasuredEntry {
    std::string Text;
    int Unit = 0;
};

// The measurement as the user typed it.
struct WarmUpMeasurement {
    MeasuredEntry OilVolume;              // UnitsVolume
    MeasuredEntry Density;                // UnitsDensity
    MeasuredEntry SpecificHeat;           // UnitsSpecificHeat
    MeasuredEntry InitialTemperature;     // UnitsTemperature
    MeasuredEntry ObtainedTemperature;    // UnitsTemperature
    MeasuredEntry TimeInterval;           // UnitsTime
};

// V × ρ × c × (T2 − T1) / t in kW: oil volume in litres, density in kg/l,
// specific heat in kJ/(kg·°C), temperatures in °C and time in seconds. An
// empty or unreadable entry counts as 0, the time as 1 of its unit; a unit
// index outside its list makes the quantity 0, the time 1 s. A fall in
// temperature gives a negative heat rejection.
Extended HeatRejectionKw(const WarmUpMeasurement& measurement, char decimalSeparator);

// Density and specific heat in another unit of their lists. The calculator
// reads density in kg/l and specific heat in kJ/(kg·°C); a value goes through
// that unit. An index outside the list gives 0.
Extended ConvertDensity(int fromUnit, int toUnit, Extended value);
Extended ConvertSpecificHeat(int fromUnit, int toUnit, Extended value);

// What the calculator's transfer writes into the duty input.
struct HeatTransfer {
    std::string HeatText;  // one decimal, the locale's decimal separator
    int HeatUnit = 0;      // index into UnitsPower, the same list as the duty input's
};

// The state of the calculator dialog between its events: the last result and
// the density and specific heat, each in the unit its field is expressed in,
// so that a change of that unit re-expresses the field's number.
class HeatCalculator {
public:
    explicit HeatCalculator(char decimalSeparator);

    // The opening values: the result 0, density and specific heat at their
    // defaults in their default units.
    void Reset();

    // The texts the density and specific-heat fields hold after a reset.
    std::string DefaultDensityText() const;
    std::string DefaultSpecificHeatText() const;

    // The field was edited: its number, read as the calculation reads it.
    void DensityTextChanged(std::string_view text);
    void SpecificHeatTextChanged(std::string_view text);

    // The unit was changed: the number in the new unit, as the field's new
    // text ("%.15g", so that the converted value keeps its digits).
    std::string DensityUnitChanged(int unit);
    std::string SpecificHeatUnitChanged(int unit);

    // Calculates and returns the result field's text in the power unit.
    std::string Calculate(const WarmUpMeasurement& measurement, int powerUnit);
    // The stored result in another power unit, without calculating again.
    std::string ResultText(int powerUnit) const;

    // What the transfer writes: the result field's text read back and shown
    // with one decimal, in the unit of the result.
    HeatTransfer Transfer(std::string_view resultText, int powerUnit) const;

private:
    // A field re-expressed when its unit changes.
    struct Reexpressed {
        int Unit = 0;
        Extended Value = 0;
    };

    std::string NumberText(Extended value) const;

    char decimalSeparator_;
    Extended resultKw_ = 0;
    Reexpressed density_;
    Reexpressed specificHeat_;
};

}  // namespace kr
