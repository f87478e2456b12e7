#include "core/engine/result_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kr {
namespace {

const LanguageTable& Texts()
{
    static const LanguageTable table({
        "KR cooler=Cooler",
        "Motor=Motor",
        "Hydraulic Motor=Hydraulic motor",
        "Heat rejection (kW)=Heat rejection",
        "Oil pressure loss (bar)=Pressure loss",
        "SPL=Sound",
        "dB(A) 1m=dB(A) 1m",
        "Price=Price",
        "No data=n/a",
        "Hint select hydraulic motor=Motors:",
    });
    return table;
}

struct Cooler {
    std::string Designation = "KR 10 AC 400V 4-pol";
    std::string CoolerType = "KR 10";
    std::string MotorKind = "400";
    int Voltage = 400;
    int Frequency = 50;
    int Poles = 4;
    int FanSpeed = 1450;
    int SoundLevel = 67;
    Extended MotorPower = 0.09L;
    Extended MotorCurrent = 0.32L;
    std::string HydDisplacement;
    int HydPressure = 0;
    Extended HydOilFlow = 0;
    Extended HeatA = 0.0163L;
    Extended Price = 3950;
    std::string Currency = "DKK";
    Extended HeatRejection = 10;
    Extended PressLoss = 0.5L;
};

tCoolType Make(const Cooler& c)
{
    tCoolType r;
    r.SetText(CoolerField::Designation, c.Designation);
    r.SetText(CoolerField::CoolerType, c.CoolerType);
    r.SetText(CoolerField::MotorKind, c.MotorKind);
    r.SetInteger(CoolerField::Voltage, c.Voltage);
    r.SetInteger(CoolerField::Frequency, c.Frequency);
    r.SetInteger(CoolerField::Poles, c.Poles);
    r.SetInteger(CoolerField::FanSpeed, c.FanSpeed);
    r.SetInteger(CoolerField::SoundLevel, c.SoundLevel);
    r.SetNumber(CoolerField::MotorPower, c.MotorPower);
    r.SetNumber(CoolerField::MotorCurrent, c.MotorCurrent);
    r.SetText(CoolerField::HydDisplacement, c.HydDisplacement);
    r.SetInteger(CoolerField::HydPressure, c.HydPressure);
    r.SetNumber(CoolerField::HydOilFlow, c.HydOilFlow);
    r.SetNumber(CoolerField::HeatCoefA, c.HeatA);
    r.SetNumber(CoolerField::Price, c.Price);
    r.Currency = c.Currency;
    r.HeatRejection = c.HeatRejection;
    r.PressLoss = c.PressLoss;
    return r;
}

Cooler Hydraulic(std::string type, std::string displacement, Extended hydFlow, int speed, Extended heatA)
{
    Cooler c;
    c.Designation = type + " HYD " + displacement;
    c.CoolerType = type;
    c.MotorKind = "HYD";
    c.HydDisplacement = displacement;
    c.HydPressure = 180;
    c.HydOilFlow = hydFlow;
    c.FanSpeed = speed;
    c.HeatA = heatA;
    return c;
}

DutySelection Selection(std::string driveKey, std::vector<tCoolType> results)
{
    DutySelection selection;
    selection.Outcome = SelectionOutcome::Shown;
    selection.DriveKey = std::move(driveKey);
    selection.ResultCoolers = std::move(results);
    return selection;
}

DutySelection HydraulicSelection(std::vector<std::vector<tCoolType>> groups)
{
    DutySelection selection = Selection("HYD", {});
    selection.HydraulicGroups = std::move(groups);
    return selection;
}

ResultGrid ShownCalculationGrid(DutySelection selection, char decimalSeparator = '.', GridUnits units = {})
{
    ResultGrid grid(ResultTab::Calculation, {decimalSeparator, '\0'});
    grid.Reset(Texts(), true);
    EXPECT_TRUE(grid.ShowSelection(std::move(selection), units, Texts()));
    return grid;
}

ResultGrid ShownKnownGrid(std::vector<tCoolType> results, DriveChoice drive, int pressureUnit = 0)
{
    ResultGrid grid(ResultTab::KnownCooler, {});
    grid.Reset(Texts(), true);
    KnownRating rating;
    rating.KnownResults = std::move(results);
    EXPECT_TRUE(grid.ShowKnownRating(std::move(rating), drive, pressureUnit, Texts()));
    return grid;
}

// ---------------------------------------------------------------------------
// Reset and headings

TEST(ResultGridReset, HasTwoHiddenRowsAndThePlainHeadings)
{
    for (const bool hasPrices : {true, false}) {
        ResultGrid grid(ResultTab::Calculation, {});
        grid.Reset(Texts(), hasPrices);
        EXPECT_FALSE(grid.Shown());
        EXPECT_EQ(grid.RowCount(), 2);
        EXPECT_EQ(grid.ColumnCount(), hasPrices ? 7 : 6);
        EXPECT_EQ(grid.RowCells(0), (hasPrices ? std::vector<std::string>{"", "Cooler", "Motor", "Heat rejection",
                                                                          "Pressure loss", "Sound\r\ndB(A) 1m", "Price"}
                                               : std::vector<std::string>{"", "Cooler", "Motor", "Heat rejection",
                                                                          "Pressure loss", "Sound\r\ndB(A) 1m"}));
        EXPECT_EQ(grid.ResultAt(1), nullptr);
    }
}

TEST(ResultGridReset, DropsTheResultsOfTheSearchBefore)
{
    ResultGrid grid = ShownCalculationGrid(Selection("400", {Make({})}));
    ASSERT_NE(grid.ResultAt(1), nullptr);
    grid.Reset(Texts(), true);
    EXPECT_EQ(grid.ResultAt(1), nullptr);
    EXPECT_TRUE(grid.Results().empty());
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 1), "");
}

