// The Quotation tab: its header fields, its items grid with the buttons of
// the current row, and its Reset.
#include "gui/quote/quotation_tab.h"

#include "core/data/cool_type.h"
#include "core/common/text_case.h"
#include "core/data/text_keys.h"
#include "core/settings/settings.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/input_filters.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/message_boxes.h"
#include "gui/print/run_print_selection.h"
#include "gui/quote/form_accessories.h"
#include "gui/quote/item_columns.h"
#include "gui/quote/quotation_files.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/step_cell_delegate.h"
#include "gui/widgets/string_grid.h"

#include <QDate>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace kr::gui {

namespace {

// The ink of an item the data no longer knows.
const QColor NotKnownInk{0xB0, 0x10, 0x10};
// Between the file's name and the program's in the window title.
const QString TitleSeparator = QStringLiteral(" \u2013 ");

bool IsNumberColumn(int col)
{
    return col == ItemColumn::Position || col == ItemColumn::Quantity || col == ItemColumn::UnitPrice ||
           col == ItemColumn::Total;
}

}  // namespace

QuotationTab::QuotationTab(QWidget* page, TFormStartmenu& window)
    : QObject(page), Controls(CreateQuotationTab(page)), window_(window), items_(window.State().Format)
{
    for (int col = 0; col < Controls.StringGridItems->ColCount(); ++col)
        setWidths_.push_back(Controls.StringGridItems->ColWidth(col));
    files_ = new QuotationFiles(*this, window);
    ConnectHandlers();
}

QuotationTab::~QuotationTab() = default;

void QuotationTab::ConnectHandlers()
{
    const QuotationTabControls& q = Controls;
    StringGrid* grid = q.StringGridItems;
    connect(q.zcSpinBtn3, &SpinButton::UpClicked, this, &QuotationTab::zcSpinBtn3UpClick);
    connect(q.zcSpinBtn3, &SpinButton::DownClicked, this, &QuotationTab::zcSpinBtn3DownClick);
    connect(q.zNWBitColBtnCancel, &QAbstractButton::clicked, this, &QuotationTab::zNWBitColBtnCancelClick);
    connect(window_.MainScreen.zBitColBtnReset1, &QAbstractButton::clicked, this,
            &QuotationTab::zBitColBtnReset1Click);
    connect(window_.MainScreen.zBitColBtntilbehor, &QAbstractButton::clicked, this,
            &QuotationTab::zBitColBtntilbehorClick);
    connect(window_.Menus.MenuAccessories, &QAction::triggered, this, &QuotationTab::zBitColBtntilbehorClick);
    connect(window_.Menus.MenuSaveQuotation, &QAction::triggered, files_, &QuotationFiles::MenuSaveQuotationClick);
    connect(window_.Menus.MenuOpenQuotation, &QAction::triggered, files_, &QuotationFiles::MenuOpenQuotationClick);
    connect(window_.MainScreen.zBitColBtnPrint, &QAbstractButton::clicked, this,
            [this] { RunPrintSelection(window_, PrintMode::Quotation); });

    grid->SetFixedColumnSelectsRow(true);
    connect(grid, &QTableWidget::currentCellChanged, this, &QuotationTab::StringGridItemsClick);
    for (QScrollBar* bar : {grid->horizontalScrollBar(), grid->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &QuotationTab::StringGridItemsTopLeftChanged);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, &QuotationTab::PlaceRowButtons);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);

    // The other rows' quantity cells look like spin buttons too.
    quantityCells_ = new StepCellDelegate(grid);
    quantityCells_->SetStepWidth(q.zcSpinBtn3->sizeHint().width());
    grid->setItemDelegateForColumn(ItemColumn::Quantity - 1, quantityCells_);

    auto* enterEditField = new EnterEditField(this);
    for (QWidget* field : std::initializer_list<QWidget*>{q.EditYourRef, q.EditAtt, q.EditOurRef, q.EditQuotationNr,
                                                          q.EditDate, q.MemoNameAddress})
        enterEditField->Watch(field);
}

