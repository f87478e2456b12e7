#include "gui/quote/form_price_disk.h"

#include "core/common/help_topics.h"
#include "core/data/text_keys.h"
#include "core/quote/price_disk.h"
#include "core/quote/price_file.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/open_dialog.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/text_fitting.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <limits>

namespace kr::gui {

namespace {

// Wide enough for a publisher of 50 characters beside the longest label.
constexpr QSize ClientSize{460, 214};
constexpr int Margin = 8;
constexpr int HeaderLineCount = 4;
constexpr int HeaderLineHeight = 16;
constexpr int ListFrame = 2;  // the list's border on each side
constexpr int LineIndent = 2;
constexpr int TabGap = 12;    // between the widest label and the values
constexpr int ButtonPanelHeight = 46;
constexpr QRect OpenButtonRect{Margin, 8, 170, 26};
constexpr QRect LabelRect{Margin, 44, ClientSize.width() - 2 * Margin, 14};
constexpr QRect ListRect{Margin, 60, ClientSize.width() - 2 * Margin,
                         HeaderLineCount * HeaderLineHeight + 2 * ListFrame};
constexpr QRect GaugeRect{Margin, 138, ClientSize.width() - 2 * Margin, 16};
constexpr QRect StartButtonRect{Margin, 10, 150, 26};
constexpr QRect CloseButtonRect{ClientSize.width() - Margin - 98, 10, 98, 26};
constexpr QRect HelpButtonRect{CloseButtonRect.left() - Margin - 98, 10, 98, 26};

const QString PriceFileMask = QStringLiteral("*.dat");
const QString PriceFileSuffix = QStringLiteral("dat");
const QChar Tab = u'\t';

// A count as a gauge position.
int GaugeSteps(std::size_t count)
{
    return static_cast<int>(std::min<std::size_t>(count, std::numeric_limits<int>::max()));
}

// Draws the header lines through the form, which knows their tab stop.
class HeaderLineDelegate : public QStyledItemDelegate {
public:
    HeaderLineDelegate(const TFormPriceDisk& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        form_.MemoDataDrawItem(*painter, option.rect, index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), HeaderLineHeight};
    }

private:
    const TFormPriceDisk& form_;
};

}  // namespace

TFormPriceDisk::TFormPriceDisk(QWidget* owner, AppState& state, HelpViewer& help)
    : QDialog(owner, FixedDialogFlags), state_(state), help_(help)
{
    setObjectName(QStringLiteral("FormPriceDisk"));
    setFixedSize(ClientSize);
    CreateControls();
    ApplyTexts();
    ButtonStart->setEnabled(false);
    if (owner)
        CentreOnOwner(*this, *owner);
}

void TFormPriceDisk::CreateControls()
{
    ButtonOpenList = MakeControl<ColorButton>(this, "ButtonOpenList", Glyph::Disk);
    ButtonOpenList->setGeometry(OpenButtonRect);
    ButtonOpenList->setDefault(true);
    LabelData = MakeControl<QLabel>(this, "LabelData");
    LabelData->setGeometry(LabelRect);
    MemoData = MakeControl<QListWidget>(this, "MemoData");
    MemoData->setGeometry(ListRect);
    // Only shows the header: nothing to select, no scrolling, no focus.
    MemoData->setSelectionMode(QAbstractItemView::NoSelection);
    MemoData->setFocusPolicy(Qt::NoFocus);
    MemoData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoData->setUniformItemSizes(true);
    MemoData->setItemDelegate(new HeaderLineDelegate(*this, MemoData));
    zGaugeRead = MakeControl<QProgressBar>(this, "zGaugeRead");
    zGaugeRead->setGeometry(GaugeRect);
    zGaugeRead->setRange(0, 1);
    zGaugeRead->setValue(0);
    zGaugeRead->setTextVisible(false);

    auto* panel = MakeControl<GradientPanel>(this, "PanelButtons");
    panel->setGeometry(0, ClientSize.height() - ButtonPanelHeight, ClientSize.width(), ButtonPanelHeight);
    ButtonStart = MakeControl<ColorButton>(panel, "ButtonStart", Glyph::ArrowRight);
    ButtonStart->setGeometry(StartButtonRect);
    Buttonhelp = MakeControl<ColorButton>(panel, "Buttonhelp", Glyph::Help);
    Buttonhelp->setGeometry(HelpButtonRect);
    ButtonClose = MakeControl<ColorButton>(panel, "ButtonClose", Glyph::Cancel);
    ButtonClose->setGeometry(CloseButtonRect);
    connect(ButtonOpenList, &QAbstractButton::clicked, this, &TFormPriceDisk::ButtonOpenListClick);
    connect(ButtonStart, &QAbstractButton::clicked, this, &TFormPriceDisk::ButtonStartClick);
    connect(Buttonhelp, &QAbstractButton::clicked, this, &TFormPriceDisk::ButtonhelpClick);
    connect(ButtonClose, &QAbstractButton::clicked, this, &QDialog::reject);
}

