#include "gui/app/create_controls.h"

#include "gui/widgets/color_button.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/string_grid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <array>

namespace kr::gui {

namespace {

// Columns of the items grid: the fixed delete-button column, position,
// designation, quantity, unit price, total, currency.
constexpr std::array<int, 7> ItemColumnWidths{19, 65, 180, 121, 119, 133, 142};
constexpr int ItemRowHeight = 18;

QLineEdit* MakeReadOnly(QLineEdit* edit)
{
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

StringGrid* MakeItemsGrid(QWidget* page)
{
    auto* grid = MakeControl<StringGrid>(page, "StringGridItems");
    grid->SetColCount(static_cast<int>(ItemColumnWidths.size()));
    grid->SetRowCount(2);
    for (std::size_t col = 0; col < ItemColumnWidths.size(); ++col)
        grid->SetColWidth(static_cast<int>(col), ItemColumnWidths[col]);
    grid->SetHeadingRowHeight(ItemRowHeight);
    grid->SetItemRowHeight(ItemRowHeight);
    return grid;
}

}  // namespace

QuotationTabControls CreateQuotationTab(QWidget* page)
{
    QuotationTabControls c;
    c.LabelName = MakeControl<QLabel>(page, "LabelName");
    c.MemoNameAddress = MakeControl<QPlainTextEdit>(page, "MemoNameAddress");
    c.MemoNameAddress->setTabChangesFocus(true);
    c.MemoAfsender = MakeControl<QPlainTextEdit>(page, "MemoAfsender");
    c.MemoAfsender->setReadOnly(true);
    c.MemoAfsender->setBackgroundRole(QPalette::Button);
    c.MemoAfsender->viewport()->setBackgroundRole(QPalette::Button);
    c.MemoAfsender->setFocusPolicy(Qt::NoFocus);
    // Four address lines fit the smallest layout without scrolling.
    for (QPlainTextEdit* memo : {c.MemoNameAddress, c.MemoAfsender})
        memo->document()->setDocumentMargin(2);

    c.LabelYourRef = MakeControl<QLabel>(page, "LabelYourRef");
    c.EditYourRef = MakeControl<QLineEdit>(page, "EditYourRef");
    c.LabelAtt = MakeControl<QLabel>(page, "LabelAtt");
    c.EditAtt = MakeControl<QLineEdit>(page, "EditAtt");
    c.LabelOurRef = MakeControl<QLabel>(page, "LabelOurRef");
    c.EditOurRef = MakeControl<QLineEdit>(page, "EditOurRef");
    c.LabelQuatationNr = MakeControl<QLabel>(page, "LabelQuatationNr");
    c.EditQuotationNr = MakeControl<QLineEdit>(page, "EditQuotationNr");
    c.LabelDate = MakeControl<QLabel>(page, "LabelDate");
    c.EditDate = MakeControl<QLineEdit>(page, "EditDate");
    c.LabelDelivery = MakeControl<QLabel>(page, "LabelDelivery");
    c.EditDelivery = MakeReadOnly(MakeControl<QLineEdit>(page, "EditDelivery"));
    c.LabelPayMent = MakeControl<QLabel>(page, "LabelPayMent");
    c.EditPayment = MakeReadOnly(MakeControl<QLineEdit>(page, "EditPayment"));
    c.LabelLeadTime = MakeControl<QLabel>(page, "LabelLeadTime");
    c.EditLeadTime = MakeReadOnly(MakeControl<QLineEdit>(page, "EditLeadTime"));

    // The row's quantity and delete buttons are laid over the grid, where
    // screen readers find them beside its cells.
    c.StringGridItems = MakeItemsGrid(page);
    c.zcSpinBtn3 = MakeControl<SpinButton>(page, "zcSpinBtn3");
    c.StringGridItems->AddOverlay(c.zcSpinBtn3);
    c.zNWBitColBtnCancel = MakeControl<ColorButton>(page, "zNWBitColBtnCancel", Glyph::Cancel);
    c.zNWBitColBtnCancel->setFocusPolicy(Qt::NoFocus);
    c.StringGridItems->AddOverlay(c.zNWBitColBtnCancel);
    return c;
}

}  // namespace kr::gui
