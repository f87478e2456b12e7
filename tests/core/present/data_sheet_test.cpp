#include "core/present/current_cooler.h"
#include "core/present/data_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kr {
namespace {

const LanguageTable& Texts()
{
    static const LanguageTable table({
        "Unit=Cooler", "Total heat rejection (required)=Heat required", "Total heat rejection (actual)=Heat actual",
        "Oil data:=Oil:", "Oil type=Oil type", "Oil flow=Oil flow", "Oil inlet temperature=Inlet",
        "Oil outlet temperature=Outlet", "Use thermo-bypass=Bypass below", "Pressure drop=Loss at %.1f cSt",
        "Maximum cSt=Pump limit 1000 cSt", "Air data:=Air:", "Air flow=Air flow", "Ambient temperature=Ambient",
        "Altitude=Altitude", "Print outlet high=Air above %.1f %s (%s %s)", "Sound data:=Sound:",
        "Sound pressure level=Level", "Based on hemispherical=Measured at one metre over a plane",
        "Motor data:=Motor:", "Motor type=Type", "Required oilflow=Hyd flow", "Required oilpressure=Hyd pressure",
        "Voltage=Voltage", "Amperage=Current", "Power=Power", "Rotational speed=Speed", "Unit data:=Unit:",
        "Max. working pressure=Max pressure", "Net weight=Weight", "Oil volume=Volume", "Price:=Price:",
        "Gross unit price=Gross",
    });
    return table;
}

// Ten pixels a byte: a note wraps after 25 bytes.
const NoteWrap TenPixelsAByte{[](std::string_view text) { return static_cast<int>(text.size()) * 10; }};

// An AC 400 V cooler rated at 80 l/min, 60 °C oil and 30 °C air; each case changes what it is about.
tCoolType RatedCooler(std::string_view motorKind)
{
    tCoolType c;
    c.SetText(CoolerField::Designation, "KR 30 " + std::string(motorKind));
    c.SetText(CoolerField::ItemNo, "KR30-4");
    c.SetText(CoolerField::MotorKind, motorKind);
    c.SetInteger(CoolerField::Voltage, 400);
    c.SetInteger(CoolerField::Poles, 4);
    c.SetNumber(CoolerField::MotorPower, 0.37L);
    c.SetNumber(CoolerField::MotorCurrent, 0.72L);
    c.SetInteger(CoolerField::FanSpeed, 1400);
    c.SetInteger(CoolerField::SoundLevel, 72);
    c.SetNumber(CoolerField::FanAirFlow, 0.5L);
    c.SetInteger(CoolerField::NetWeight, 38);
    c.SetNumber(CoolerField::OilVolume, 2.4L);
    c.SetNumber(CoolerField::Price, 4321.5L);
    c.HeatRejection = 11;
    c.PressLoss = 0.42L;
    c.Temp5Bar = 21.3L;
    c.OilFlow = 80;
    c.OilInletTemp = 60;
    c.OilOutletTemp = 48.2L;
    c.AmbientTemp = 30;
    c.AirOutletTemp = 71;
    c.Viscosity = 45.6L;
    c.Altitude = 300;
    return c;
}

PriceRecordList Prices(std::string_view itemNo, Extended price, std::string_view currency)
{
    PriceEntry header{"Publisher", {}};
    PriceEntry item{std::string(itemNo), {}};
    item.Record.SetText(PriceField::ItemNo, itemNo);
    item.Record.SetNumber(PriceField::Price, price);
    item.Record.SetText(PriceField::Currency, currency);
    return {header, item};
}

TEST(DataSheet, AcCoolerFromTheCalculationTabInTheChosenUnits)
{
    CoolerChoices choices{.FromDutyTab = true, .OilFlowUnit = 0, .HeatUnit = 3, .AmbientUnit = 1, .InletTempUnit = 1,
                          .AltitudeUnit = 1, .AltitudeUnitText = "ft", .HeatText = "37500", .OilGradeIndex = 8};
    const tCoolType current = MakeCurrentCooler(RatedCooler("400"), choices, Prices("kr30-4", 1, "EUR"), '.');
    EXPECT_TRUE(current.IsChosen);
    EXPECT_EQ(current.Currency, "EUR");
    EXPECT_EQ(current.OilTypeText, "ISO VG 46");
    EXPECT_DOUBLE_EQ(static_cast<double>(current.AltitudeShown), 984.24);

    const DataSheetOptions options{.Krc = false, .HasPrices = true, .AirFlowUnit = 1, .PressureUnit = 3,
                                   .WeightUnit = 1, .VolumeUnit = 0};
    const DataSheet sheet = BuildDataSheet(current, options, Texts(), {}, TenPixelsAByte);
    const std::vector<std::string> expected{
        " ", " Cooler\tKR 30 400", " ", "\tHeat required\t37500\tBTU/h", "\tHeat actual\t37534\tBTU/h", " ",
        " Oil:\tOil type\tISO VG 46", "\tOil flow\t80.0\tl/min", "\tInlet\t140\t°F", "\tOutlet\t119\t°F",
        "\tBypass below\t70.3\t°F", "\tLoss at 45.6 cSt\t6.1\tPSI", " ",
        // The air flow is 10 % above the record's 0.5 m³/s.
        " Air:\tAir flow\t19.4\tft³/s", "\tAmbient\t86.0\t°F", "\tAltitude\t984\tft",
        "\tAir above 158.0 °F (160 ", "\t°F)", " ",
        " Sound:\tLevel\t72\tdB(A)", "\tMeasured at one metre ", "\tover a plane", " ",
        " Motor:\tType\t4\tPole", "\tVoltage\t400\tV AC", "\tPower\t1262.49\tBTU/h", "\tCurrent\t0.7\tA",
        "\tSpeed\t1400\trev/min", " ",
        " Unit:\tMax pressure\t290\tPSI", "\tWeight\t83.8\tlb", "\tVolume\t2.4\tl", " ",
        " Price:\tGross\t4321.50\tEUR"};
    EXPECT_EQ(DataSheetTextLines(sheet), expected);

    // A printout gets the unrounded number behind a value and each note whole.
    const auto air = std::ranges::find(sheet, SheetLine::AirFlow, &SheetEntry::Line);
    ASSERT_NE(air, sheet.end());
    EXPECT_NEAR(static_cast<double>(*air->Number), 19.42325, 1e-9);
    const DataSheet unwrapped = BuildDataSheet(current, options, Texts(), {}, {});
    EXPECT_EQ(std::ranges::count(unwrapped, SheetLine::SoundNote, &SheetEntry::Line), 1);
}

struct SheetCase {
    std::string Name;
    tCoolType Cooler;
    CoolerChoices Choices;
    DataSheetOptions Options;
    PriceRecordList PriceList;
    char DecimalSeparator;
    std::string Currency;
    std::vector<std::string> Shown;  // in this order, other lines between them
    std::vector<SheetLine> Absent;
    std::string LastLine;
};

CoolerChoices Choices(bool fromDutyTab, int oilFlowUnit, std::string heatText)
{
    CoolerChoices choices;
    choices.FromDutyTab = fromDutyTab;
    choices.OilFlowUnit = oilFlowUnit;
    choices.HeatText = std::move(heatText);
    return choices;
}

std::vector<SheetCase> SheetCases()
{
    tCoolType dc = RatedCooler("24");
    dc.SetInteger(CoolerField::Voltage, 24);
    dc.SetNumber(CoolerField::MotorCurrent, 6.56L);
    dc.SetInteger(CoolerField::FanSpeed, 0);
    dc.AirOutletTemp = 75;

    tCoolType hydraulic = RatedCooler("HYD");
    hydraulic.SetText(CoolerField::HydDisplacement, "8");
    hydraulic.SetNumber(CoolerField::HydOilFlow, 15);
    hydraulic.SetInteger(CoolerField::HydPressure, 180);
    hydraulic.SetInteger(CoolerField::FanSpeed, 2000);
    hydraulic.SetNumber(CoolerField::Price, 0);
    hydraulic.AirOutletTemp = 80;

    tCoolType krc = RatedCooler("KRC");
    krc.PressLoss = 0.06L;
    krc.Viscosity = 123.44L;
    krc.SetNumber(CoolerField::MotorPower, 0.55L);
    krc.SetNumber(CoolerField::Price, 1234.5L);

    return {
        {"DcFromKnownCoolerTab", dc, Choices(false, 0, "99"), {}, {}, '.', "DKK",
         {"\tHeat actual\t11.0\tkW", "\tAir above 70.0 °C (75.0 ", "\t°C)", " Motor:\tVoltage\t24\tV DC",
          "\tCurrent\t6.6\tA", " ", " Unit:\tMax pressure\t20.0\tbar"},
         {SheetLine::HeatRequired, SheetLine::Poles, SheetLine::MotorPower, SheetLine::FanSpeed, SheetLine::Price,
          SheetLine::MaximumViscosityNote},
         "\tVolume\t2.4\tl"},
        {"HydraulicFromCalculationTab", hydraulic, Choices(true, 2, "ten"),
         {.HasPrices = true, .PressureUnit = 2}, Prices("other", 5, "EUR"), '.', "DKK",
         {"\tHeat required\t0.0\tkW", "\tOil flow\t4.8\tm³/h", "\tLoss at 45.6 cSt\t42.0\tkPa",
          " Motor:\tType\t8\tccm/rev", "\tHyd flow\t0.9\tm³/h", "\tHyd pressure\t18000\tkPa",
          "\tSpeed\t2000\trev/min"},
         {SheetLine::OutletTempNote, SheetLine::MaximumViscosityNote, SheetLine::Poles, SheetLine::MotorPower},
         " Price:\tGross\t0.00\tDKK"},
        {"KrcFromKnownCoolerTab", krc, Choices(false, 0, ""), {.Krc = true, .HasPrices = true},
         Prices("KR30-4", 1, "EUR"), ',', "EUR",
         {"\tLoss at 123,4 cSt\t0,1\tbar", "\tPump limit 1000 cSt", " ", " Air:\tAir flow\t0,6\tm³/s",
          " Motor:\tType\t4\tPole", "\tVoltage\t400\tV AC", "\tPower\t0,55\tkW", "\tCurrent\t0,7\tA"},
         {SheetLine::HeatRequired},
         " Price:\tGross\t1234,50\tEUR"},
    };
}

TEST(DataSheet, MotorBlocksAndConditionsByDriveAndTab)
{
    for (SheetCase& c : SheetCases()) {
        SCOPED_TRACE(c.Name);
        const tCoolType current = MakeCurrentCooler(c.Cooler, c.Choices, c.PriceList, c.DecimalSeparator);
        EXPECT_EQ(current.Currency, c.Currency);
        const DataSheet sheet = BuildDataSheet(current, c.Options, Texts(), {c.DecimalSeparator, '\0'}, TenPixelsAByte);
        const std::vector<std::string> text = DataSheetTextLines(sheet);
        auto from = text.begin();
        for (const std::string& line : c.Shown) {
            const auto found = std::find(from, text.end(), line);
            EXPECT_NE(found, text.end()) << "missing or out of order: " << line;
            from = found == text.end() ? from : found + 1;
        }
        for (const SheetLine absent : c.Absent)
            EXPECT_EQ(std::ranges::count(sheet, absent, &SheetEntry::Line), 0) << static_cast<int>(absent);
        EXPECT_EQ(text.back(), c.LastLine);
    }
}

}  // namespace
}  // namespace kr
