// Clearing the input tabs and their result grids.
#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/string_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace kr::gui {

namespace {

constexpr int PriceColumn = 6;
constexpr int PriceColumnWidth = 120;
constexpr int MotorColumn = 2;
constexpr int ColumnsWithPrice = 7;
constexpr int ColumnsWithoutPrice = 6;

const QString LineBreak = QStringLiteral("\n");

void UncheckAll(std::initializer_list<QRadioButton*> buttons)
{
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

}  // namespace

void TFormStartmenu::ResetResultGrid(StringGrid& grid, const SortButtons& sortButtons)
{
    const LanguageTable& texts = state_.Texts();
    grid.ClearCells();
    grid.SetRowCount(2);
    const bool withPrice = !state_.PriceRecords.empty();
    grid.SetColCount(withPrice ? ColumnsWithPrice : ColumnsWithoutPrice);
    if (withPrice)
        grid.SetColWidth(PriceColumn, PriceColumnWidth);
    grid.SetCell(0, 0, QString());
    const std::array<QString, SortColumns.size()> headings{
        Text(texts, keys::KrCooler), Text(texts, keys::HeatRejectionKw), Text(texts, keys::OilPressureLossBar),
        Text(texts, keys::Spl) + LineBreak + Text(texts, keys::DbA1m), Text(texts, keys::Price)};
    for (std::size_t i = 0; i < SortColumns.size(); ++i) {
        sortButtons[i]->setText(headings[i]);
        sortButtons[i]->setAccessibleName(headings[i]);
    }
    grid.SetCell(MotorColumn, 0, Text(texts, keys::Motor));
    grid.hide();
}

void TFormStartmenu::ResetCalculationResults()
{
    state_.ResultCoolers.clear();
    for (std::vector<tCoolType>& group : state_.HydraulicGroups)
        group.clear();
    state_.HydraulicGroupPos.fill(0);
    const MainScreenControls& m = MainScreen;
    ResetResultGrid(*m.StringGridResult, m.SortButtonsResult);
    m.zBitColBtnTData->hide();
    m.zBitColBtnTransfer->hide();
    m.zcSpinBtn1->hide();
}

void TFormStartmenu::ResetKnownResults()
{
    state_.KnownResults.clear();
    const MainScreenControls& m = MainScreen;
    ResetResultGrid(*m.StringGridResult1, m.SortButtonsResult1);
    m.zBitColBtnTData1->hide();
    m.zBitColBtnTransfer1->hide();
}

void TFormStartmenu::zBitColBtnResetClick()
{
    state_.CurrentCooler.IsChosen = false;
    QWidget* tab = MainScreen.PageControlCooise->currentWidget();
    if (tab == MainScreen.TabSheetCalc) {
        const CalcTabControls& c = Calc;
        ResetCalculationResults();
        for (QLineEdit* edit : {c.EditHeatReject, c.EditOilFlow, c.EditAmbientTemp, c.EditInletTemp})
            edit->clear();
        c.CheckBoxDefault->setChecked(true);
        c.RadioButtonHydralic->setChecked(true);
        for (QComboBox* box : {c.ComboBoxHeatReject, c.ComboBoxOilFlow, c.ComboBoxAmbientTemp, c.ComboBoxInletTemp,
                               c.ComboBoxACDC})
            box->setCurrentIndex(0);
        UncheckAll({c.RadioButtonACDC, c.RadioButtonHydralic, c.RadioButtonKRC});
    } else if (tab == MainScreen.TabSheetKnown) {
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
        UncheckAll({k.RadioButtonACDC1, k.RadioButtonHydralic1, k.RadioButtonKRC1});
    }
}

}  // namespace kr::gui