void QuotationTab::zBitColBtntilbehorClick()
{
    for (const QuotationItemRequest& accessory : RunAccessories(&window_, window_.State()))
        AddQuotationItem(accessory.Designation, accessory.PriceKey);
}

void QuotationTab::AddQuotationItem(std::string_view designation, std::string_view priceKey)
{
    items_.AddQuotationItem(designation, priceKey, window_.State().PriceRecords);
    ShowItems();
}

void QuotationTab::TransferCooler(const tCoolType& record)
{
    AddQuotationItem(record.Designation(), record.ItemNo());
}

void QuotationTab::ShowItems()
{
    StringGrid& grid = *Controls.StringGridItems;
    const ItemsGrid cells = ItemsGridCells(items_, window_.State().Texts());
    grid.SetRowCount(static_cast<int>(cells.size()));
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < ItemColumn::Count; ++col) {
            grid.SetCell(col, row, FromUtf8(cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]));
            if (row > 0 && col > 0 && IsNumberColumn(col))
                grid.item(row - 1, col - 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The current row stays on an item: the first one added, or the new
    // last one when the last was deleted.
    const int items = items_.ItemCount();
    if (items > 0 && (grid.Row() < 1 || grid.Row() > items))
        grid.SetRow(grid.Row() < 1 ? 1 : items);
    MarkNotKnownItems();
    FitColumns();
    PlaceRowButtons();
    grid.viewport()->update();
}

void QuotationTab::MarkNotKnownItems()
{
    StringGrid& grid = *Controls.StringGridItems;
    const QString mark = Text(window_.State().Texts(), keys::ItemNotKnown);
    for (int row = 1; row <= items_.ItemCount(); ++row) {
        const QuotationItem& item = items_.Items()[static_cast<std::size_t>(row - 1)];
        const bool notKnown = std::ranges::any_of(
            notKnown_, [&](const std::string& designation) { return SameText(designation, item.Designation); });
        QTableWidgetItem& cell = *grid.item(row - 1, ItemColumn::Designation - 1);
        QFont italic;
        italic.setItalic(true);
        // The cells are reused row by row, so an unmarked one is cleared.
        cell.setData(Qt::FontRole, notKnown ? QVariant(italic) : QVariant());
        cell.setData(Qt::ForegroundRole, notKnown ? QVariant(NotKnownInk) : QVariant());
        cell.setToolTip(notKnown ? mark : QString());
        cell.setData(Qt::AccessibleTextRole,
                     notKnown ? QVariant(cell.text() + QStringLiteral(" (") + mark + QStringLiteral(")")) : QVariant());
    }
}

void QuotationTab::FitColumns()
{
    StringGrid& grid = *Controls.StringGridItems;
    // Room is kept for the vertical scroll bar, which comes with more items.
    const int room = grid.maximumViewportSize().width() -
                     grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    const std::vector<int> widths = FittedColumnWidths(
        setWidths_, NeededColumnWidths(grid, ItemColumn::Quantity, Controls.zcSpinBtn3->sizeHint().width()), room);
    if (widths == fittedWidths_)
        return;
    fittedWidths_ = widths;
    for (int col = 1; col < grid.ColCount(); ++col)
        grid.SetColWidth(col, widths[static_cast<std::size_t>(col)]);
}

void QuotationTab::PlaceRowButtons()
{
    StringGrid& grid = *Controls.StringGridItems;
    SpinButton* spin = Controls.zcSpinBtn3;
    ColorButton* remove = Controls.zNWBitColBtnCancel;
    const int row = grid.Row();
    // Never on the heading or the empty last row.
    if (row < 1 || row > items_.ItemCount()) {
        spin->hide();
        remove->hide();
        return;
    }
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, ItemColumn::Quantity - 1));
    const int width = spin->sizeHint().width();
    grid.PlaceOverCells(spin, QRect(cell.right() - width + 1, cell.top(), width, cell.height()));
    grid.PlaceOverFixedCell(remove, row);
}

