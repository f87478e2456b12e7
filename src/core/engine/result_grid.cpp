#include "core/engine/result_grid.h"

#include "core/common/number_text.h"
#include "core/common/text_case.h"
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "core/engine/ranking.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace kr {

namespace {

// Only the Calculation grid's check for a KRC drive in the motor column
// compares the cooler type as a whole with this code.
constexpr std::string_view KrcCoolerType = "KRC";
constexpr int DC12Volt = 12;
constexpr int DC24Volt = 24;

constexpr std::string_view HydraulicCoolerPattern = "%s / HYD / %d rev";
constexpr std::string_view KrcCoolerPattern = "%s / %dV / %d-pol";
constexpr std::string_view MotorSpeedPattern = "%d Hz / %d rev / ";
constexpr std::string_view MotorPowerUnit = " KW";
constexpr std::string_view MotorCurrentUnit = " A";
constexpr std::string_view KnownMotorCurrentPattern = "%.2f A";
constexpr std::string_view SoundLevelPattern = "%6d";
constexpr std::string_view PricePattern = "%13.2f";

constexpr int ValueDecimals = 1;
constexpr int ValueWidth = 10;

const std::string NoText;

std::string FormatWith(std::string_view pattern, std::span<const FormatArg> args, const FormatSettings& settings)
{
    return TryFormat(pattern, args, settings).Text;
}

// One decimal in a width of 10, as every number column shows its values.
std::string GridValue(Extended value, const FormatSettings& settings)
{
    return FormatValue(ValueDecimals, ValueWidth, false, value, true, settings.DecimalSeparator);
}

std::string CoolerText(const tCoolType& result, GridDrive drive, const FormatSettings& settings)
{
    switch (drive) {
    case GridDrive::Hydraulic:
        return FormatWith(HydraulicCoolerPattern, std::array<FormatArg, 2>{result.CoolerType(), result.FanSpeed()},
                          settings);
    case GridDrive::KRC:
        return FormatWith(KrcCoolerPattern,
                          std::array<FormatArg, 3>{result.CoolerType(), result.Voltage(), result.Poles()}, settings);
    case GridDrive::ACDC: break;
    }
    return result.Designation();
}

// Frequency, fan speed and motor power: the drive text of AC motors and of
// the KRC coolers.
std::string MotorSpeedText(const tCoolType& result, const FormatSettings& settings)
{
    return FormatWith(MotorSpeedPattern, std::array<FormatArg, 2>{result.Frequency(), result.FanSpeed()}, settings) +
           FormatValue(ValueDecimals, 0, false, result.MotorPower(), false, settings.DecimalSeparator) +
           std::string(MotorPowerUnit);
}

std::string MotorText(const tCoolType& result, ResultTab tab, GridDrive drive, const FormatSettings& settings)
{
    if (drive == GridDrive::Hydraulic)
        return HydraulicMotorText(result, settings);
    const bool showsKrc =
        tab == ResultTab::Calculation ? result.CoolerType() == KrcCoolerType : drive == GridDrive::KRC;
    if (showsKrc)
        return MotorSpeedText(result, settings);
    if (result.Voltage() == DC12Volt || result.Voltage() == DC24Volt) {
        if (tab == ResultTab::Calculation)
            return GridValue(result.MotorCurrent(), settings) + std::string(MotorCurrentUnit);
        return FormatWith(KnownMotorCurrentPattern, std::array<FormatArg, 1>{result.MotorCurrent()}, settings);
    }
    return MotorSpeedText(result, settings);
}

std::string UnitLine(std::string_view heading, UnitNames list, int unit)
{
    return std::string(heading) + std::string(GridLineBreak) + std::string(UnitName(list, unit));
}

}  // namespace

std::string ResultCellText(const tCoolType& result, int column, ResultTab tab, GridDrive drive, GridUnits units,
                           std::string_view noData, const FormatSettings& settings)
{
    switch (column) {
    case GridColumn::Cooler: return CoolerText(result, drive, settings);
    case GridColumn::Motor: return MotorText(result, tab, drive, settings);
    case GridColumn::HeatRejection: return GridValue(ConvertPower(0, units.Heat, result.HeatRejection), settings);
    case GridColumn::PressLoss:
        if (drive == GridDrive::KRC)
            return std::string(noData);
        return GridValue(ConvertPressure(0, units.Pressure, result.PressLoss), settings);
    case GridColumn::SoundLevel:
        return FormatWith(SoundLevelPattern, std::array<FormatArg, 1>{result.SoundLevel()}, settings);
    case GridColumn::Price: return FormatWith(PricePattern, std::array<FormatArg, 1>{result.Price()}, settings);
    default: return {};
    }
}

ResultGrid::ResultGrid(ResultTab tab, const FormatSettings& settings) : tab_(tab), settings_(settings)
{
    cells_.assign(EmptyGridRows, std::vector<std::string>(ColumnsWithPrice));
}