TEST(ResultGridHeadings, NameTheUnitsAndTheCurrencyOfTheLastRow)
{
    Cooler euro;
    euro.Currency = "EUR";
    ResultGrid grid = ShownCalculationGrid(Selection("400", {Make({}), Make(euro)}), '.', {3, 2});
    const std::vector<std::string> expected{"",
                                            "Cooler",
                                            "Motor",
                                            "Heat rejection\r\nBTU/h",
                                            "Pressure loss\r\nkPa",
                                            "Sound\r\ndB(A) 1m",
                                            "Price\r\nEUR"};
    EXPECT_EQ(grid.RowCells(0), expected);
    EXPECT_EQ(grid.RowCount(), ShownGridRows);
}

TEST(ResultGridHeadings, AnotherLanguageRewritesItsTextsAndKeepsTheRows)
{
    const LanguageTable german({"KR cooler=Kühler", "Motor=Motor", "Hydraulic Motor=Hydraulikmotor",
                                "Heat rejection (kW)=Kühlleistung", "Oil pressure loss (bar)=Druckverlust",
                                "SPL=Schall", "dB(A) 1m=dB(A) 1m", "Price=Preis", "No data=k. A."});
    // A stepped hydraulic row keeps the numbers of its first motor.
    Cooler first = Hydraulic("KR 40", "8", 12, 2000, 0.2L);
    Cooler second = Hydraulic("KR 40", "11", 16, 2500, 0.2L);
    second.HeatRejection = 25;
    ResultGrid hydraulic = ShownCalculationGrid(HydraulicSelection({{Make(first), Make(second)}}), '.', {0, 2});
    ASSERT_EQ(hydraulic.Step(1, StepDirection::Down), StepOutcome::Stepped);
    const std::vector<std::string> row = hydraulic.RowCells(1);
    hydraulic.ApplyLanguage(german);
    EXPECT_EQ(hydraulic.RowCells(0), (std::vector<std::string>{"", "Kühler", "Hydraulikmotor", "Kühlleistung\r\nkW",
                                                               "Druckverlust\r\nkPa", "Schall\r\ndB(A) 1m",
                                                               "Preis\r\nDKK"}));
    EXPECT_EQ(hydraulic.RowCells(1), row);

    Cooler krc;
    krc.CoolerType = "KRC 20";
    krc.MotorKind = "KRC";
    ResultGrid known = ShownKnownGrid({Make(krc)}, DriveChoice::KRC);
    known.ApplyLanguage(german);
    EXPECT_EQ(known.Cell(GridColumn::PressLoss, 1), "k. A.");

    ResultGrid empty(ResultTab::KnownCooler, {});
    empty.Reset(Texts(), false);
    empty.ApplyLanguage(german);
    EXPECT_EQ(empty.RowCells(0), (std::vector<std::string>{"", "Kühler", "Motor", "Kühlleistung", "Druckverlust",
                                                           "Schall\r\ndB(A) 1m"}));
    EXPECT_FALSE(empty.Shown());
}

