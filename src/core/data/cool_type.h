#pragma once

#include "core/common/extended.h"
#include "core/data/fixed_record.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kr {

inline constexpr std::size_t CoolerRecordSize = 488;

// The layout of one Krdata.dat record. Bytes 0-3, 74-75, 258-259 and
// 485-487 are unused; writers fill them with zeros.
namespace CoolerField {
inline constexpr RecordField Designation = ShortStringField("Designation", 4, 30);
inline constexpr RecordField CoolerType = ShortStringField("CoolerType", 35, 10);
inline constexpr RecordField DrawingFile = ShortStringField("DrawingFile", 46, 13);
inline constexpr RecordField NetWeight = Int32Field("NetWeight", 60);
inline constexpr RecordField FanAirFlow = ExtendedField("FanAirFlow", 64);
inline constexpr RecordField SoundLevel = Int32Field("SoundLevel", 76);
inline constexpr RecordField MinOilFlow = Int32Field("MinOilFlow", 80);
inline constexpr RecordField MaxOilFlow = Int32Field("MaxOilFlow", 84);
inline constexpr RecordField HeatCoefA = ExtendedField("HeatCoefA", 88);
inline constexpr RecordField HeatCoefB = ExtendedField("HeatCoefB", 98);
inline constexpr RecordField HeatCoefC = ExtendedField("HeatCoefC", 108);
inline constexpr RecordField Price = ExtendedField("Price", 118);
inline constexpr RecordField ItemNo = ShortStringField("ItemNo", 128, 17);
inline constexpr RecordField OilVolume = ExtendedField("OilVolume", 146);
inline constexpr RecordField PressLossCoef = ExtendedField("PressLossCoef", 156);
inline constexpr RecordField PartNoCooler = ShortStringField("PartNoCooler", 166, 16);
inline constexpr RecordField MotorKind = ShortStringField("MotorKind", 183, 8);
inline constexpr RecordField Voltage = Int32Field("Voltage", 192);
inline constexpr RecordField Frequency = Int32Field("Frequency", 196);
inline constexpr RecordField Poles = Int32Field("Poles", 200);
inline constexpr RecordField MotorPower = ExtendedField("MotorPower", 204);
inline constexpr RecordField MotorCurrent = ExtendedField("MotorCurrent", 214);
inline constexpr RecordField HydDisplacement = ShortStringField("HydDisplacement", 224, 19);
inline constexpr RecordField HydPressure = Int32Field("HydPressure", 244);
inline constexpr RecordField HydOilFlow = ExtendedField("HydOilFlow", 248);
inline constexpr RecordField FanSpeed = Int32Field("FanSpeed", 260);
inline constexpr RecordField PartNoMotor = ShortStringField("PartNoMotor", 264, 16);
inline constexpr RecordField PartNoFan = ShortStringField("PartNoFan", 281, 16);
inline constexpr RecordField PartNoGrille = ShortStringField("PartNoGrille", 298, 16);
inline constexpr RecordField PartNoFanCowl = ShortStringField("PartNoFanCowl", 315, 16);
inline constexpr RecordField PartNoFeet = ShortStringField("PartNoFeet", 332, 16);
inline constexpr RecordField PartNoMotorMount = ShortStringField("PartNoMotorMount", 349, 16);
inline constexpr RecordField PartNoAdapter = ShortStringField("PartNoAdapter", 366, 16);
inline constexpr RecordField PartNoPump = ShortStringField("PartNoPump", 383, 16);
inline constexpr RecordField PartNoHose = ShortStringField("PartNoHose", 400, 16);
inline constexpr RecordField PartNoNipple = ShortStringField("PartNoNipple", 417, 16);
inline constexpr RecordField PartNoGasket = ShortStringField("PartNoGasket", 434, 16);
inline constexpr RecordField PartNoBearing = ShortStringField("PartNoBearing", 451, 16);
inline constexpr RecordField PartNoSpline = ShortStringField("PartNoSpline", 468, 16);

// Every field in file order; the data tools name CSV columns after them.
inline constexpr std::array All = {
    Designation, CoolerType, DrawingFile, NetWeight, FanAirFlow, SoundLevel, MinOilFlow,
    MaxOilFlow, HeatCoefA, HeatCoefB, HeatCoefC, Price, ItemNo, OilVolume, PressLossCoef,
    PartNoCooler, MotorKind, Voltage, Frequency, Poles, MotorPower, MotorCurrent,
    HydDisplacement, HydPressure, HydOilFlow, FanSpeed, PartNoMotor, PartNoFan, PartNoGrille,
    PartNoFanCowl, PartNoFeet, PartNoMotorMount, PartNoAdapter, PartNoPump, PartNoHose,
    PartNoNipple, PartNoGasket, PartNoBearing, PartNoSpline,
};
}  // namespace CoolerField