void ResultGrid::Reset(const LanguageTable& language, bool hasPrices)
{
    results_.clear();
    groups_.clear();
    groupPos_.clear();
    drive_ = GridDrive::ACDC;
    units_ = {};
    shown_ = false;
    columnCount_ = hasPrices ? ColumnsWithPrice : ColumnsWithoutPrice;
    rowCount_ = EmptyGridRows;
    cells_.assign(EmptyGridRows, std::vector<std::string>(columnCount_));
    WritePlainHeadings(language);
}

void ResultGrid::ApplyLanguage(const LanguageTable& language)
{
    WritePlainHeadings(language);
    if (!shown_)
        return;
    WriteHeadings(language);
    WritePriceHeading(language);
    // Not Fill: a stepped hydraulic row keeps the numbers of its first motor.
    if (drive_ == GridDrive::KRC) {
        const std::string noData = language.Lookup(keys::NoData.Key);
        for (int row = 1; row <= EntryCount(); ++row)
            cells_[static_cast<std::size_t>(row)][GridColumn::PressLoss] = noData;
    }
}

void ResultGrid::WritePlainHeadings(const LanguageTable& language)
{
    auto& headings = cells_[0];
    headings[GridColumn::Cooler] = language.Lookup(keys::KrCooler.Key);
    headings[GridColumn::Motor] = language.Lookup(keys::Motor.Key);
    headings[GridColumn::HeatRejection] = language.Lookup(keys::HeatRejectionKw.Key);
    headings[GridColumn::PressLoss] = language.Lookup(keys::OilPressureLossBar.Key);
    headings[GridColumn::SoundLevel] =
        language.Lookup(keys::Spl.Key) + std::string(GridLineBreak) + language.Lookup(keys::DbA1m.Key);
    if (columnCount_ == ColumnsWithPrice)
        headings[GridColumn::Price] = language.Lookup(keys::Price.Key);
}

bool ResultGrid::ShowSelection(DutySelection selection, GridUnits units, const LanguageTable& language)
{
    if (tab_ != ResultTab::Calculation || selection.Outcome != SelectionOutcome::Shown)
        return false;
    drive_ = selection.IsHydraulic() ? GridDrive::Hydraulic : selection.IsKrc() ? GridDrive::KRC : GridDrive::ACDC;
    units_ = units;
    results_ = std::move(selection.ResultCoolers);
    groups_ = std::move(selection.HydraulicGroups);
    groupPos_.assign(groups_.size(), 0);
    if (drive_ == GridDrive::Hydraulic)
        results_.clear();
    WriteHeadings(language);
    Fill(language);
    return true;
}

bool ResultGrid::ShowKnownRating(KnownRating rating, DriveChoice drive, int pressureUnit,
                                 const LanguageTable& language)
{
    if (tab_ != ResultTab::KnownCooler || !rating.Shown() || rating.KnownResults.empty())
        return false;
    drive_ = drive == DriveChoice::Hydraulic ? GridDrive::Hydraulic
             : drive == DriveChoice::KRC     ? GridDrive::KRC
                                             : GridDrive::ACDC;
    units_ = {0, pressureUnit};
    results_ = std::move(rating.KnownResults);
    groups_.clear();
    groupPos_.clear();
    WriteHeadings(language);
    Fill(language);
    return true;
}

void ResultGrid::WriteHeadings(const LanguageTable& language)
{
    auto& headings = cells_[0];
    headings[GridColumn::Motor] =
        language.Lookup(drive_ == GridDrive::Hydraulic ? keys::HydraulicMotor.Key : keys::Motor.Key);
    headings[GridColumn::HeatRejection] =
        UnitLine(language.Lookup(keys::HeatRejectionKw.Key), UnitsPower, units_.Heat);
    headings[GridColumn::PressLoss] =
        UnitLine(language.Lookup(keys::OilPressureLossBar.Key), UnitsPressure, units_.Pressure);
}

// Writes one row per result (per group: its shown entry) below the
// headings; the price heading names the currency of the last row written.
void ResultGrid::Fill(const LanguageTable& language)
{
    const std::string noData = language.Lookup(keys::NoData.Key);
    const int entries = EntryCount();
    cells_.resize(1);
    for (int entry = 0; entry < entries; ++entry)
        cells_.push_back(CellsOf(*ResultAt(entry + 1), entry + 1, noData));
    WritePriceHeading(language);
    // More results than the usual 20 rows hold get the rows they need.
    rowCount_ = std::max(ShownGridRows, entries + 1);
    shown_ = true;
}

void ResultGrid::WritePriceHeading(const LanguageTable& language)
{
    const int entries = EntryCount();
    if (columnCount_ == ColumnsWithPrice && entries > 0)
        cells_[0][GridColumn::Price] = language.Lookup(keys::Price.Key) + std::string(GridLineBreak) +
                                       ResultAt(entries)->Currency;
}