void QuotationTab::StringGridItemsClick()
{
    Controls.zNWBitColBtnCancel->hide();
    PlaceRowButtons();
    // The quantity cell left behind gets its inactive spin look again.
    Controls.StringGridItems->viewport()->update();
}

void QuotationTab::StringGridItemsTopLeftChanged()
{
    Controls.zNWBitColBtnCancel->hide();
    Controls.zcSpinBtn3->hide();
    PlaceRowButtons();
}

void QuotationTab::zcSpinBtn3UpClick()
{
    if (items_.IncreaseQuantity(Controls.StringGridItems->Row()) == QuantityChange::Refused) {
        MessageBoxes::Beep();
        return;
    }
    ShowItems();
}

void QuotationTab::zcSpinBtn3DownClick()
{
    // A quantity never drops below 1.
    if (items_.DecreaseQuantity(Controls.StringGridItems->Row()) == QuantityChange::Refused) {
        MessageBoxes::Beep();
        return;
    }
    ShowItems();
}

void QuotationTab::zNWBitColBtnCancelClick()
{
    if (!items_.DeleteItem(Controls.StringGridItems->Row()))
        return;
    Controls.zNWBitColBtnCancel->hide();
    ShowItems();
}

void QuotationTab::zBitColBtnReset1Click()
{
    ForgetSavedFile();
    const QuotationTabControls& q = Controls;
    q.zNWBitColBtnCancel->hide();
    FillSenderAndTerms();
    ShowReceiverPrompt();
    for (QLineEdit* edit : {q.EditYourRef, q.EditAtt, q.EditOurRef, q.EditQuotationNr})
        edit->clear();
    dateShown_ = QDate::currentDate().toString(window_.State().DateFormat);
    q.EditDate->setText(dateShown_);
    // Made anew, so that the prices show the locale's separator of now.
    items_ = QuotationItems(window_.State().Format);
    ShowItems();
}

void QuotationTab::ForgetSavedFile()
{
    const bool hadFile = !savedFile_.isEmpty();
    savedFile_.clear();
    savedDiscount_.reset();
    notKnown_.clear();
    if (hadFile && !window_.OnStartMenu())
        window_.PageControlSkaermChange();  // the title loses the file's name
}

QuotationHeader QuotationTab::Header() const
{
    const QuotationTabControls& q = Controls;
    QuotationHeader header;
    const QString receiver = q.MemoNameAddress->toPlainText();
    if (receiver != receiverPrompt_) {
        for (const QString& line : receiver.split(u'\n'))
            header.Receiver.push_back(ToUtf8(line));
    }
    header.Att = ToUtf8(q.EditAtt->text());
    header.YourRef = ToUtf8(q.EditYourRef->text());
    header.OurRef = ToUtf8(q.EditOurRef->text());
    header.Date = ToUtf8(q.EditDate->text());
    header.QuotationNr = ToUtf8(q.EditQuotationNr->text());
    return header;
}

void QuotationTab::ShowSaved(const SavedQuotation& saved, const QString& file, const std::vector<int>& markedPositions)
{
    const QuotationTabControls& q = Controls;
    const QuotationHeader& header = saved.Header;
    if (header.Receiver.empty()) {
        ShowReceiverPrompt();
    } else {
        QStringList lines;
        for (const std::string& line : header.Receiver)
            lines << FromUtf8(line);
        q.MemoNameAddress->setPlainText(lines.join(u'\n'));
    }
    q.EditAtt->setText(FromUtf8(header.Att));
    q.EditYourRef->setText(FromUtf8(header.YourRef));
    q.EditOurRef->setText(FromUtf8(header.OurRef));
    q.EditDate->setText(FromUtf8(header.Date));
    q.EditQuotationNr->setText(FromUtf8(header.QuotationNr));

    items_ = QuotationItemsOf(saved, window_.State().Format);
    notKnown_.clear();
    for (int position : markedPositions)
        notKnown_.push_back(saved.Items[static_cast<std::size_t>(position - 1)].Designation);
    q.zNWBitColBtnCancel->hide();
    Controls.StringGridItems->SetRow(items_.ItemCount() > 0 ? 1 : 0);
    KeepAsSaved(file, saved.DiscountPct);
    ShowItems();
}