void TFormPriceDisk::ApplyTexts()
{
    const LanguageTable& texts = state_.Texts();
    setWindowTitle(Text(texts, keys::PriceUpdate));
    const struct {
        ColorButton* Button;
        TextKey CaptionKey;
        TextKey HintKey;
    } buttons[] = {
        {ButtonOpenList, keys::ImportPriceFile, keys::HintOpenPriceFile},
        {ButtonStart, keys::UpdatePrices, keys::HintUpdatePrices},
        {Buttonhelp, keys::Help, keys::HintHelp},
        {ButtonClose, keys::Close, keys::HintClose},
    };
    for (const auto& b : buttons) {
        b.Button->setText(Text(texts, b.CaptionKey));
        b.Button->setAccessibleName(b.Button->text());
        SetHint(*b.Button, Text(texts, b.HintKey));
    }
    LabelData->setText(Text(texts, keys::PriceData));
    FitTextToWidth(*LabelData);
    MemoData->setAccessibleName(LabelData->text());
    zGaugeRead->setAccessibleName(ButtonStart->text());
}

void TFormPriceDisk::ButtonOpenListClick()
{
    const LanguageTable& texts = state_.Texts();
    const OpenFileRequest request{
        Text(texts, keys::ImportPriceFile),
        proposedFile_,
        QStringLiteral("%1 (%2)").arg(Text(texts, keys::PriceData), PriceFileMask),
        PriceFileSuffix,
    };
    const QString file = AskOpenFileName(this, request);
    // A cancelled dialog keeps the earlier choice.
    if (!file.isEmpty())
        ChooseFile(file);
}

void TFormPriceDisk::ChooseFile(const QString& file)
{
    proposedFile_ = file;
    const PriceDiskCheck check = CheckPriceDisk(PathOf(file));
    chosenFile_ = check.Fit() ? file : QString();
    ShowHeaderLines(check.Fit() ? PriceDiskHeaderLines(check.Header, state_.Texts()) : std::vector<std::string>());
    ButtonStart->setEnabled(check.Fit());
    ButtonStart->setDefault(check.Fit());
    ButtonOpenList->setDefault(!check.Fit());
    if (!check.Fit())
        ShowError(FromUtf8(PriceDiskRefusalText(check, state_.Texts(), state_.Format)));
}

void TFormPriceDisk::ShowHeaderLines(const std::vector<std::string>& lines)
{
    MemoData->clear();
    const QFontMetrics metrics(MemoData->font());
    int widestLabel = 0;
    for (const std::string& line : lines) {
        const QString text = FromUtf8(line);
        MemoData->addItem(text);
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(text.section(Tab, 0, 0)));
    }
    tabStop_ = widestLabel + TabGap;
}

void TFormPriceDisk::MemoDataDrawItem(QPainter& painter, const QRect& rect, const QString& line) const
{
    painter.fillRect(rect, MemoData->palette().base());
    painter.setFont(MemoData->font());
    painter.setPen(MemoData->palette().color(QPalette::Active, QPalette::Text));
    const QRect text = rect.adjusted(LineIndent, 0, 0, 0);
    const QString label = line.section(Tab, 0, 0);
    const QString value = line.section(Tab, 1);
    const int labelWidth = line.contains(Tab) ? std::min(tabStop_, text.width()) : text.width();
    painter.drawText(text.adjusted(0, 0, labelWidth - text.width(), 0), Qt::AlignLeft | Qt::AlignVCenter, label);
    const QRect valueRect = text.adjusted(labelWidth, 0, 0, 0);
    painter.drawText(valueRect, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(value, Qt::ElideRight, valueRect.width()));
}

void TFormPriceDisk::ButtonStartClick()
{
    if (chosenFile_.isEmpty())
        return;
    const PriceFileReplacement replacement = ReplacePriceFile(PathOf(chosenFile_), PriceFile());
    if (!replacement.Replaced()) {
        ShowError(FromUtf8(PriceUpdateFailureText(replacement, state_.Texts(), state_.Format)));
        return;
    }
    pricesReplaced_ = true;
    ReloadPrices();
    accept();
}

void TFormPriceDisk::ReloadPrices()
{
    // Nothing may start while the table is being filled.
    for (QWidget* control : {static_cast<QWidget*>(ButtonOpenList), static_cast<QWidget*>(ButtonStart),
                             static_cast<QWidget*>(Buttonhelp), static_cast<QWidget*>(ButtonClose)})
        control->setEnabled(false);
    state_.PriceRecords.clear();
    const std::string failure =
        LoadPriceRecords(PriceFile(), state_.PriceRecords, [this](std::size_t read, std::size_t records) {
            zGaugeRead->setMaximum(GaugeSteps(records));
            zGaugeRead->setValue(GaugeSteps(read));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    if (!failure.empty())
        ShowError(Text(state_.Texts(), keys::ErrorPricefile));
}

void TFormPriceDisk::ButtonhelpClick()
{
    help_.ShowTopic(FromUtf8(HelpTopicPriceUpdate));
}

void TFormPriceDisk::ShowError(const QString& text)
{
    MessageBoxes::ShowError(this, Text(state_.Texts(), keys::ErrorCaption), text);
}

std::filesystem::path TFormPriceDisk::PriceFile() const
{
    return PathOf(state_.AppDir) / PriceFileName;
}

PriceUpdateOutcome RunPriceUpdate(QWidget* owner, AppState& state, HelpViewer& help)
{
    TFormPriceDisk dialog(owner, state, help);
    dialog.exec();
    return {dialog.PricesReplaced()};
}

}  // namespace kr::gui