std::vector<std::string> ResultGrid::CellsOf(const tCoolType& result, int rowNumber, const std::string& noData) const
{
    std::vector<std::string> cells(columnCount_);
    cells[GridColumn::RowNumber] = std::to_string(rowNumber);
    for (int column = GridColumn::Cooler; column < columnCount_; ++column)
        cells[column] = ResultCellText(result, column, tab_, drive_, units_, noData, settings_);
    return cells;
}

const std::string& ResultGrid::Cell(int column, int row) const
{
    if (row < 0 || column < 0 || row >= static_cast<int>(cells_.size()) || column >= columnCount_)
        return NoText;
    return cells_[row][column];
}

std::vector<std::string> ResultGrid::RowCells(int row) const
{
    std::vector<std::string> cells;
    for (int column = 0; column < columnCount_; ++column)
        cells.push_back(Cell(column, row));
    return cells;
}

int ResultGrid::ResultRowCount() const { return shown_ ? EntryCount() : 0; }

int ResultGrid::EntryCount() const
{
    return static_cast<int>(drive_ == GridDrive::Hydraulic && tab_ == ResultTab::Calculation ? groups_.size()
                                                                                              : results_.size());
}

const tCoolType* ResultGrid::ResultAt(int row) const
{
    if (row < 1 || row > EntryCount())
        return nullptr;
    const auto index = static_cast<std::size_t>(row - 1);
    if (drive_ == GridDrive::Hydraulic && tab_ == ResultTab::Calculation)
        return &groups_[index][static_cast<std::size_t>(groupPos_[index])];
    return &results_[index];
}

std::string ResultGrid::NumberSortKey(std::string_view cell, char decimalSeparator)
{
    std::string key(TrimText(cell));
    if (key.find(decimalSeparator) == std::string::npos) {
        key += decimalSeparator;
        key += '0';
    }
    if (key.size() < NumberSortKeyLength)
        key.insert(0, NumberSortKeyLength - key.size(), '0');
    return key;
}

bool ResultGrid::SortByColumn(int column, const LanguageTable& language)
{
    // The motor column has no heading button.
    if (!shown_ || column < GridColumn::Cooler || column == GridColumn::Motor || column >= columnCount_)
        return false;
    const bool hydraulicGroups = drive_ == GridDrive::Hydraulic && tab_ == ResultTab::Calculation;
    const std::string noData = language.Lookup(keys::NoData.Key);
    const int entries = EntryCount();

    std::vector<std::string> keys;
    for (int entry = 0; entry < entries; ++entry) {
        const auto index = static_cast<std::size_t>(entry);
        const tCoolType& shown = hydraulicGroups ? groups_[index].front() : results_[index];
        std::string text = ResultCellText(shown, column, tab_, drive_, units_, noData, settings_);
        if (column == GridColumn::HeatRejection || column == GridColumn::PressLoss)
            text = NumberSortKey(text, settings_.DecimalSeparator);
        keys.push_back(std::move(text));
    }
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) { return CompareText(keys[a], keys[b]) < 0; });

    const auto reorder = [&](auto& list) {
        std::remove_reference_t<decltype(list)> ordered;
        ordered.reserve(list.size());
        for (std::size_t i : order)
            ordered.push_back(std::move(list[i]));
        list = std::move(ordered);
    };
    if (hydraulicGroups) {
        reorder(groups_);
        std::ranges::fill(groupPos_, 0);
    } else {
        reorder(results_);
    }
    Fill(language);
    return true;
}

StepOutcome ResultGrid::Step(int row, StepDirection direction)
{
    if (!HasStepButton() || row < 1 || row > static_cast<int>(groups_.size()))
        return StepOutcome::Beep;
    const auto index = static_cast<std::size_t>(row - 1);
    int& position = groupPos_[index];
    const StepOutcome outcome = StepPosition(position, groups_[index].size(), direction);
    if (outcome == StepOutcome::Stepped)
        cells_[static_cast<std::size_t>(row)][GridColumn::Motor] =
            HydraulicMotorText(groups_[index][static_cast<std::size_t>(position)], settings_);
    return outcome;
}

std::optional<std::string> ResultGrid::StepHint(int row, const LanguageTable& language) const
{
    if (!HasStepButton() || row < 1 || row > static_cast<int>(MaxHydraulicGroups))
        return std::nullopt;
    const auto index = static_cast<std::size_t>(row - 1);
    const std::span<const tCoolType> group =
        index < groups_.size() ? std::span<const tCoolType>(groups_[index]) : std::span<const tCoolType>();
    return HydraulicStepHint(language.Lookup(keys::HintSelectHydraulicMotor.Key), group, settings_);
}

}  // namespace kr