TEST(ResultGridHeadings, KnownGridShowsKilowattsAndTheOptionsPressureUnit)
{
    const ResultGrid grid = ShownKnownGrid({Make({})}, DriveChoice::Hydraulic, 3);
    EXPECT_EQ(grid.Cell(GridColumn::Motor, 0), "Hydraulic motor");
    EXPECT_EQ(grid.Cell(GridColumn::HeatRejection, 0), "Heat rejection\r\nkW");
    EXPECT_EQ(grid.Cell(GridColumn::PressLoss, 0), "Pressure loss\r\nPSI");
}

TEST(ResultGridHeadings, WithoutPricesThereIsNoPriceColumn)
{
    ResultGrid grid(ResultTab::Calculation, {});
    grid.Reset(Texts(), false);
    ASSERT_TRUE(grid.ShowSelection(Selection("400", {Make({})}), {}, Texts()));
    EXPECT_EQ(grid.ColumnCount(), ColumnsWithoutPrice);
    EXPECT_EQ(grid.RowCells(1).size(), 6u);
    EXPECT_EQ(grid.Cell(GridColumn::Price, 0), "");
    EXPECT_EQ(grid.Cell(GridColumn::Price, 1), "");
}

// ---------------------------------------------------------------------------
// Cell texts

TEST(ResultGridCells, AcRowShowsEveryColumnInItsFormat)
{
    Cooler c;
    c.HeatRejection = 12.345L;
    c.PressLoss = 0.26L;
    c.Price = 3950.5L;
    const ResultGrid grid = ShownCalculationGrid(Selection("400", {Make(c)}));
    const std::vector<std::string> expected{
        "1", "KR 10 AC 400V 4-pol", "50 Hz / 1450 rev / 0.1 KW", "      12.3", "       0.3", "    67",
        "      3950.50"};
    EXPECT_EQ(grid.RowCells(1), expected);
}

TEST(ResultGridCells, NumbersFollowTheUnitsAndTheDecimalSeparator)
{
    Cooler c;
    c.HeatRejection = 10;     // kW -> 34121.4 BTU/h
    c.PressLoss = 0.5L;       // bar -> 50 kPa
    c.Price = 1234.5L;
    const ResultGrid grid = ShownCalculationGrid(Selection("400", {Make(c)}), ',', {3, 2});
    EXPECT_EQ(grid.Cell(GridColumn::HeatRejection, 1), "     34121");
    EXPECT_EQ(grid.Cell(GridColumn::PressLoss, 1), "      50,0");
    EXPECT_EQ(grid.Cell(GridColumn::Motor, 1), "50 Hz / 1450 rev / 0,1 KW");
    EXPECT_EQ(grid.Cell(GridColumn::Price, 1), "      1234,50");
}

TEST(ResultGridCells, DcMotorCurrentDiffersBetweenTheGrids)
{
    Cooler dc;
    dc.Designation = "KR 10 DC 12V";
    dc.MotorKind = "12";
    dc.Voltage = 12;
    dc.MotorCurrent = 10.5L;
    const ResultGrid known = ShownKnownGrid({Make(dc)}, DriveChoice::ACDC);
    EXPECT_EQ(known.Cell(GridColumn::Motor, 1), "10.50 A");
    const ResultGrid calculation = ShownCalculationGrid(Selection("12", {Make(dc)}));
    EXPECT_EQ(calculation.Cell(GridColumn::Motor, 1), "      10.5 A");
}

