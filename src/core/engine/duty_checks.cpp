#include "core/engine/duty_checks.h"

#include "core/common/number_text.h"
#include "core/common/units.h"

namespace kr {

namespace {

using Converter = Extended (*)(int, int, Extended);

// A typed entry in internal units; an empty or unreadable text is 0.
Extended InternalValue(const std::string& text, int unit, Converter convert, char decimalSeparator)
{
    return convert(unit, 0, TextToNumber(text, 0, decimalSeparator));
}

// A limit as the user sees it: in the unit of the field, with its unit text.
struct ShownLimit {
    Converter Convert;
    UnitNames Units;
    int Unit;

    FormatArg Value(Extended limit) const { return FormatArg(Convert(0, Unit, limit)); }
    // A temperature difference, not a temperature: 5 K is 9 °F, not 41.
    FormatArg Difference(Extended difference) const
    {
        return FormatArg(Convert(0, Unit, difference) - Convert(0, Unit, 0));
    }
    FormatArg Name() const { return FormatArg(UnitName(Units, Unit)); }
};

// When the oil inlet and ambient temperatures are equal, the ratio of heat
// to temperature difference is taken with this inlet temperature instead;
// the temperature-difference message has been given already.
constexpr Extended InletTempForNoDifference = 0.1L;

void CheckOilFlow(bool isKrc, Extended oilFlow, const ShownLimit& shown, ErrorList& errors)
{
    if ((oilFlow < DutyLimit::MinOilFlow || oilFlow > DutyLimit::MaxOilFlow) && !isKrc)
        errors.Add(keys::ErrorLowOilflow, {shown.Value(DutyLimit::MinOilFlow), shown.Name(),
                                           shown.Value(DutyLimit::MaxOilFlow), shown.Name()});
}

void CheckTemperatures(Extended ambient, Extended inlet, const ShownLimit& ambientShown, const ShownLimit& inletShown,
                       ErrorList& errors)
{
    if (ambient < DutyLimit::MinAmbientTemp)
        errors.Add(keys::ErrorLowAirtemp, {ambientShown.Value(DutyLimit::MinAmbientTemp), ambientShown.Name()});
    if (ambient > DutyLimit::MaxAmbientTemp)
        errors.Add(keys::ErrorHighAirtemp, {ambientShown.Value(DutyLimit::MaxAmbientTemp), ambientShown.Name()});
    if (inlet < DutyLimit::MinOilTemp)
        errors.Add(keys::ErrorLowOiltemp, {inletShown.Value(DutyLimit::MinOilTemp), inletShown.Name()});
    if (inlet > DutyLimit::MaxOilTemp)
        errors.Add(keys::ErrorHighOiltemp, {inletShown.Value(DutyLimit::MaxOilTemp), inletShown.Name()});
    if (inlet - ambient <= DutyLimit::MinTempDifference)
        errors.Add(keys::ErrorTempDif, {inletShown.Difference(DutyLimit::MinTempDifference), inletShown.Name()});
}

void CheckAltitude(Extended altitude, const ShownLimit& shown, ErrorList& errors)
{
    if (altitude < DutyLimit::MinAltitude || altitude > DutyLimit::MaxAltitude)
        errors.Add(keys::ErrorHeight, {shown.Value(DutyLimit::MinAltitude), shown.Name(),
                                       shown.Value(DutyLimit::MaxAltitude), shown.Name()});
}

}  // namespace

std::string CalculationDriveKey(DriveChoice drive, int motorVoltageIndex)
{
    switch (drive) {
    case DriveChoice::ACDC:
        switch (motorVoltageIndex) {
        case 0: return std::string(DriveKey::AC400);
        case 1: return std::string(DriveKey::DC12);
        case 2: return std::string(DriveKey::DC24);
        default: return {};
        }
    case DriveChoice::Hydraulic: return std::string(DriveKey::Hydraulic);
    case DriveChoice::KRC: return std::string(DriveKey::KRC);
    case DriveChoice::None: break;
    }
    return {};
}

DutyCheck CheckCalculationInput(const CalculationInput& input, ErrorList& errors)
{
    const char separator = errors.Settings().DecimalSeparator;
    const bool isKrc = input.Drive == DriveChoice::KRC;

    DutyCheck check;
    DutyValues& duty = check.Duty;
    duty.RequiredHeat = InternalValue(input.HeatReject, input.HeatRejectUnit, ConvertPower, separator);
    duty.OilFlow = InternalValue(input.OilFlow, input.OilFlowUnit, ConvertOilFlow, separator);
    duty.AmbientTemp = InternalValue(input.AmbientTemp, input.AmbientTempUnit, ConvertTemperature, separator);
    duty.OilInletTemp = InternalValue(input.InletTemp, input.InletTempUnit, ConvertTemperature, separator);
    duty.MaxPressLoss = InternalValue(input.MaxLoss, input.MaxLossUnit, ConvertPressure, separator);
    duty.Altitude = InternalValue(input.Altitude, input.AltitudeUnit, ConvertLength, separator);
    duty.OilTypeIndex = ValidOilGradeIndex(input.OilTypeIndex);

    if (input.Drive == DriveChoice::None)
        errors.Add(keys::NoMotortype);
    if (input.HeatReject.empty())
        errors.Add(keys::ErrorEmptyHeatRejection);
    if (!isKrc && input.OilFlow.empty())
        errors.Add(keys::ErrorEmptyOilflow);
    if (input.AmbientTemp.empty())
        errors.Add(keys::ErrorEmptyAmbient);
    if (input.InletTemp.empty())
        errors.Add(keys::ErrorEmptyOiltemp);
    if (!isKrc && input.MaxLoss.empty())
        errors.Add(keys::ErrorEmptyMaxpressloss);
    if (input.Altitude.empty())
        errors.Add(keys::ErrorEmptyAltitude);

    CheckOilFlow(isKrc, duty.OilFlow, {ConvertOilFlow, UnitsOilFlow, input.OilFlowUnit}, errors);
    CheckTemperatures(duty.AmbientTemp, duty.OilInletTemp,
                      {ConvertTemperature, UnitsTemperature, input.AmbientTempUnit},
                      {ConvertTemperature, UnitsTemperature, input.InletTempUnit}, errors);
    if (duty.MaxPressLoss > DutyLimit::MaxPressLoss) {
        const ShownLimit shown{ConvertPressure, UnitsPressure, input.MaxLossUnit};
        errors.Add(keys::ErrorPressloss, {shown.Value(DutyLimit::MaxPressLoss), shown.Name()});
    }
    CheckAltitude(duty.Altitude, {ConvertLength, UnitsLength, input.AltitudeUnit}, errors);

    if (duty.OilInletTemp - duty.AmbientTemp == 0)
        duty.OilInletTemp = InletTempForNoDifference;
    const Extended difference = duty.OilInletTemp - duty.AmbientTemp;
    // An ambient of exactly 0.1 °C leaves no difference even then; the
    // search fails on the temperature difference anyway, and no division by
    // zero is made.
    duty.RequiredKWperK = difference == 0 ? 0 : duty.RequiredHeat / difference;
    if (duty.RequiredKWperK > DutyLimit::MaxKWperK)
        errors.Add(keys::ErrorKwc);

    check.DriveKey = CalculationDriveKey(input.Drive, input.MotorVoltageIndex);
    return check;
}

DutyValues CheckKnownInput(const KnownInput& input, ErrorList& errors)
{
    const char separator = errors.Settings().DecimalSeparator;
    const bool isKrc = input.Drive == DriveChoice::KRC;

    DutyValues duty;
    duty.OilFlow = InternalValue(input.OilFlow, input.OilFlowUnit, ConvertOilFlow, separator);
    duty.AmbientTemp = InternalValue(input.AmbientTemp, input.AmbientTempUnit, ConvertTemperature, separator);
    duty.OilInletTemp = InternalValue(input.InletTemp, input.InletTempUnit, ConvertTemperature, separator);
    duty.Altitude = InternalValue(input.Altitude, input.AltitudeUnit, ConvertLength, separator);
    duty.OilTypeIndex = ValidOilGradeIndex(input.OilTypeIndex);

    if (input.Drive == DriveChoice::None)
        errors.Add(keys::NoMotortype);
    if (!isKrc && input.OilFlow.empty())
        errors.Add(keys::ErrorEmptyOilflow);
    if (input.AmbientTemp.empty())
        errors.Add(keys::ErrorEmptyAmbient);
    if (input.InletTemp.empty())
        errors.Add(keys::ErrorEmptyOiltemp);
    if (input.Altitude.empty())
        errors.Add(keys::ErrorEmptyAltitude);

    CheckOilFlow(isKrc, duty.OilFlow, {ConvertOilFlow, UnitsOilFlow, input.OilFlowUnit}, errors);
    CheckTemperatures(duty.AmbientTemp, duty.OilInletTemp,
                      {ConvertTemperature, UnitsTemperature, input.AmbientTempUnit},
                      {ConvertTemperature, UnitsTemperature, input.InletTempUnit}, errors);
    CheckAltitude(duty.Altitude, {ConvertLength, UnitsLength, input.AltitudeUnit}, errors);
    return duty;
}

}  // namespace kr
