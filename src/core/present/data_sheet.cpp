#include "core/present/data_sheet.h"

#include "core/common/number_text.h"
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "core/quote/quotation.h"

#include <charconv>

namespace kr {

namespace {

constexpr std::string_view HydraulicMotorKind = "HYD";
constexpr std::string_view DC12MotorKind = "12";
constexpr std::string_view DC24MotorKind = "24";

// The sheet states the air flow 10 % above the record's fan air flow.
constexpr Extended AirFlowAllowance = 1.1L;
// Fan motors are made for air up to this temperature (°C); hotter air outlet is noted.
constexpr Extended OutletTempLimit = 70.0L;
// Every cooler is built for this working pressure, in bar.
constexpr Extended MaxWorkingPressureBar = 20.0L;

constexpr int ValueDecimals = 1;
constexpr int MotorPowerDecimals = 2;
constexpr std::string_view WholeNumberPattern = "%d";
constexpr std::string_view PricePattern = "%.2f";

constexpr std::string_view SoundUnit = "dB(A)";
constexpr std::string_view DisplacementUnit = "ccm/rev";
constexpr std::string_view DCVoltageUnit = "V DC";
constexpr std::string_view ACVoltageUnit = "V AC";
constexpr std::string_view CurrentUnit = "A";
constexpr std::string_view PolesUnit = "Pole";
constexpr std::string_view FanSpeedUnit = "rev/min";

// Builds the entries in order; holds what every line needs.
class SheetWriter {
public:
    SheetWriter(const LanguageTable& language, const FormatSettings& settings, const NoteWrap& wrap)
        : language_(language), settings_(settings), wrap_(wrap)
    {
    }

    std::string Text(const TextKey& key) const { return language_.Lookup(key.Key); }

    std::string Formatted(std::string_view pattern, std::initializer_list<FormatArg> args) const
    {
        return Format(pattern, args, settings_);
    }

    // One decimal below 100, none from 100 up.
    std::string Value(Extended value) const
    {
        return FormatValue(ValueDecimals, 0, false, value, false, settings_.DecimalSeparator);
    }

    std::string FixedValue(Extended value, int decimals) const
    {
        return FormatValue(decimals, 0, true, value, false, settings_.DecimalSeparator);
    }

    void Blank() { sheet_.push_back({}); }

    // The next entry opens a section under this title.
    void Section(const TextKey& title) { pendingTitle_ = Text(title); }

    void Entry(SheetLine line, std::string label, std::string value, std::string_view unit,
               std::optional<Extended> number)
    {
        SheetEntry entry;
        entry.Shape = pendingTitle_ ? SheetShape::Section : SheetShape::Item;
        entry.Line = line;
        entry.Title = pendingTitle_.value_or(std::string());
        entry.Label = std::move(label);
        entry.Value = std::move(value);
        entry.Unit = std::string(unit);
        entry.Number = number;
        pendingTitle_.reset();
        sheet_.push_back(std::move(entry));
    }

    // A number in the display unit, written with one decimal below 100.
    void Number(SheetLine line, const TextKey& key, Extended shown, std::string_view unit)
    {
        Entry(line, Text(key), Value(shown), unit, shown);
    }

    void WholeNumber(SheetLine line, const TextKey& key, std::int32_t number, std::string_view unit)
    {
        Entry(line, Text(key), Formatted(WholeNumberPattern, {number}), unit, static_cast<Extended>(number));
    }

    void Note(SheetLine line, const std::string& text)
    {
        if (!wrap_.Measure) {
            sheet_.push_back({SheetShape::Note, line, {}, text, {}, {}, {}});
            return;
        }
        for (std::string& piece : WrapTextToWidth(text, wrap_.MaxWidth, wrap_.Measure))
            sheet_.push_back({SheetShape::Note, line, {}, std::move(piece), {}, {}, {}});
    }