TEST(ResultGridCells, KrcRowsShowNoDataAndTheirPump)
{
    Cooler krc;
    krc.Designation = "KRC 20 400V";
    krc.CoolerType = "KRC 20";
    krc.MotorKind = "KRC";
    krc.Frequency = 50;
    krc.FanSpeed = 2800;
    krc.MotorPower = 0.75L;
    krc.Poles = 2;
    const ResultGrid known = ShownKnownGrid({Make(krc)}, DriveChoice::KRC);
    EXPECT_EQ(known.Cell(GridColumn::Cooler, 1), "KRC 20 / 400V / 2-pol");
    EXPECT_EQ(known.Cell(GridColumn::Motor, 1), "50 Hz / 2800 rev / 0.8 KW");
    EXPECT_EQ(known.Cell(GridColumn::PressLoss, 1), "n/a");
    const ResultGrid calculation = ShownCalculationGrid(Selection("KRC", {Make(krc)}));
    EXPECT_EQ(calculation.Cell(GridColumn::Motor, 1), "50 Hz / 2800 rev / 0.8 KW");
    EXPECT_EQ(calculation.Cell(GridColumn::PressLoss, 1), "n/a");
}

TEST(ResultGridCells, CalculationGridTellsKrcByTheWholeCoolerType)
{
    // A 24 V pump cooler shows its current unless its type is exactly "KRC";
    // the Known-cooler grid goes by the drive button instead.
    Cooler krc;
    krc.CoolerType = "KRC 10";
    krc.Voltage = 24;
    krc.MotorCurrent = 3.25L;
    krc.MotorPower = 0.1L;
    krc.FanSpeed = 2700;
    EXPECT_EQ(ShownCalculationGrid(Selection("KRC", {Make(krc)})).Cell(GridColumn::Motor, 1), "       3.3 A");
    krc.CoolerType = "KRC";
    EXPECT_EQ(ShownCalculationGrid(Selection("KRC", {Make(krc)})).Cell(GridColumn::Motor, 1),
              "50 Hz / 2700 rev / 0.1 KW");
    krc.CoolerType = "KRC 10";
    EXPECT_EQ(ShownKnownGrid({Make(krc)}, DriveChoice::KRC).Cell(GridColumn::Motor, 1), "50 Hz / 2700 rev / 0.1 KW");
}

TEST(ResultGridCells, HydraulicRowsNameCoreSpeedAndMotor)
{
    const tCoolType entry = Make(Hydraulic("KR 30", "8", 11.25L, 2400, 0.1L));
    const ResultGrid grid = ShownCalculationGrid(HydraulicSelection({{entry}}));
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 1), "KR 30 / HYD / 2400 rev");
    EXPECT_EQ(grid.Cell(GridColumn::Motor, 1), "8 cc 180 bar 11.3 l/min");
    EXPECT_EQ(grid.Cell(GridColumn::Motor, 0), "Hydraulic motor");
}

TEST(ResultGridCells, KnownGridShowsEveryResultEvenBeyondTwentyRows)
{
    std::vector<tCoolType> results(25, Make({}));
    const ResultGrid grid = ShownKnownGrid(results, DriveChoice::ACDC);
    EXPECT_EQ(grid.ResultRowCount(), 25);
    EXPECT_GE(grid.RowCount(), 26);
    EXPECT_EQ(grid.Cell(GridColumn::RowNumber, 25), "25");
    EXPECT_NE(grid.ResultAt(25), nullptr);
}

// ---------------------------------------------------------------------------
// Sorting

TEST(ResultGridSort, NumberKeysOrderByValue)
{
    struct Row {
        const char* cell;
        char separator;
        const char* key;
    };
    const Row rows[] = {
        {"       9.5", '.', "0000000009.5"}, {"      10.0", '.', "0000000010.0"}, {"       100", '.', "0000000100.0"},
        {"      12,5", ',', "0000000012,5"}, {"     34121", ',', "0000034121,0"},
        {"123456789012.0", '.', "123456789012.0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ResultGrid::NumberSortKey(row.cell, row.separator), row.key) << row.cell;
}

TEST(ResultGridSort, ByHeatRejectionPutsNinePointFiveBeforeTen)
{
    Cooler ten;
    ten.Designation = "ten";
    ten.HeatRejection = 10;
    Cooler nine;
    nine.Designation = "nine";
    nine.HeatRejection = 9.5L;
    Cooler hundred;
    hundred.Designation = "hundred";
    hundred.HeatRejection = 150;
    ResultGrid grid = ShownCalculationGrid(Selection("400", {Make(hundred), Make(ten), Make(nine)}));
    ASSERT_TRUE(grid.SortByColumn(GridColumn::HeatRejection, Texts()));
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 1), "nine");
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 2), "ten");
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 3), "hundred");
    EXPECT_EQ(grid.Cell(GridColumn::RowNumber, 1), "1");
    // The result list follows the rows.
    EXPECT_EQ(grid.Results()[0].Designation(), "nine");
    EXPECT_EQ(grid.ResultAt(3)->Designation(), "hundred");
}

