#pragma once

#include "core/quote/quotation.h"
#include "core/quote/quotation_file.h"
#include "gui/app/main_window_controls.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {
struct tCoolType;
}  // namespace kr

namespace kr::gui {

class QuotationFiles;
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

    // The header fields as typed; no receiver while the tab shows its prompt.
    QuotationHeader Header() const;
    // Replaces the quotation with the one saved in file: its header, its
    // items at the prices they were offered at (those at markedPositions
    // marked as no longer known), and its discount.
    void ShowSaved(const SavedQuotation& saved, const QString& file, const std::vector<int>& markedPositions);
    // The quotation shown is from now on the one kept in file, with the
    // discount it was saved with.
    void KeepAsSaved(const QString& file, int discountPct);
    // The file of the quotation shown; empty for a quotation never saved.
    const QString& SavedFile() const { return savedFile_; }
    // The discount the quotation is printed and saved with: the one it was
    // saved with while its file is open (an offer keeps the terms it was
    // made on), otherwise the options' discount.
    int DiscountPct() const;
    // The window title with the file's name in front while a file is open.
    QString TitleWithFile(const QString& title) const;

    // The sender block and the three terms from the settings.
    void FillSenderAndTerms();
    // The tab's texts in the screen language, the File menu's quotation
    // items included. The receiver prompt and the date are renewed only
    // where they still show what the program wrote.
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
    // Italic, red, with a tooltip and heard by screen readers: the
    // designation cell of an item the data no longer knows.
    void MarkNotKnownItems();
    // The file, its discount and the marks of an opened quotation let go.
    void ForgetSavedFile();

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
    QuotationFiles* files_ = nullptr;
    QString savedFile_;
    std::optional<int> savedDiscount_;
    // The designations of the items marked as no longer known.
    std::vector<std::string> notKnown_;
};

}  // namespace kr::gui