    DataSheet Take() { return std::move(sheet_); }

private:
    const LanguageTable& language_;
    const FormatSettings& settings_;
    const NoteWrap& wrap_;
    std::optional<std::string> pendingTitle_;
    DataSheet sheet_;
};

// The displacement is a whole number of ccm/rev; the record holds it as text.
std::optional<Extended> WholeNumberIn(std::string_view text)
{
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return static_cast<Extended>(number);
}

void WriteHeat(SheetWriter& out, const tCoolType& cooler)
{
    const std::string_view heatUnit = UnitName(UnitsPower, cooler.HeatUnit);
    if (cooler.FromDutyTab)
        out.Number(SheetLine::HeatRequired, keys::TotalHeatRejectionRequired, cooler.HeatTyped, heatUnit);
    out.Number(SheetLine::HeatActual, keys::TotalHeatRejectionActual,
               ConvertPower(0, cooler.HeatUnit, cooler.HeatRejection), heatUnit);
}

void WriteOil(SheetWriter& out, const tCoolType& cooler, const DataSheetOptions& options)
{
    out.Section(keys::OilData);
    out.Entry(SheetLine::OilType, out.Text(keys::OilType), cooler.OilTypeText, {}, std::nullopt);
    out.Number(SheetLine::OilFlow, keys::OilFlow, ConvertOilFlow(0, cooler.OilFlowUnit, cooler.OilFlow),
               UnitName(UnitsOilFlow, cooler.OilFlowUnit));
    const std::string_view tempUnit = UnitName(UnitsTemperature, cooler.InletTempUnit);
    auto oilTemp = [&](Extended celsius) { return ConvertTemperature(0, cooler.InletTempUnit, celsius); };
    out.Number(SheetLine::OilInletTemp, keys::OilInletTemperature, oilTemp(cooler.OilInletTemp), tempUnit);
    out.Number(SheetLine::OilOutletTemp, keys::OilOutletTemperature, oilTemp(cooler.OilOutletTemp), tempUnit);
    out.Number(SheetLine::ThermoBypass, keys::UseThermoBypass, oilTemp(cooler.Temp5Bar), tempUnit);
    const Extended pressLoss = ConvertPressure(0, options.PressureUnit, cooler.PressLoss);
    out.Entry(SheetLine::PressureDrop, out.Formatted(out.Text(keys::PressureDrop), {cooler.Viscosity}),
              out.Value(pressLoss), UnitName(UnitsPressure, options.PressureUnit), pressLoss);
    if (options.Krc)
        out.Note(SheetLine::MaximumViscosityNote, out.Text(keys::MaximumCSt));
}

void WriteAir(SheetWriter& out, const tCoolType& cooler, const DataSheetOptions& options)
{
    out.Section(keys::AirData);
    out.Number(SheetLine::AirFlow, keys::AirFlow,
               ConvertAirFlow(0, options.AirFlowUnit, cooler.FanAirFlow() * AirFlowAllowance),
               UnitName(UnitsAirFlow, options.AirFlowUnit));
    const std::string_view ambientUnit = UnitName(UnitsTemperature, cooler.AmbientUnit);
    out.Number(SheetLine::AmbientTemp, keys::AmbientTemperature,
               ConvertTemperature(0, cooler.AmbientUnit, cooler.AmbientTemp), ambientUnit);
    out.Number(SheetLine::Altitude, keys::Altitude, cooler.AltitudeShown, cooler.AltitudeUnitText);
    // A hydraulic motor does not mind the hot air.
    if (cooler.AirOutletTemp > OutletTempLimit && cooler.MotorKind() != HydraulicMotorKind) {
        const std::string outletTemp = out.Value(ConvertTemperature(0, cooler.AmbientUnit, cooler.AirOutletTemp));
        out.Note(SheetLine::OutletTempNote,
                 out.Formatted(out.Text(keys::PrintOutletHigh),
                               {ConvertTemperature(0, cooler.AmbientUnit, OutletTempLimit), ambientUnit, outletTemp,
                                ambientUnit}));
    }
}

void WriteSound(SheetWriter& out, const tCoolType& cooler)
{
    out.Section(keys::SoundData);
    out.WholeNumber(SheetLine::SoundLevel, keys::SoundPressureLevel, cooler.SoundLevel(), SoundUnit);
    out.Note(SheetLine::SoundNote, out.Text(keys::BasedOnHemispherical));
}

void WriteMotor(SheetWriter& out, const tCoolType& cooler, const DataSheetOptions& options)
{
    out.Section(keys::MotorData);
    const std::string kind = cooler.MotorKind();
    if (kind == HydraulicMotorKind) {
        const std::string displacement = cooler.HydDisplacement();
        out.Entry(SheetLine::HydMotorType, out.Text(keys::MotorType), displacement, DisplacementUnit,
                  WholeNumberIn(displacement));
        out.Number(SheetLine::HydOilFlow, keys::RequiredOilflow,
                   ConvertOilFlow(0, cooler.OilFlowUnit, cooler.HydOilFlow()), UnitName(UnitsOilFlow, cooler.OilFlowUnit));
        out.Number(SheetLine::HydPressure, keys::RequiredOilpressure,
                   ConvertPressure(0, options.PressureUnit, cooler.HydPressure()),
                   UnitName(UnitsPressure, options.PressureUnit));
        return;
    }
    const bool dc = kind == DC12MotorKind || kind == DC24MotorKind;
    if (dc) {
        out.WholeNumber(SheetLine::Voltage, keys::Voltage, cooler.Voltage(), DCVoltageUnit);
    } else {
        out.WholeNumber(SheetLine::Poles, keys::MotorType, cooler.Poles(), PolesUnit);
        out.WholeNumber(SheetLine::Voltage, keys::Voltage, cooler.Voltage(), ACVoltageUnit);
        const Extended power = ConvertPower(0, cooler.HeatUnit, cooler.MotorPower());
        out.Entry(SheetLine::MotorPower, out.Text(keys::Power), out.FixedValue(power, MotorPowerDecimals),
                  UnitName(UnitsPower, cooler.HeatUnit), power);
    }
    out.Number(SheetLine::MotorCurrent, keys::Amperage, cooler.MotorCurrent(), CurrentUnit);
}

void WriteUnit(SheetWriter& out, const tCoolType& cooler, const DataSheetOptions& options)
{
    out.Section(keys::UnitData);
    out.Number(SheetLine::MaxWorkingPressure, keys::MaxWorkingPressure,
               ConvertPressure(0, options.PressureUnit, MaxWorkingPressureBar),
               UnitName(UnitsPressure, options.PressureUnit));
    out.Number(SheetLine::NetWeight, keys::NetWeight, ConvertMass(0, options.WeightUnit, cooler.NetWeight()),
               UnitName(UnitsMass, options.WeightUnit));
    out.Number(SheetLine::OilVolume, keys::OilVolume, ConvertVolume(0, options.VolumeUnit, cooler.OilVolume()),
               UnitName(UnitsVolume, options.VolumeUnit));
}

void WritePrice(SheetWriter& out, const tCoolType& cooler)
{
    out.Section(keys::PriceColon);
    // A damaged record's price (NaN, or thousands of digits) shows as the
    // quotation shows a price it does not know.
    const Extended price = cooler.Price();
    const std::string text = IsRealPrice(price) ? out.Formatted(PricePattern, {price}) : std::string(UnknownPrice);
    out.Entry(SheetLine::Price, out.Text(keys::GrossUnitPrice), text, cooler.Currency, price);
}

}  // namespace

DataSheet BuildDataSheet(const tCoolType& cooler, const DataSheetOptions& options, const LanguageTable& language,
                         const FormatSettings& settings, const NoteWrap& wrap)
{
    SheetWriter out(language, settings, wrap);
    out.Blank();
    out.Section(keys::Unit);
    out.Entry(SheetLine::Designation, cooler.Designation(), {}, {}, std::nullopt);
    out.Blank();
    WriteHeat(out, cooler);
    out.Blank();
    WriteOil(out, cooler, options);
    out.Blank();
    WriteAir(out, cooler, options);
    out.Blank();
    WriteSound(out, cooler);
    out.Blank();
    WriteMotor(out, cooler, options);
    if (cooler.FanSpeed() != 0)
        out.WholeNumber(SheetLine::FanSpeed, keys::RotationalSpeed, cooler.FanSpeed(), FanSpeedUnit);
    out.Blank();
    WriteUnit(out, cooler, options);
    if (options.HasPrices) {
        out.Blank();
        WritePrice(out, cooler);
    }
    return out.Take();
}

std::string DataSheetTextLine(const SheetEntry& entry)
{
    constexpr char Tab = '\t';
    constexpr std::string_view BlankLine = " ";
    switch (entry.Shape) {
    case SheetShape::Blank: return std::string(BlankLine);
    case SheetShape::Note: return Tab + entry.Label;
    case SheetShape::Section:
    case SheetShape::Item: break;
    }
    std::string line = entry.Shape == SheetShape::Section ? " " + entry.Title + Tab : std::string(1, Tab);
    line += entry.Label;
    if (!entry.Value.empty() || !entry.Unit.empty())
        line += Tab + entry.Value;
    if (!entry.Unit.empty())
        line += Tab + entry.Unit;
    return line;
}

std::vector<std::string> DataSheetTextLines(const DataSheet& sheet)
{
    std::vector<std::string> lines;
    lines.reserve(sheet.size());
    for (const SheetEntry& entry : sheet)
        lines.push_back(DataSheetTextLine(entry));
    return lines;
}

}  // namespace kr