TEST(ResultGridSort, ByTextAndPriceColumnsAndTheCurrencyFollows)
{
    Cooler b;
    b.Designation = "b cooler";
    b.Price = 200;
    b.Currency = "EUR";
    Cooler a;
    a.Designation = "A cooler";
    a.Price = 1000;
    ResultGrid grid = ShownCalculationGrid(Selection("400", {Make(b), Make(a)}));
    EXPECT_EQ(grid.Cell(GridColumn::Price, 0), "Price\r\nDKK");
    ASSERT_TRUE(grid.SortByColumn(GridColumn::Price, Texts()));
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 1), "b cooler");
    EXPECT_EQ(grid.Cell(GridColumn::Price, 0), "Price\r\nDKK");
    ASSERT_TRUE(grid.SortByColumn(GridColumn::Cooler, Texts()));  // letter case ignored
    EXPECT_EQ(grid.Cell(GridColumn::Cooler, 1), "A cooler");
    EXPECT_EQ(grid.Cell(GridColumn::Price, 0), "Price\r\nEUR");
}

TEST(ResultGridSort, RefusesColumnsWithoutButtonAndEmptyGrids)
{
    ResultGrid grid(ResultTab::Calculation, {});
    grid.Reset(Texts(), false);
    EXPECT_FALSE(grid.SortByColumn(GridColumn::Cooler, Texts()));
    ASSERT_TRUE(grid.ShowSelection(Selection("400", {Make({})}), {}, Texts()));
    EXPECT_FALSE(grid.SortByColumn(GridColumn::RowNumber, Texts()));
    EXPECT_FALSE(grid.SortByColumn(GridColumn::Motor, Texts()));
    EXPECT_FALSE(grid.SortByColumn(GridColumn::Price, Texts()));  // six columns
    EXPECT_TRUE(grid.SortByColumn(GridColumn::SoundLevel, Texts()));
}

TEST(ResultGridSort, HydraulicGroupsMoveAsWholesAndShowTheirFirstMotorAgain)
{
    Cooler big8 = Hydraulic("KR 40", "8", 12, 2000, 0.2L);
    big8.HeatRejection = 20;
    Cooler big11 = Hydraulic("KR 40", "11", 16, 2500, 0.2L);
    big11.HeatRejection = 25;
    Cooler small = Hydraulic("KR 30", "8", 12, 2400, 0.1L);
    small.HeatRejection = 12;
    ResultGrid grid = ShownCalculationGrid(HydraulicSelection({{Make(big8), Make(big11)}, {Make(small)}}));
    ASSERT_EQ(grid.Step(1, StepDirection::Down), StepOutcome::Stepped);
    ASSERT_TRUE(grid.SortByColumn(GridColumn::HeatRejection, Texts()));

    ASSERT_EQ(grid.HydraulicGroups().size(), 2u);
    EXPECT_EQ(grid.HydraulicGroups()[0].size(), 1u);
    EXPECT_EQ(grid.HydraulicGroups()[0][0].CoolerType(), "KR 30");
    ASSERT_EQ(grid.HydraulicGroups()[1].size(), 2u);
    EXPECT_EQ(grid.HydraulicGroups()[1][0].Designation(), "KR 40 HYD 8");
    EXPECT_EQ(grid.HydraulicGroups()[1][1].Designation(), "KR 40 HYD 11");
    EXPECT_EQ(grid.HydraulicGroupPos(), (std::vector<int>{0, 0}));
    EXPECT_EQ(grid.Cell(GridColumn::Motor, 2), "8 cc 180 bar 12.0 l/min");
    EXPECT_EQ(grid.ResultAt(2)->Designation(), "KR 40 HYD 8");
}

// ---------------------------------------------------------------------------
// Hydraulic steps