void QuotationTab::KeepAsSaved(const QString& file, int discountPct)
{
    savedFile_ = file;
    savedDiscount_ = discountPct;
    if (!window_.OnStartMenu())
        window_.PageControlSkaermChange();  // the title names the file
}

int QuotationTab::DiscountPct() const
{
    return savedDiscount_.value_or(window_.State().Settings.PricePct);
}

QString QuotationTab::TitleWithFile(const QString& title) const
{
    return savedFile_.isEmpty() ? title : QFileInfo(savedFile_).fileName() + TitleSeparator + title;
}

void QuotationTab::ShowReceiverPrompt()
{
    receiverPrompt_ = Text(window_.State().Texts(), keys::NameAndAddressOfReceiver);
    Controls.MemoNameAddress->clear();
    Controls.MemoNameAddress->appendPlainText(receiverPrompt_);
}

void QuotationTab::FillSenderAndTerms()
{
    const AppState& state = window_.State();
    const kr::Settings& settings = state.Settings;
    const QuotationTabControls& q = Controls;
    if (settings.NameOnPrint) {
        q.MemoAfsender->setPlainText(FromUtf8(settings.NameAddress).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else {
        QStringList lines;
        for (const TextKey& key : {keys::KalvornGroup, keys::Address, keys::Post, keys::Country})
            lines << Text(state.Texts(), key);
        q.MemoAfsender->setPlainText(lines.join(QStringLiteral("\n")));
    }
    q.EditDelivery->setText(FromUtf8(settings.Delivery));
    q.EditPayment->setText(FromUtf8(settings.Payment));
    q.EditLeadTime->setText(FromUtf8(settings.LeadTime));
}

void QuotationTab::ApplyTexts()
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    const QuotationTabControls& q = Controls;
    const QString chooseQuantity = Text(texts, keys::ChooseQuantity);
    SetHint(*q.zcSpinBtn3, chooseQuantity);
    q.zcSpinBtn3->setAccessibleName(chooseQuantity);
    q.zcSpinBtn3->UpButton()->setAccessibleName(Text(texts, keys::IncreaseQuantity));
    q.zcSpinBtn3->DownButton()->setAccessibleName(Text(texts, keys::DecreaseQuantity));
    const QString deleteLine = Text(texts, keys::HintDeleteLine);
    SetHint(*q.zNWBitColBtnCancel, deleteLine);
    q.zNWBitColBtnCancel->setAccessibleName(deleteLine);
    files_->ApplyTexts();

    // Applying the texts again (a new language, or options confirmed) renews
    // the receiver prompt and the date the program wrote, but never what the
    // user typed over them: a receiver address is not lost to an option.
    if (q.MemoNameAddress->toPlainText() == receiverPrompt_)
        ShowReceiverPrompt();
    receiverPrompt_ = Text(texts, keys::NameAndAddressOfReceiver);
    const QString today = QDate::currentDate().toString(state.DateFormat);
    if (q.EditDate->text() == dateShown_)
        q.EditDate->setText(today);
    dateShown_ = today;
    ShowItems();
}

bool QuotationTab::eventFilter(QObject* watched, QEvent* event)
{
    StringGrid* grid = Controls.StringGridItems;
    if (watched == grid && event->type() == QEvent::Resize) {
        FitColumns();
    } else if (watched == grid->viewport() && event->type() == QEvent::Resize) {
        PlaceRowButtons();
    } else if (watched == grid && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Plus: zcSpinBtn3UpClick(); return true;
        case Qt::Key_Minus: zcSpinBtn3DownClick(); return true;
        case Qt::Key_Delete: zNWBitColBtnCancelClick(); return true;
        default: break;
        }
    }
    return false;
}

}  // namespace kr::gui
