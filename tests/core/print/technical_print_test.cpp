#include "core/print/technical_print.h"
#include "support/recording_canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace kr {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

const std::string LongNote = std::string(30, 'a') + " " + std::string(30, 'b') + " c";

// The inlet label, 64 characters (512 pixels), already reaches the label end.
const std::string LongLabel(64, 'L');

const LanguageTable& Texts()
{
    static const LanguageTable table({
        "Technical data=Data sheet", "Technical data for=Data for", "Specification=Specification",
        "Total heat rejection (required)=Heat required", "Total heat rejection (actual)=Heat actual",
        "Oil data:=Oil:", "Oil type=Oil type", "Oil flow=Oil flow", "Oil inlet temperature=" + LongLabel,
        "Oil outlet temperature=Outlet", "Use thermo-bypass=Bypass below", "Pressure drop=Loss at %.1f cSt",
        "Maximum cSt=Pump limit", "Air data:=Air:", "Air flow=Air flow", "Ambient temperature=Ambient",
        "Altitude=Altitude", "Print outlet high=Air above %.1f %s (%s %s)", "Sound data:=Sound:",
        "Sound pressure level=Level", "Based on hemispherical=" + LongNote, "Motor data:=Motor:",
        "Motor type=Type", "Required oilflow=Hyd flow", "Required oilpressure=Hyd pressure", "Voltage=Voltage",
        "Amperage=Current", "Power=Power", "Rotational speed=Speed", "Unit data:=Unit:",
        "Max. working pressure=Max pressure", "Net weight=Weight", "Oil volume=Volume", "Price:=Price:",
        "Gross unit price=Gross", "print print=%s %s",
    });
    return table;
}

// An AC 400 V cooler from the Calculation tab, in base units; each case changes what it is about.
tCoolType Cooler(std::string_view motorKind)
{
    tCoolType c;
    c.SetText(CoolerField::Designation, "KR 30 " + std::string(motorKind));
    c.SetText(CoolerField::MotorKind, motorKind);
    c.SetText(CoolerField::HydDisplacement, "8");
    c.SetNumber(CoolerField::HydOilFlow, 20);
    c.SetInteger(CoolerField::HydPressure, 120);
    c.SetInteger(CoolerField::Voltage, 400);
    c.SetInteger(CoolerField::Poles, 4);
    c.SetNumber(CoolerField::MotorPower, 0.37L);
    c.SetNumber(CoolerField::MotorCurrent, 0.72L);
    c.SetInteger(CoolerField::FanSpeed, 1400);
    c.SetInteger(CoolerField::SoundLevel, 72);
    c.SetNumber(CoolerField::FanAirFlow, 1);
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
    c.IsChosen = true;
    c.AltitudeShown = 300;
    c.AltitudeUnitText = "m";
    c.HeatTyped = 1234.56L;
    c.FromDutyTab = true;
    c.OilTypeText = "ISO VG 46";
    c.Currency = "EUR";
    return c;
}

// A page 1000 x 1414 at 192 dpi: margin 100, scale 2, content top 275. The
// labels end at 1000 − 300 − 100 = 600, values at 600 + 96, units from 704.
RecordingCanvas Printed(const tCoolType& cooler, TechnicalPrintOptions options)
{
    RecordingCanvas canvas({1000, 1414}, {192, 192});
    PrintTechnicalData(canvas, {Texts(), {}, "/none", false, "", "1.1.2027"}, cooler, options);
    return canvas;
}

// The sheet's lines below "Specification" as label|value|unit, the dots
// trimmed; an empty row where a blank line opens a gap.
std::vector<std::string> Rows(const RecordingCanvas& canvas)
{
    std::vector<std::string> rows;
    int lastY = 0;
    bool below = false;
    for (const auto& call : canvas.CallsOf(Kind::Text, [](const auto& c) { return c.TextFont.Points != 6; })) {
        const int y = call.Points[0].Y;
        if (!below) {
            below = call.Text == "Specification";
            lastY = y;
            continue;
        }
        std::string text = call.Text;
        if (y == lastY) {
            rows.back() += "|" + text;
            continue;
        }
        if (y - lastY > 21)
            rows.emplace_back();
        text.erase(text.find_last_not_of('.') + 1);
        rows.push_back(text);
        lastY = y;
    }
    return rows;
}

const TechnicalPrintOptions WithPrices{.HasPrices = true, .IncludePrices = true};

