#pragma once

#include "core/quote/quotation.h"
#include "gui/app/main_window_controls.h"

#include <QObject>
#include <QString>

#include <string_view>
#include <vector>

namespace kr {
struct tCoolType;
}  // namespace kr

namespace kr::gui {

class StepCellDelegate;
class TFormStartmenu;

// The Quotation tab of the main window: the offer's receiver, references,
// date and terms, its items with the quantity and delete buttons of the
// current row, and its Reset. It owns its controls, its items and its
// handlers; the main window creates it and forwards the coolers transferred
// from the result grids.
class QuotationTab : public QObject {
    Q_OBJECT
public:
    QuotationTab(QWidget* page, TFormStartmenu& window);
    ~QuotationTab() override;

    QuotationTabControls Controls;

    // The items as the grid shows them, for the print.
    const QuotationItems& Items() const { return items_; }

    // One more unit of a cooler or accessory, priced by its key.
    void AddQuotationItem(std::string_view designation, std::string_view priceKey);
    // A cooler chosen in a result grid: its designation, priced by its ItemNo.
    void TransferCooler(const tCoolType& record);

    // The sender block and the three terms from the settings.
    void FillSenderAndTerms();
    // The tab's texts in the screen language. The receiver prompt and the
    // date are renewed only where they still show what the program wrote.
    void ApplyTexts();

public slots:
    void zcSpinBtn3UpClick();
    void zcSpinBtn3DownClick();
    void zNWBitColBtnCancelClick();
    void zBitColBtnReset1Click();
    // The accessories dialog; what the user ticks comes in one unit each.
    void zBitColBtntilbehorClick();
    // A new current row, and scrolling: the row's buttons follow.
    void StringGridItemsClick();
    void StringGridItemsTopLeftChanged();

protected:
    // The grid's keys + and - change the quantity and Delete removes the
    // row, for those who do not use the mouse; a resize fits the columns
    // and places the buttons.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectHandlers();
    // Writes the items into the grid and places the row's buttons.
    void ShowItems();
    // The columns at their set widths where the grid has room for them;
    // in a narrower grid as wide as their texts need.
    void FitColumns();
    // What the grid's cell drawing does for the row controls: the spin
    // button over the quantity cell and the delete button over the fixed
    // cell of the current row, on item rows only.
    void PlaceRowButtons();
    void ShowReceiverPrompt();

    TFormStartmenu& window_;
    QuotationItems items_;
    StepCellDelegate* quantityCells_ = nullptr;
    std::vector<int> setWidths_;
    // The widths the last fit gave; a column the user widened keeps its
    // width until the fit changes.
    std::vector<int> fittedWidths_;
    // The receiver prompt and the date the program last wrote, so that
    // applying the texts again keeps what the user typed over them.
    QString receiverPrompt_;
    QString dateShown_;
};

}  // namespace kr::gui
