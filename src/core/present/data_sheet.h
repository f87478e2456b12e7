#pragma once

#include "core/common/delphi_format.h"
#include "core/common/extended.h"
#include "core/common/wrap_text.h"
#include "core/data/cool_type.h"
#include "core/data/language.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kr {

// The data text's tab stops, in points: the label column, the value column
// and the unit column (the fourth stop repeats the third).
inline constexpr int DataSheetLabelStop = 60;
inline constexpr int DataSheetValueStop = 275;
inline constexpr int DataSheetUnitStop = 330;
inline constexpr std::array<int, 4> DataSheetTabStops{DataSheetLabelStop, DataSheetValueStop, DataSheetUnitStop,
                                                      DataSheetUnitStop};
// The screen wraps a note to this many pixels in the data text's font.
inline constexpr int DataSheetNoteWidth = 250;

enum class SheetShape {
    Blank,    // an empty line
    Section,  // a section title, then the first item of the section
    Item,     // label, value and unit
    Note,     // one line of a wrapped note
};

// What a line of the sheet shows, so that a printout can place, format or
// leave out each one by its own rules.
enum class SheetLine {
    Blank,
    Designation,
    HeatRequired,
    HeatActual,
    OilType,
    OilFlow,
    OilInletTemp,
    OilOutletTemp,
    ThermoBypass,
    PressureDrop,
    MaximumViscosityNote,  // the KRC pump's viscosity limit
    AirFlow,
    AmbientTemp,
    Altitude,
    OutletTempNote,  // the air leaves hotter than a fan motor is usually rated for
    SoundLevel,
    SoundNote,
    HydMotorType,  // the hydraulic motor's displacement
    HydOilFlow,
    HydPressure,
    Poles,
    Voltage,
    MotorPower,
    MotorCurrent,
    FanSpeed,
    MaxWorkingPressure,
    NetWeight,
    OilVolume,
    Price,
};

struct SheetEntry {
    SheetShape Shape = SheetShape::Blank;
    SheetLine Line = SheetLine::Blank;
    std::string Title;  // section lines only
    std::string Label;  // for a note, its line's text
    std::string Value;  // as the screen writes it
    std::string Unit;
    // The number the value shows, in the display unit and not rounded, so
    // that a printout can write it with its own decimals.
    std::optional<Extended> Number;
};

using DataSheet = std::vector<SheetEntry>;

// What the sheet needs beyond the current cooler.
struct DataSheetOptions {
    bool Krc = false;        // chosen with the KRC drive: the pump's viscosity note is shown
    bool HasPrices = false;  // the price list holds a record: the price lines are shown
    // The options' display units (indices of the air-flow, pressure, mass and
    // volume lists).
    int AirFlowUnit = 0;
    int PressureUnit = 0;
    int WeightUnit = 0;
    int VolumeUnit = 0;
};

// How notes are broken into lines: by the measure of the font they are
// written in, to MaxWidth. Without a measure each note stays one entry.
struct NoteWrap {
    TextWidthMeasure Measure;
    int MaxWidth = DataSheetNoteWidth;
};

// The data sheet of the current cooler, line by line in the screen's order,
// with the texts of the language table and numbers written with the
// settings' decimal separator.
DataSheet BuildDataSheet(const tCoolType& cooler, const DataSheetOptions& options, const LanguageTable& language,
                         const FormatSettings& settings, const NoteWrap& wrap);

// The entry as a line of the data text: " " + title + TAB + label + TAB +
// value + TAB + unit for a section, TAB + label + TAB + value + TAB + unit
// for an item, TAB + text for a note, " " for a blank line. Columns left
// empty at the end of a line are not written.
std::string DataSheetTextLine(const SheetEntry& entry);

// Every entry as its line.
std::vector<std::string> DataSheetTextLines(const DataSheet& sheet);

}  // namespace kr
