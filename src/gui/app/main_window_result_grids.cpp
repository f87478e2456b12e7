// The result grids once filled: sorting by a heading button, choosing a
// row, stepping through the hydraulic motors of a row, and the transfer of
// a row's cooler to the quotation.
#include "core/engine/hydraulic_steps.h"
#include "core/engine/result_grid.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/result_grid_view.h"
#include "gui/platform/message_boxes.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/step_cell_delegate.h"
#include "gui/widgets/string_grid.h"

#include <QScrollBar>

namespace kr::gui {

void TFormStartmenu::ConnectResultGrids()
{
    const MainScreenControls& m = MainScreen;
    for (StringGrid* grid : {m.StringGridResult, m.StringGridResult1})
        grid->SetFixedColumnSelectsRow(true);
    const auto connectSorting = [this](const SortButtons& buttons, ResultTab tab) {
        for (ColorButton* button : buttons) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, button, tab] { SortResults(tab, button->property("tag").toInt()); });
        }
    };
    connectSorting(m.SortButtonsResult, ResultTab::Calculation);
    connectSorting(m.SortButtonsResult1, ResultTab::KnownCooler);
    connect(m.zBitColBtnTransfer, &QAbstractButton::clicked, this,
            [this] { zBitColBtnTransferClick(ResultTab::Calculation); });
    connect(m.zBitColBtnTransfer1, &QAbstractButton::clicked, this,
            [this] { zBitColBtnTransferClick(ResultTab::KnownCooler); });

    StringGrid* grid = m.StringGridResult;
    stepCells_ = new StepCellDelegate(grid);
    grid->setItemDelegateForColumn(GridColumn::Motor - 1, stepCells_);
    connect(m.zcSpinBtn1, &SpinButton::UpClicked, this, &TFormStartmenu::zcSpinBtn1UpClick);
    connect(m.zcSpinBtn1, &SpinButton::DownClicked, this, &TFormStartmenu::zcSpinBtn1DownClick);
    connect(grid, &QTableWidget::currentCellChanged, this, &TFormStartmenu::StringGridResultSelectCell);
    // The step button follows its cell when the grid scrolls or its sizes change.
    for (QScrollBar* bar : {grid->horizontalScrollBar(), grid->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &TFormStartmenu::PlaceStepButton);
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()})
        connect(header, &QHeaderView::sectionResized, this, &TFormStartmenu::PlaceStepButton);
}

void TFormStartmenu::SortResults(ResultTab tab, int column)
{
    const bool calculation = tab == ResultTab::Calculation;
    ResultGrid& model = calculation ? state_.CalculationResults : state_.KnownCoolerResults;
    if (!model.SortByColumn(column, state_.Texts()))
        return;
    ShowResultGridModel(tab);
    // The chosen row now shows another group, with motors of its own.
    if (calculation)
        StringGridResultSelectCell();
}

void TFormStartmenu::ShowResultGridModel(ResultTab tab)
{
    const MainScreenControls& m = MainScreen;
    const bool calculation = tab == ResultTab::Calculation;
    ShowGridModel(calculation ? *m.StringGridResult : *m.StringGridResult1,
                  calculation ? m.SortButtonsResult : m.SortButtonsResult1,
                  calculation ? state_.CalculationResults : state_.KnownCoolerResults, state_.Texts(), state_.Format);
}

void TFormStartmenu::zBitColBtnTransferClick(ResultTab origin)
{
    const bool fromDuty = origin == ResultTab::Calculation;
    const StringGrid& grid = fromDuty ? *MainScreen.StringGridResult : *MainScreen.StringGridResult1;
    const ResultGrid& results = fromDuty ? state_.CalculationResults : state_.KnownCoolerResults;
    // A row without a result transfers nothing.
    if (const tCoolType* chosen = results.ResultAt(grid.Row()))
        Quotation->TransferCooler(*chosen);
}

void TFormStartmenu::StringGridResultSelectCell()
{
    const int row = MainScreen.StringGridResult->Row();
    if (const std::optional<std::string> hint = state_.CalculationResults.StepHint(row, state_.Texts()))
        SetHint(*MainScreen.zcSpinBtn1, GridText(*hint));
    PlaceStepButton();
}

void TFormStartmenu::PlaceStepButton()
{
    SpinButton* button = MainScreen.zcSpinBtn1;
    StringGrid& grid = *MainScreen.StringGridResult;
    const int row = grid.Row();
    if (!state_.CalculationResults.HasStepButton() || row < 1 || grid.Cell(GridColumn::Motor, row).isEmpty()) {
        button->hide();
        return;
    }
    // At the right edge of the cell, clipped with it when the grid scrolls.
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, GridColumn::Motor - 1));
    const int width = button->sizeHint().width();
    grid.PlaceOverCells(button, QRect(cell.right() - width + 1, cell.top(), width, cell.height()));
}

void TFormStartmenu::zcSpinBtn1UpClick()
{
    StepHydraulicMotor(StepDirection::Up);
}

void TFormStartmenu::zcSpinBtn1DownClick()
{
    StepHydraulicMotor(StepDirection::Down);
}

void TFormStartmenu::StepHydraulicMotor(StepDirection direction)
{
    StringGrid& grid = *MainScreen.StringGridResult;
    const int row = grid.Row();
    if (state_.CalculationResults.Step(row, direction) == StepOutcome::Beep) {
        MessageBoxes::Beep();
        return;
    }
    ShowGridRow(grid, state_.CalculationResults, row);
}

}  // namespace kr::gui
