#include "gui/quote/form_accessories.h"

#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/screen_texts.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/caption_fitting.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/text_fitting.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>

namespace kr::gui {

namespace {

// The dialog's size when every entry fits; it widens for longer entries.
constexpr QSize ClientSize{414, 265};
constexpr int Margin = 8;
constexpr int SpacerHeight = 9;
constexpr int ChooseLabelHeight = 18;
constexpr int DefaultGroupWidth = (ClientSize.width() - 3 * Margin) / 2;
constexpr int TopRowTop = 30;
constexpr int TopRowHeight = 112;
constexpr int RowGap = 6;
constexpr int BottomRowTop = TopRowTop + TopRowHeight + RowGap;
constexpr int BottomRowHeight = ClientSize.height() - Margin - BottomRowTop;
// The list inside its group box, below the group's title.
constexpr QMargins ListInGroup{6, 18, 6, 6};
constexpr int ButtonHeight = 28;
constexpr int ButtonGap = 8;

// The width of a group whose list shows its longest entry whole, with room
// for the vertical scroll bar.
int GroupWidthFor(const QListWidget& list)
{
    const int listWidth =
        list.sizeHintForColumn(0) + 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
    return qMax(DefaultGroupWidth, listWidth + ListInGroup.left() + ListInGroup.right());
}

void Fill(QListWidget& list, const AccessoryList& entries)
{
    for (const AccessoryEntry& entry : entries) {
        auto* item = new QListWidgetItem(FromUtf8(entry.Text), &list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void ToggleCurrentItem(QListWidget& list)
{
    if (QListWidgetItem* item = list.currentItem())
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

AccessoryList TickedFrom(const QListWidget& list, AccessoryList entries)
{
    for (int row = 0; row < list.count(); ++row)
        entries[static_cast<std::size_t>(row)].Ticked = list.item(row)->checkState() == Qt::Checked;
    return entries;
}

}  // namespace

TFormAccessories::TFormAccessories(QWidget* owner, const AppState& state)
    : QDialog(owner, FixedDialogFlags),
      lists_(MakeAccessoryLists(state.Database.CoolerRecords, state.Texts()))
{
    setObjectName(QStringLiteral("FormAccessories"));
    Label1 = MakeControl<QLabel>(this, "Label1");
    LabelValg = MakeControl<QLabel>(this, "LabelValg");
    LabelValg->setAlignment(Qt::AlignCenter);

    CheckListBoxTermokontakt = CreateCheckList(GroupBoxTermokontakt, "GroupBoxTermokontakt", "CheckListBoxTermokontakt");
    CheckListBoxTermoBypass = CreateCheckList(GroupBoxTermoBypass, "GroupBoxTermoBypass", "CheckListBoxTermoBypass");
    CheckListBoxAdapter = CreateCheckList(GroupBoxAdapter, "GroupBoxAdapter", "CheckListBoxAdapter");
    Fill(*CheckListBoxTermokontakt, lists_.ThermoSwitches);
    Fill(*CheckListBoxTermoBypass, lists_.ThermoBypasses);
    Fill(*CheckListBoxAdapter, lists_.Adapters);
    connect(CheckListBoxTermokontakt, &QListWidget::itemDoubleClicked, this,
            &TFormAccessories::CheckListBoxTermokontaktDblClick);
    connect(CheckListBoxTermoBypass, &QListWidget::itemDoubleClicked, this,
            &TFormAccessories::CheckListBoxTermoBypassDblClick);
    connect(CheckListBoxAdapter, &QListWidget::itemDoubleClicked, this, &TFormAccessories::CheckListBoxAdapterDblClick);

    CreateButtons();
    ApplyTexts(state);
    LayOut();
    if (owner)
        CentreOnOwner(*this, *owner);
}

QListWidget* TFormAccessories::CreateCheckList(QGroupBox*& group, const char* groupName, const char* listName)
{
    group = MakeControl<QGroupBox>(this, groupName);
    return MakeControl<QListWidget>(group, listName);
}

void TFormAccessories::LayOut()
{
    // Thermo-switches above adapters on the left, thermo-bypasses above the
    // buttons on the right; a column widens so that no entry is cut off,
    // as far as the screen allows.
    ensurePolished();
    int leftWidth = qMax(GroupWidthFor(*CheckListBoxTermokontakt), GroupWidthFor(*CheckListBoxAdapter));
    int rightWidth = GroupWidthFor(*CheckListBoxTermoBypass);
    const int room = screen()->availableGeometry().width() - 3 * Margin;
    if (leftWidth + rightWidth > room)
        leftWidth = rightWidth = qMax(DefaultGroupWidth, room / 2);
    const int width = 3 * Margin + leftWidth + rightWidth;
    setFixedSize(width, ClientSize.height());

    Label1->setGeometry(0, 0, width, SpacerHeight);
    LabelValg->setGeometry(Margin, SpacerHeight, width - 2 * Margin, ChooseLabelHeight);
    FitTextToWidth(*LabelValg);
    const int rightLeft = 2 * Margin + leftWidth;
    const struct {
        QGroupBox* Group;
        QListWidget* List;
        QRect Rect;
    } groups[] = {
        {GroupBoxTermokontakt, CheckListBoxTermokontakt, {Margin, TopRowTop, leftWidth, TopRowHeight}},
        {GroupBoxTermoBypass, CheckListBoxTermoBypass, {rightLeft, TopRowTop, rightWidth, TopRowHeight}},
        {GroupBoxAdapter, CheckListBoxAdapter, {Margin, BottomRowTop, leftWidth, BottomRowHeight}},
    };
    for (const auto& row : groups) {
        row.Group->setGeometry(row.Rect);
        row.List->setGeometry(QRect(QPoint(), row.Rect.size()).marginsRemoved(ListInGroup));
    }
    const int closeTop = ClientSize.height() - Margin - ButtonHeight;
    zBitColBtnClose->setGeometry(rightLeft, closeTop, rightWidth, ButtonHeight);
    zBitColBtnTransfer->setGeometry(rightLeft, closeTop - ButtonGap - ButtonHeight, rightWidth, ButtonHeight);
    for (ColorButton* button : {zBitColBtnTransfer, zBitColBtnClose})
        FitButtonCaption(*button, button->font());
}

void TFormAccessories::CreateButtons()
{
    zBitColBtnTransfer = MakeControl<ColorButton>(this, "zBitColBtnTransfer", Glyph::ArrowRight);
    zBitColBtnTransfer->setDefault(true);
    zBitColBtnClose = MakeControl<ColorButton>(this, "zBitColBtnClose", Glyph::Cancel);
    connect(zBitColBtnTransfer, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(zBitColBtnClose, &QAbstractButton::clicked, this, &QDialog::reject);
}

void TFormAccessories::ApplyTexts(const AppState& state)
{
    const LanguageTable& texts = state.Texts();
    setWindowTitle(Text(texts, keys::Accessories));
    LabelValg->setText(Text(texts, keys::ChooseTheAccessories));

    const struct {
        QGroupBox* Group;
        QListWidget* List;
        TextKey Caption;
        TextKey Hint;
    } groups[] = {
        {GroupBoxTermokontakt, CheckListBoxTermokontakt, keys::ThermoSwitch, keys::HintThermoSwitch},
        {GroupBoxTermoBypass, CheckListBoxTermoBypass, keys::ThermoBypass, keys::HintThermoBypass},
        {GroupBoxAdapter, CheckListBoxAdapter, keys::Adapters, keys::HintAdapter},
    };
    for (const auto& row : groups) {
        const QString caption = Text(texts, row.Caption);
        row.Group->setTitle(caption);
        row.Group->setAccessibleName(caption);
        row.List->setAccessibleName(caption);
        SetHint(*row.Group, Text(texts, row.Hint));
        SetHint(*row.List, Text(texts, row.Hint));
    }

    const struct {
        ColorButton* Button;
        TextKey Caption;
        TextKey Hint;
    } buttons[] = {
        {zBitColBtnTransfer, keys::TransferToQuotation, keys::TransferToQuotation},
        {zBitColBtnClose, keys::Close, keys::HintClose},
    };
    for (const auto& row : buttons) {
        row.Button->setText(Text(texts, row.Caption));
        row.Button->setAccessibleName(row.Button->text());
        SetHint(*row.Button, Text(texts, row.Hint));
    }
}

std::vector<QuotationItemRequest> TFormAccessories::TickedItems() const
{
    const AccessoryLists ticked{
        TickedFrom(*CheckListBoxTermokontakt, lists_.ThermoSwitches),
        TickedFrom(*CheckListBoxTermoBypass, lists_.ThermoBypasses),
        TickedFrom(*CheckListBoxAdapter, lists_.Adapters),
    };
    return AccessoryTransfer(ticked);
}

void TFormAccessories::CheckListBoxTermokontaktDblClick()
{
    ToggleCurrentItem(*CheckListBoxTermokontakt);
}

void TFormAccessories::CheckListBoxTermoBypassDblClick()
{
    ToggleCurrentItem(*CheckListBoxTermoBypass);
}

void TFormAccessories::CheckListBoxAdapterDblClick()
{
    ToggleCurrentItem(*CheckListBoxAdapter);
}

std::vector<QuotationItemRequest> RunAccessories(QWidget* owner, const AppState& state)
{
    TFormAccessories accessories(owner, state);
    if (accessories.exec() != QDialog::Accepted)
        return {};
    return accessories.TickedItems();
}

}  // namespace kr::gui
