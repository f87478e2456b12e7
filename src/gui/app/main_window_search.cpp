// The search button: the selection by duty on the Calculation tab and the
// rating of a named cooler type on the Known cooler tab, each shown in its
// tab's result grid.
#include "core/data/text_keys.h"
#include "core/engine/known_rating.h"
#include "core/engine/result_grid.h"
#include "core/engine/selection.h"
#include "gui/app/app_state.h"
#include "gui/app/form_errors.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/result_grid_view.h"
#include "gui/app/screen_texts.h"
#include "gui/app/search_input.h"
#include "gui/platform/message_boxes.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/step_cell_delegate.h"
#include "gui/widgets/string_grid.h"

#include <array>

namespace kr::gui {

void TFormStartmenu::zBitColBtnSearchClick()
{
    QWidget* tab = MainScreen.PageControlCooise->currentWidget();
    if (tab == MainScreen.TabSheetCalc)
        SearchByDuty();
    else if (tab == MainScreen.TabSheetKnown)
        SearchKnownCooler();
}

void TFormStartmenu::SearchByDuty()
{
    ResetCalculationResults();
    const LanguageTable& texts = state_.Texts();
    const CalculationInput input = ReadCalculationInput(Calc);
    const AskPressLossQuestion askPressLoss = [this](std::string_view text, std::string_view caption) {
        const MessageBoxRequest question{this,
                                         FromUtf8(caption),
                                         FromUtf8(text),
                                         QMessageBox::Warning,
                                         QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::Yes};
        return MessageBoxes::Show(question) == QMessageBox::Yes;
    };
    DutySelection selection = SelectByDuty(input, state_.Database.CoolerRecords, state_.PriceRecords, texts,
                                           state_.Format, askPressLoss);
    switch (selection.Outcome) {
    case SelectionOutcome::Errors: ShowErrorList(this, texts, FromUtf8(selection.ErrorText)); return;
    case SelectionOutcome::UnreadableDatabase:
        MessageBoxes::ShowError(this, Text(texts, keys::ErrorCaption), FromUtf8(selection.ErrorText));
        return;
    case SelectionOutcome::EndedByQuestion: return;
    case SelectionOutcome::Shown: break;
    }
    // Heat and pressure loss in the units the duty was typed in.
    const GridUnits units{input.HeatRejectUnit, input.MaxLossUnit};
    if (state_.CalculationResults.ShowSelection(std::move(selection), units, texts))
        ShowSearchResults(ResultTab::Calculation);
}

void TFormStartmenu::SearchKnownCooler()
{
    ResetKnownResults();
    const LanguageTable& texts = state_.Texts();
    const KnownInput input = ReadKnownInput(Known);
    KnownRating rating =
        RateKnownCooler(input, state_.Database.CoolerRecords, state_.PriceRecords, texts, state_.Format);
    if (!rating.Shown()) {
        ShowErrorList(this, texts, FromUtf8(rating.ErrorText));
        return;
    }
    // Pressure loss in the display unit of the options.
    if (state_.KnownCoolerResults.ShowKnownRating(std::move(rating), input.Drive, state_.Settings.PresssureLoss,
                                                  texts))
        ShowSearchResults(ResultTab::KnownCooler);
}

void TFormStartmenu::ShowSearchResults(ResultTab tab)
{
    const MainScreenControls& m = MainScreen;
    const bool calculation = tab == ResultTab::Calculation;
    const ResultGrid& model = calculation ? state_.CalculationResults : state_.KnownCoolerResults;
    StringGrid& grid = calculation ? *m.StringGridResult : *m.StringGridResult1;
    ShowResultGridModel(tab);
    grid.setEnabled(true);
    grid.show();
    // The first result is the one chosen until the user picks another.
    grid.SetRow(1);
    const std::array<ColorButton*, 2> buttons =
        calculation ? std::array{m.zBitColBtnTData, m.zBitColBtnTransfer}
                    : std::array{m.zBitColBtnTData1, m.zBitColBtnTransfer1};
    for (ColorButton* button : buttons)
        button->show();
    if (calculation) {
        stepCells_->SetStepWidth(model.HasStepButton() ? m.zcSpinBtn1->sizeHint().width() : 0);
        StringGridResultSelectCell();
    }
}

}  // namespace kr::gui
