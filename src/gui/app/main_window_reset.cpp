// Clearing the input tabs and their result grids.
#include "core/engine/result_grid.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/result_grid_view.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/radio_buttons.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/step_cell_delegate.h"
#include "gui/widgets/string_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace kr::gui {

void TFormStartmenu::ResetResultGrid(ResultTab tab)
{
    const bool calculation = tab == ResultTab::Calculation;
    ResultGrid& model = calculation ? state_.CalculationResults : state_.KnownCoolerResults;
    StringGrid& grid = calculation ? *MainScreen.StringGridResult : *MainScreen.StringGridResult1;
    // Made anew, so that the results show the locale's separator of now.
    model = ResultGrid(tab, state_.Format);
    model.Reset(state_.Texts(), !state_.PriceRecords.empty());
    ShowResultGridModel(tab);
    if (model.ColumnCount() == ColumnsWithPrice)
        grid.SetColWidth(GridColumn::Price, PriceColumnWidth);
    grid.hide();
}

void TFormStartmenu::ResetCalculationResults()
{
    const MainScreenControls& m = MainScreen;
    ResetResultGrid(ResultTab::Calculation);
    if (stepCells_)
        stepCells_->SetStepWidth(0);
    m.zBitColBtnTData->hide();
    m.zBitColBtnTransfer->hide();
    m.zcSpinBtn1->hide();
}

void TFormStartmenu::ResetKnownResults()
{
    const MainScreenControls& m = MainScreen;
    ResetResultGrid(ResultTab::KnownCooler);
    m.zBitColBtnTData1->hide();
    m.zBitColBtnTransfer1->hide();
}

void TFormStartmenu::zBitColBtnResetClick()
{
    QWidget* tab = MainScreen.PageControlCooise->currentWidget();
    if (tab == MainScreen.TabSheetCalc)
        ResetCalculationTab();
    else if (tab == MainScreen.TabSheetKnown)
        ResetKnownTab();
}

void TFormStartmenu::ResetCalculationTab()
{
    state_.CurrentCooler.IsChosen = false;
    const CalcTabControls& c = Calc;
    ResetCalculationResults();
    for (QLineEdit* edit : {c.EditHeatReject, c.EditOilFlow, c.EditAmbientTemp, c.EditInletTemp})
        edit->clear();
    c.CheckBoxDefault->setChecked(true);
    c.RadioButtonHydralic->setChecked(true);
    for (QComboBox* box : {c.ComboBoxHeatReject, c.ComboBoxOilFlow, c.ComboBoxAmbientTemp, c.ComboBoxInletTemp,
                           c.ComboBoxACDC})
        box->setCurrentIndex(0);
    UncheckRadioButtons({c.RadioButtonACDC, c.RadioButtonHydralic, c.RadioButtonKRC});
}

void TFormStartmenu::ResetKnownTab()
{
    state_.CurrentCooler.IsChosen = false;
    const KnownTabControls& k = Known;
    ResetKnownResults();
    k.ComboBoxSelectCooler->setCurrentIndex(-1);
    for (QWidget* control : std::initializer_list<QWidget*>{k.RadioButtonACDC1, k.RadioButtonHydralic1,
                                                            k.RadioButtonKRC1, k.ComboBoxACDC1, k.ComboBoxHyd1})
        control->setEnabled(false);
    for (QLineEdit* edit : {k.EditOilFlow1, k.EditAmbientTemp1, k.EditInletTemp1})
        edit->clear();
    k.CheckBoxDefault1->setChecked(true);
    k.RadioButtonHydralic1->setChecked(true);
    for (QComboBox* box : {k.ComboBoxOilFlow1, k.ComboBoxAmbientTemp1, k.ComboBoxInletTemp1})
        box->setCurrentIndex(0);
    k.ComboBoxACDC1->setCurrentIndex(-1);
    k.ComboBoxHyd1->setCurrentIndex(-1);
    UncheckRadioButtons({k.RadioButtonACDC1, k.RadioButtonHydralic1, k.RadioButtonKRC1});
}

}  // namespace kr::gui
