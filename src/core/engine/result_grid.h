#pragma once

#include "core/common/delphi_format.h"
#include "core/data/cool_type.h"
#include "core/data/language.h"
#include "core/engine/duty_input.h"
#include "core/engine/hydraulic_steps.h"
#include "core/engine/known_rating.h"
#include "core/engine/selection.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The two result grids: StringGridResult of the Calculation tab and
// StringGridResult1 of the Known-cooler tab.
enum class ResultTab { Calculation, KnownCooler };

// How a grid shows the drives of its rows: by the drive of the search.
enum class GridDrive { ACDC, Hydraulic, KRC };

namespace GridColumn {
inline constexpr int RowNumber = 0;
inline constexpr int Cooler = 1;
inline constexpr int Motor = 2;
inline constexpr int HeatRejection = 3;
inline constexpr int PressLoss = 4;
inline constexpr int SoundLevel = 5;
inline constexpr int Price = 6;  // only when the price list is not empty
}  // namespace GridColumn

inline constexpr int EmptyGridRows = 2;
inline constexpr int ShownGridRows = 20;
inline constexpr int ColumnsWithPrice = 7;
inline constexpr int ColumnsWithoutPrice = 6;
inline constexpr int PriceColumnWidth = 120;  // pixels
// Breaks a heading (and the step button's hint) into lines.
inline constexpr std::string_view GridLineBreak = "\r\n";
// Number cells are sorted as texts of this length, filled with "0" on the left.
inline constexpr std::size_t NumberSortKeyLength = 12;

// The unit indices a grid shows heat rejection (power list) and pressure
// loss (pressure list) in.
struct GridUnits {
    int Heat = 0;
    int Pressure = 0;
};

// The model behind one result grid: the cell texts, row 0 being the
// headings, and the result lists the rows stand for. A grid owns its
// results until the next reset; sorting reorders rows and results alike.
// Every text is taken from the language table handed to the call that
// writes it; numbers are written with the decimal separator of settings.
class ResultGrid {
public:
    ResultGrid(ResultTab tab, const FormatSettings& settings);

    // Empties the grid and its result lists: two rows, seven columns when
    // the price list has a record (else six), the plain heading texts, and
    // hidden.
    void Reset(const LanguageTable& language, bool hasPrices);

    // Fills the Calculation grid from a selection whose outcome is Shown
    // (anything else leaves the grid as it is and returns false). Heat and
    // pressure are shown in the units of ComboBoxHeatReject and ComboBoxMaxLoss.
    bool ShowSelection(DutySelection selection, GridUnits units, const LanguageTable& language);

    // Fills the Known-cooler grid from a rating that has results (else
    // returns false): heat in kW, pressure in the options' display unit.
    bool ShowKnownRating(KnownRating rating, DriveChoice drive, int pressureUnit, const LanguageTable& language);

    // Writes every language text of the grid again from another table:
    // the headings and the "No data" cells. The rows, their order and the
    // motors shown stay as they are.
    void ApplyLanguage(const LanguageTable& language);

    ResultTab Tab() const { return tab_; }
    GridDrive Drive() const { return drive_; }
    GridUnits Units() const { return units_; }
    bool Shown() const { return shown_; }
    // The Calculation grid of a hydraulic selection steps through motors.
    bool HasStepButton() const { return shown_ && tab_ == ResultTab::Calculation && drive_ == GridDrive::Hydraulic; }

    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return columnCount_; }
    // The text of a cell; empty outside the grid and in rows without a result.
    const std::string& Cell(int column, int row) const;
    std::vector<std::string> RowCells(int row) const;
    // Rows 1..ResultRowCount() show results.
    int ResultRowCount() const;

    // The result a row stands for: entry row - 1 of the result list, or for
    // a hydraulic selection the shown entry of group row; none for the
    // heading row and rows without a result.
    const tCoolType* ResultAt(int row) const;

    // Re-fills the grid with its results ordered by the texts of one column
    // (ascending; numbers by value). A hydraulic selection reorders whole
    // groups, keyed by their first entries, and shows each group's first
    // entry again. False for a column without heading button or an empty grid.
    bool SortByColumn(int column, const LanguageTable& language);

    // Shows the previous (Up) or next (Down) motor of a hydraulic row and
    // rewrites only its motor cell. Beep at either end of the group and on
    // a grid or row without motors to step through.
    StepOutcome Step(int row, StepDirection direction);
    // The step button's hint for a row of a hydraulic selection; none for
    // rows beyond the groups or a grid without step button.
    std::optional<std::string> StepHint(int row, const LanguageTable& language) const;

    // ResultCoolers (Calculation) or KnownResults (Known cooler), in row order.
    const std::vector<tCoolType>& Results() const { return results_; }
    const std::vector<std::vector<tCoolType>>& HydraulicGroups() const { return groups_; }
    const std::vector<int>& HydraulicGroupPos() const { return groupPos_; }

    // The sort key of a number cell: trimmed, given a decimal part when it
    // has none, filled on the left with "0" to NumberSortKeyLength.
    static std::string NumberSortKey(std::string_view cell, char decimalSeparator);

private:
    int EntryCount() const;
    std::vector<std::string> CellsOf(const tCoolType& result, int rowNumber, const std::string& noData) const;
    void WritePlainHeadings(const LanguageTable& language);
    void WriteHeadings(const LanguageTable& language);
    void WritePriceHeading(const LanguageTable& language);
    void Fill(const LanguageTable& language);

    ResultTab tab_;
    FormatSettings settings_;
    GridDrive drive_ = GridDrive::ACDC;
    GridUnits units_;
    bool shown_ = false;
    int rowCount_ = EmptyGridRows;
    int columnCount_ = ColumnsWithPrice;
    std::vector<std::vector<std::string>> cells_;  // [row][column]
    std::vector<tCoolType> results_;
    std::vector<std::vector<tCoolType>> groups_;
    std::vector<int> groupPos_;
};

// The text of a result's cell in one column, as a grid of the tab shows it.
std::string ResultCellText(const tCoolType& result, int column, ResultTab tab, GridDrive drive, GridUnits units,
                           std::string_view noData, const FormatSettings& settings);

}  // namespace kr