TEST(TechnicalPrint, AcSheetFromTheCalculationTabWithPrice)
{
    const RecordingCanvas canvas = Printed(Cooler("400"), WithPrices);
    const std::vector<std::string> expected{
        // 1234.56 loses its decimals from 100 up; 72 dB(A), 400 V and 38 kg get the print's one decimal.
        "Heat required|1235|kW", "Heat actual|11.0|kW", "", "Oil:", "Oil type|ISO VG 46", "Oil flow|80.0|l/min",
        std::string(62, 'L') + "|60.0|°C", "Outlet|48.2|°C", "Bypass below|21.3|°C", "Loss at 45.6 cSt|0.4|bar", "",
        "Air:", "Air flow|1.1|m³/s", "Ambient|30.0|°C", "Altitude|300|m", "Air above 70.0 °C (71.0 °C)", "",
        "Sound:", "Level|72.0|dB(A)", LongNote.substr(0, 31), LongNote.substr(31), "", "Motor:", "Type|4|Pole",
        "Voltage|400|V AC", "Power|0.37|kW", "Current|0.7|A", "Speed|1400|rev/min", "", "Unit:",
        "Max pressure|20.0|bar", "Weight|38.0|kg", "Volume|2.4|l", "", "Price:", "Gross|4321.50|EUR"};
    EXPECT_EQ(Rows(canvas), expected);

    const auto& calls = canvas.Calls();
    EXPECT_EQ(calls.front().Text, "Data sheet KR 30 400");
    EXPECT_EQ(canvas.DocumentOrientation(), Orientation::Portrait);
    EXPECT_EQ(calls.back().What, Kind::EndDocument);
    auto at = [&](std::string_view text) {
        const auto found = canvas.CallsOf(Kind::Text, [&](const auto& c) { return c.Text == text; });
        return found.size() == 1 ? std::tuple(found[0].Points[0], found[0].TextFont.Points, found[0].TextFont.Bold)
                                 : std::tuple(Point{-1, -1}, 0, false);
    };
    EXPECT_EQ(at("Data for"), std::tuple(Point{100, 275}, 12, false));
    EXPECT_EQ(at("KR 30 400"), std::tuple(Point{100, 275 + 18}, 16, true));
    EXPECT_EQ(at("Specification"), std::tuple(Point{100, 275 + 7 * 24}, 14, false));
    // Values end at 696 as if written with two decimals: 1235 stands where 1234.56 would.
    EXPECT_EQ(at("1235"), std::tuple(Point{696 - 7 * 8, 275 + 7 * 24 + 21}, 12, false));
    EXPECT_EQ(std::get<0>(at("80.0")).X, 696 - 5 * 8);
    EXPECT_EQ(std::get<0>(at("4")).X, 696 - 4 * 8);
    EXPECT_EQ(std::get<0>(at("ISO VG 46")).X, 600);
    EXPECT_EQ(std::get<0>(at("l/min")).X, 704);
    EXPECT_EQ(std::get<0>(at("Oil:")).X, 100);
    // Dots run while the label ends short of 600, then two characters go.
    EXPECT_EQ(std::get<0>(at("Oil flow" + std::string(63 - 8 - 2, '.'))).X, 100);
    // Notes wrap at 600 − 100 − the width of "..": two words of 31 characters (496 pixels) do not fit.
    EXPECT_EQ(std::get<0>(at(LongNote.substr(31))).Y, std::get<0>(at(LongNote.substr(0, 31))).Y + 18);
}

TEST(TechnicalPrint, DriveAndPriceConditions)
{
    struct Case {
        std::string_view MotorKind;
        std::function<void(tCoolType&)> Change;
        TechnicalPrintOptions Options;
        std::vector<std::string> Run;  // rows that follow each other somewhere on the sheet
        std::vector<std::string> Absent;
    };
    const std::vector<Case> cases{
        // The pump's limit shows by the motor kind; an empty price list prints no price.
        {"KRC", [](tCoolType& c) { c.FromDutyTab = false; }, {.HasPrices = false, .IncludePrices = true},
         {"Loss at 45.6 cSt|0.4|bar", "Pump limit", "", "Air:"}, {"Heat required|1235|kW", "Price:"}},
        {"HYD", [](tCoolType& c) { c.AirOutletTemp = 90; }, {.HasPrices = true, .IncludePrices = false},
         {"Motor:", "Type|8|ccm/rev", "Hyd flow|20.0|l/min", "Hyd pressure|120|bar", "Speed|1400|rev/min"},
         {"Air above 70.0 °C (90.0 °C)", "Pump limit", "Price:"}},
        {"24", [](tCoolType& c) { c.SetInteger(CoolerField::Voltage, 24); c.SetInteger(CoolerField::FanSpeed, 0); },
         WithPrices, {"Motor:", "Voltage|24.0|V DC", "Current|0.7|A", "", "Unit:"}, {"Pump limit"}},
    };
    for (const Case& c : cases) {
        tCoolType cooler = Cooler(c.MotorKind);
        c.Change(cooler);
        const std::vector<std::string> rows = Rows(Printed(cooler, c.Options));
        EXPECT_NE(std::search(rows.begin(), rows.end(), c.Run.begin(), c.Run.end()), rows.end()) << c.MotorKind << testing::PrintToString(rows);
        for (const std::string& absent : c.Absent)
            EXPECT_THAT(rows, testing::Not(testing::Contains(absent))) << c.MotorKind;
        if (!c.Options.IncludePrices || !c.Options.HasPrices) {
            EXPECT_EQ(rows.back(), "Volume|2.4|l") << c.MotorKind;
        }
    }
}

}  // namespace
}  // namespace kr