TEST(ResultGridSteps, WalkTheGroupAndBeepAtItsEnds)
{
    Cooler first = Hydraulic("KR 40", "8", 12, 2000, 0.2L);
    first.HeatRejection = 20;
    Cooler second = Hydraulic("KR 40", "11", 16, 2500, 0.2L);
    second.HeatRejection = 25;
    ResultGrid grid = ShownCalculationGrid(HydraulicSelection({{Make(first), Make(second)}}));
    ASSERT_TRUE(grid.HasStepButton());
    const std::vector<std::string> before = grid.RowCells(1);

    EXPECT_EQ(grid.Step(1, StepDirection::Up), StepOutcome::Beep);
    EXPECT_EQ(grid.RowCells(1), before);

    EXPECT_EQ(grid.Step(1, StepDirection::Down), StepOutcome::Stepped);
    EXPECT_EQ(grid.HydraulicGroupPos()[0], 1);
    EXPECT_EQ(grid.ResultAt(1)->Designation(), "KR 40 HYD 11");
    std::vector<std::string> after = before;
    after[GridColumn::Motor] = "11 cc 180 bar 16.0 l/min";
    EXPECT_EQ(grid.RowCells(1), after);  // only the motor cell changes

    EXPECT_EQ(grid.Step(1, StepDirection::Down), StepOutcome::Beep);
    EXPECT_EQ(grid.HydraulicGroupPos()[0], 1);
    EXPECT_EQ(grid.Step(1, StepDirection::Up), StepOutcome::Stepped);
    EXPECT_EQ(grid.RowCells(1), before);
}

TEST(ResultGridSteps, OnlyHydraulicSelectionsStep)
{
    ResultGrid calculation = ShownCalculationGrid(Selection("400", {Make({}), Make({})}));
    EXPECT_FALSE(calculation.HasStepButton());
    EXPECT_EQ(calculation.Step(1, StepDirection::Down), StepOutcome::Beep);
    EXPECT_FALSE(calculation.StepHint(1, Texts()));

    ResultGrid known = ShownKnownGrid({Make(Hydraulic("KR 30", "8", 12, 2400, 0.1L))}, DriveChoice::Hydraulic);
    EXPECT_FALSE(known.HasStepButton());
    EXPECT_EQ(known.Step(1, StepDirection::Down), StepOutcome::Beep);

    ResultGrid hydraulic = ShownCalculationGrid(HydraulicSelection({{Make(Hydraulic("KR 30", "8", 12, 2400, 0.1L))}}));
    EXPECT_EQ(hydraulic.Step(0, StepDirection::Down), StepOutcome::Beep);
    EXPECT_EQ(hydraulic.Step(2, StepDirection::Down), StepOutcome::Beep);
}

TEST(ResultGridSteps, HintListsEveryMotorOfTheRowsGroup)
{
    ResultGrid grid = ShownCalculationGrid(HydraulicSelection(
        {{Make(Hydraulic("KR 40", "8", 12.25L, 2000, 0.2L)), Make(Hydraulic("KR 40", "11", 16, 2500, 0.2L))}}));
    EXPECT_EQ(grid.StepHint(1, Texts()),
              "Motors:\r\n\r\n8 cc 180 bar 12.3 l/min 2000 rpm\r\n11 cc 180 bar 16.0 l/min 2500 rpm");
    EXPECT_EQ(grid.StepHint(2, Texts()), "Motors:\r\n");
    EXPECT_FALSE(grid.StepHint(11, Texts()));
}

TEST(ResultGridShow, RefusesWhatItCannotShow)
{
    ResultGrid calculation(ResultTab::Calculation, {});
    calculation.Reset(Texts(), true);
    DutySelection failed;
    failed.Outcome = SelectionOutcome::Errors;
    EXPECT_FALSE(calculation.ShowSelection(failed, {}, Texts()));
    EXPECT_FALSE(calculation.Shown());

    ResultGrid known(ResultTab::KnownCooler, {});
    known.Reset(Texts(), true);
    KnownRating rating;
    rating.ErrorText = "1. nothing\r\n\r\n";
    EXPECT_FALSE(known.ShowKnownRating(rating, DriveChoice::ACDC, 0, Texts()));
    EXPECT_FALSE(known.ShowSelection(Selection("400", {Make({})}), {}, Texts()));
}

}  // namespace
}  // namespace kr