// One cooler or accessory record: the 488 record bytes, unchanged, followed
// by the result fields that a rating fills in. Database records never have
// their result fields filled; searches work on copies.
struct tCoolType : FixedRecord<CoolerRecordSize> {

    // Result of a rating, in internal units (kW, l/min, °C, bar, m, cSt).
    Extended PressLoss = 0;
    Extended Temp5Bar = 0;
    Extended HeatRejection = 0;
    std::int32_t OilTypeIndex = 0;
    Extended RequiredHeat = 0;
    Extended OilFlow = 0;
    Extended AirOutletTemp = 0;
    Extended AmbientTemp = 0;
    Extended OilInletTemp = 0;
    Extended OilOutletTemp = 0;
    Extended MaxPressLoss = 0;
    Extended Altitude = 0;
    Extended RequiredKWperK = 0;
    Extended Viscosity = 0;
    // Presentation fields, set when a result becomes the current cooler.
    bool IsChosen = false;
    std::int32_t OilFlowUnit = 0;
    std::int32_t HeatUnit = 0;
    std::int32_t AmbientUnit = 0;
    std::int32_t InletTempUnit = 0;
    Extended AltitudeShown = 0;
    std::string AltitudeUnitText;
    Extended HeatTyped = 0;
    bool FromDutyTab = false;
    std::string OilTypeText;
    std::string Currency;

    using FixedRecord::FixedRecord;

    std::string Designation() const { return Text(CoolerField::Designation); }
    std::string CoolerType() const { return Text(CoolerField::CoolerType); }
    std::string DrawingFile() const { return Text(CoolerField::DrawingFile); }
    std::int32_t NetWeight() const { return Integer(CoolerField::NetWeight); }
    Extended FanAirFlow() const { return Number(CoolerField::FanAirFlow); }
    std::int32_t SoundLevel() const { return Integer(CoolerField::SoundLevel); }
    std::int32_t MinOilFlow() const { return Integer(CoolerField::MinOilFlow); }
    std::int32_t MaxOilFlow() const { return Integer(CoolerField::MaxOilFlow); }
    Extended HeatCoefA() const { return Number(CoolerField::HeatCoefA); }
    Extended HeatCoefB() const { return Number(CoolerField::HeatCoefB); }
    Extended HeatCoefC() const { return Number(CoolerField::HeatCoefC); }
    Extended Price() const { return Number(CoolerField::Price); }
    std::string ItemNo() const { return Text(CoolerField::ItemNo); }
    Extended OilVolume() const { return Number(CoolerField::OilVolume); }
    Extended PressLossCoef() const { return Number(CoolerField::PressLossCoef); }
    std::string PartNoCooler() const { return Text(CoolerField::PartNoCooler); }
    std::string MotorKind() const { return Text(CoolerField::MotorKind); }
    std::int32_t Voltage() const { return Integer(CoolerField::Voltage); }
    std::int32_t Frequency() const { return Integer(CoolerField::Frequency); }
    std::int32_t Poles() const { return Integer(CoolerField::Poles); }
    Extended MotorPower() const { return Number(CoolerField::MotorPower); }
    Extended MotorCurrent() const { return Number(CoolerField::MotorCurrent); }
    std::string HydDisplacement() const { return Text(CoolerField::HydDisplacement); }
    std::int32_t HydPressure() const { return Integer(CoolerField::HydPressure); }
    Extended HydOilFlow() const { return Number(CoolerField::HydOilFlow); }
    std::int32_t FanSpeed() const { return Integer(CoolerField::FanSpeed); }
    std::string PartNoMotor() const { return Text(CoolerField::PartNoMotor); }
    std::string PartNoFan() const { return Text(CoolerField::PartNoFan); }
    std::string PartNoGrille() const { return Text(CoolerField::PartNoGrille); }
    std::string PartNoFanCowl() const { return Text(CoolerField::PartNoFanCowl); }
    std::string PartNoFeet() const { return Text(CoolerField::PartNoFeet); }
    std::string PartNoMotorMount() const { return Text(CoolerField::PartNoMotorMount); }
    std::string PartNoAdapter() const { return Text(CoolerField::PartNoAdapter); }
    std::string PartNoPump() const { return Text(CoolerField::PartNoPump); }
    std::string PartNoHose() const { return Text(CoolerField::PartNoHose); }
    std::string PartNoNipple() const { return Text(CoolerField::PartNoNipple); }
    std::string PartNoGasket() const { return Text(CoolerField::PartNoGasket); }
    std::string PartNoBearing() const { return Text(CoolerField::PartNoBearing); }
    std::string PartNoSpline() const { return Text(CoolerField::PartNoSpline); }

    // A result copy carries the price-list price instead of the stored one.
    void SetPrice(Extended price) { SetNumber(CoolerField::Price, price); }

    // "TB", "TK" or "AD" in any letter case: thermo-bypass, thermo-switch, adapter.
    bool IsAccessory() const;
};

bool IsAccessoryType(std::string_view coolerType);

}  // namespace kr
