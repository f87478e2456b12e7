#include "gui/calc/form_calc_heat.h"

#include "core/common/help_topics.h"
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/input_filters.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/help_viewer.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/text_fitting.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace kr::gui {

namespace {

// A column of label, number field and unit list per quantity, the result
// below a rule, and the buttons in a column on the right: Calculate at the
// top, Transfer beside the result it takes.
constexpr int Margin = 12;
constexpr int RowHeight = 22;
constexpr int RowPitch = 28;
constexpr int LabelWidth = 170;
constexpr int EditWidth = 100;
constexpr int UnitWidth = 92;
constexpr int Gap = 4;
constexpr int EditLeft = Margin + LabelWidth + Gap;
constexpr int UnitLeft = EditLeft + EditWidth + Gap;
constexpr int InputRows = 6;
constexpr int RuleTop = Margin + InputRows * RowPitch + 4;
constexpr int ResultTop = RuleTop + 12;
constexpr int ButtonLeft = UnitLeft + UnitWidth + 2 * Margin;
constexpr int ButtonWidth = 112;
constexpr int ButtonHeight = 26;
constexpr int ButtonPitch = 32;
constexpr QSize ClientSize{ButtonLeft + ButtonWidth + Margin, ResultTop + RowHeight + Margin};

// The units each list opens with, and returns to on Reset.
constexpr int DefaultUnit = 0;

QLineEdit* MakeNumberEdit(QWidget* parent, const char* name)
{
    auto* edit = MakeControl<QLineEdit>(parent, name);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

void FillUnits(QComboBox* box, UnitNames units)
{
    for (std::string_view unit : units)
        box->addItem(FromUtf8(unit));
}

QFont BoldFont(QFont font)
{
    font.setBold(true);
    return font;
}

std::string TextOf(const QLineEdit* edit)
{
    return ToUtf8(edit->text());
}

}  // namespace

TFormCalcHeat::TFormCalcHeat(QWidget* owner, const AppState& state, HelpViewer& help)
    : QDialog(owner, FixedDialogFlags),
      state_(state),
      help_(help),
      calculator_(state.Format.DecimalSeparator)
{
    setObjectName(QStringLiteral("FormCalcHeat"));
    setFixedSize(ClientSize);
    CreateRows();
    CreateButtons();
    ApplyTexts();
    zBitColBtnResetClick();
    ConnectHandlers();
    if (owner)
        CentreOnOwner(*this, *owner);
}

void TFormCalcHeat::CreateRows()
{
    const struct {
        QLabel** Label;
        const char* LabelName;
        QLineEdit** Edit;
        const char* EditName;
        QComboBox** Units;
        const char* UnitsName;
        UnitNames UnitList;
    } rows[] = {
        {&LabelOilVolume, "LabelOilVolume", &EditOilVolume, "EditOilVolume", &ComboBoxOilVolume,
         "ComboBoxOilVolume", UnitsVolume},
        {&LabelDensity, "LabelDensity", &EditDensity, "EditDensity", &ComboBoxDensity, "ComboBoxDensity",
         UnitsDensity},
        {&LabelHeatCap, "LabelHeatCap", &EditheatCap, "EditheatCap", &ComboBoxHeatCap, "ComboBoxHeatCap",
         UnitsSpecificHeat},
        {&LabelIntTemp, "LabelIntTemp", &EditIntTemp, "EditIntTemp", &ComboBoxIntTemp, "ComboBoxIntTemp",
         UnitsTemperature},
        {&LabelObTemp, "LabelObTemp", &EditObTemp, "EditObTemp", &ComboBoxObTemp, "ComboBoxObTemp",
         UnitsTemperature},
        {&LabelTime, "LabelTime", &EditTime, "EditTime", &ComboBoxTime, "ComboBoxTime", UnitsTime},
        {&LabelHeatRejection, "LabelHeatRejection", &EditHeatRejection, "EditHeatRejection",
         &ComboBoxHeatRejection, "ComboBoxHeatRejection", UnitsPower},
    };
    int top = Margin;
    for (const auto& row : rows) {
        if (row.Edit == &EditHeatRejection) {
            auto* rule = MakeControl<QFrame>(this, "BevelResult");
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Sunken);
            rule->setGeometry(Margin, RuleTop, UnitLeft + UnitWidth - Margin, 2);
            top = ResultTop;
        }
        *row.Label = MakeControl<QLabel>(this, row.LabelName);
        (*row.Label)->setGeometry(Margin, top, LabelWidth, RowHeight);
        *row.Edit = MakeNumberEdit(this, row.EditName);
        (*row.Edit)->setGeometry(EditLeft, top, EditWidth, RowHeight);
        *row.Units = MakeControl<QComboBox>(this, row.UnitsName);
        (*row.Units)->setGeometry(UnitLeft, top, UnitWidth, RowHeight);
        FillUnits(*row.Units, row.UnitList);
        (*row.Label)->setBuddy(*row.Edit);
        top += RowPitch;
    }

    // The result is what the dialog is for: it stands out (its label once
    // fitted to its text), and only the calculation writes it.
    EditHeatRejection->setFont(BoldFont(EditHeatRejection->font()));
    EditHeatRejection->setReadOnly(true);
    QPalette readOnly = EditHeatRejection->palette();
    readOnly.setColor(QPalette::Base, look::ReadOnlyFace);
    EditHeatRejection->setPalette(readOnly);

    const QChar separator = QChar(static_cast<uchar>(state_.Format.DecimalSeparator));
    auto* numbers = new NumberKeyFilter(this, separator, true);
    auto* enterEditField = new EnterEditField(this);
    for (QLineEdit* edit : {EditOilVolume, EditDensity, EditheatCap, EditIntTemp, EditObTemp, EditTime}) {
        edit->installEventFilter(numbers);
        enterEditField->Watch(edit);
    }
}

void TFormCalcHeat::CreateButtons()
{
    const struct {
        ColorButton** Button;
        const char* Name;
        Glyph Picture;
        int Top;
    } buttons[] = {
        {&zBitColBtnCalc, "zBitColBtnCalc", Glyph::Ok, Margin},
        {&zBitColBtnReset, "zBitColBtnReset", Glyph::Reset, Margin + ButtonPitch},
        {&zBitColBtnHelp, "zBitColBtnHelp", Glyph::Help, Margin + 2 * ButtonPitch},
        {&zBitColBtnClose, "zBitColBtnClose", Glyph::Cancel, ResultTop - ButtonPitch},
        {&zBitColBtnTransfer, "zBitColBtnTransfer", Glyph::ArrowRight, ResultTop - (ButtonHeight - RowHeight) / 2},
    };
    for (const auto& b : buttons) {
        *b.Button = MakeControl<ColorButton>(this, b.Name, b.Picture);
        (*b.Button)->setGeometry(ButtonLeft, b.Top, ButtonWidth, ButtonHeight);
    }
    // Enter in any field calculates.
    zBitColBtnCalc->setDefault(true);
}

void TFormCalcHeat::ConnectHandlers()
{
    connect(zBitColBtnCalc, &QAbstractButton::clicked, this, &TFormCalcHeat::zBitColBtnCalcClick);
    connect(zBitColBtnReset, &QAbstractButton::clicked, this, &TFormCalcHeat::zBitColBtnResetClick);
    connect(zBitColBtnHelp, &QAbstractButton::clicked, this, &TFormCalcHeat::zBitColBtnHelpClick);
    connect(zBitColBtnClose, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(zBitColBtnTransfer, &QAbstractButton::clicked, this, &TFormCalcHeat::zBitColBtnTransferClick);
    connect(ComboBoxHeatRejection, &QComboBox::currentIndexChanged, this, &TFormCalcHeat::ComboBoxHeatRejectionChange);
    connect(ComboBoxDensity, &QComboBox::currentIndexChanged, this, &TFormCalcHeat::ComboBoxDensityChange);
    connect(ComboBoxHeatCap, &QComboBox::currentIndexChanged, this, &TFormCalcHeat::ComboBoxHeatCapChange);
    connect(EditDensity, &QLineEdit::textChanged, this, &TFormCalcHeat::EditDensityChange);
    connect(EditheatCap, &QLineEdit::textChanged, this, &TFormCalcHeat::EditheatCapChange);
}

void TFormCalcHeat::ApplyTexts()
{
    const LanguageTable& texts = state_.Texts();
    setWindowTitle(Text(texts, keys::HeatRejectionCalculation));
    const QString unitOfMeasure = Text(texts, keys::UnitOfMeasure);

    const struct {
        QLabel* Label;
        QLineEdit* Edit;
        QComboBox* Units;
        TextKey Caption;
        TextKey Hint;
    } rows[] = {
        {LabelOilVolume, EditOilVolume, ComboBoxOilVolume, keys::OilVolume, keys::HintOilVolume},
        {LabelDensity, EditDensity, ComboBoxDensity, keys::Density, keys::HintDensity},
        {LabelHeatCap, EditheatCap, ComboBoxHeatCap, keys::SpecificHeat, keys::HintSpecificHeat},
        {LabelIntTemp, EditIntTemp, ComboBoxIntTemp, keys::InitialTemperature, keys::HintInitialTemperature},
        {LabelObTemp, EditObTemp, ComboBoxObTemp, keys::ObtainedTemperature, keys::HintObtainedTemperature},
        {LabelTime, EditTime, ComboBoxTime, keys::TimeInterval, keys::HintTimeInterval},
        {LabelHeatRejection, EditHeatRejection, ComboBoxHeatRejection, keys::HeatRejection, {}},
    };
    for (const auto& row : rows) {
        const QString caption = Text(texts, row.Caption);
        row.Label->setText(caption);
        FitTextToWidth(*row.Label);
        row.Edit->setAccessibleName(caption);
        row.Units->setAccessibleName(caption);
        row.Units->setAccessibleDescription(unitOfMeasure);
        if (!row.Hint.Key.empty())
            SetHint(*row.Edit, Text(texts, row.Hint));
    }
    LabelHeatRejection->setFont(BoldFont(LabelHeatRejection->font()));

    const struct {
        ColorButton* Button;
        TextKey Caption;
        TextKey Hint;
    } buttons[] = {
        {zBitColBtnCalc, keys::Calculate, keys::HintCalculate},
        {zBitColBtnReset, keys::Reset, keys::HintReset},
        {zBitColBtnHelp, keys::Help, keys::HintHelp},
        {zBitColBtnClose, keys::Close, keys::HintClose},
        {zBitColBtnTransfer, keys::Transfer, keys::HintTransfer},
    };
    for (const auto& row : buttons) {
        row.Button->setText(Text(texts, row.Caption));
        row.Button->setAccessibleName(row.Button->text());
        SetHint(*row.Button, Text(texts, row.Hint));
    }
}

WarmUpMeasurement TFormCalcHeat::Measurement() const
{
    return {
        {TextOf(EditOilVolume), ComboBoxOilVolume->currentIndex()},
        {TextOf(EditDensity), ComboBoxDensity->currentIndex()},
        {TextOf(EditheatCap), ComboBoxHeatCap->currentIndex()},
        {TextOf(EditIntTemp), ComboBoxIntTemp->currentIndex()},
        {TextOf(EditObTemp), ComboBoxObTemp->currentIndex()},
        {TextOf(EditTime), ComboBoxTime->currentIndex()},
    };
}

void TFormCalcHeat::zBitColBtnCalcClick()
{
    EditHeatRejection->setText(FromUtf8(calculator_.Calculate(Measurement(), ComboBoxHeatRejection->currentIndex())));
}

void TFormCalcHeat::zBitColBtnResetClick()
{
    for (QLineEdit* edit : {EditOilVolume, EditDensity, EditheatCap, EditIntTemp, EditObTemp, EditTime})
        edit->clear();
    // The calculator first, so that the unit lists returning to their
    // defaults re-express its default values, not what the fields held.
    calculator_.Reset();
    const std::pair<QComboBox*, int> defaults[] = {
        {ComboBoxOilVolume, DefaultUnit}, {ComboBoxDensity, KgPerLitreUnit},
        {ComboBoxHeatCap, KjPerKgCelsiusUnit}, {ComboBoxIntTemp, DefaultUnit},
        {ComboBoxObTemp, DefaultUnit},    {ComboBoxTime, MinutesUnit},
        {ComboBoxHeatRejection, DefaultUnit},
    };
    for (const auto& [box, unit] : defaults)
        box->setCurrentIndex(unit);
    EditDensity->setText(FromUtf8(calculator_.DefaultDensityText()));
    EditheatCap->setText(FromUtf8(calculator_.DefaultSpecificHeatText()));
    EditHeatRejection->setText(FromUtf8(calculator_.ResultText(ComboBoxHeatRejection->currentIndex())));
}

void TFormCalcHeat::zBitColBtnHelpClick()
{
    help_.ShowTopic(FromUtf8(HelpTopicHeatCalculation));
}

void TFormCalcHeat::zBitColBtnTransferClick()
{
    transfer_ = calculator_.Transfer(TextOf(EditHeatRejection), ComboBoxHeatRejection->currentIndex());
    accept();
}

void TFormCalcHeat::ComboBoxHeatRejectionChange()
{
    EditHeatRejection->setText(FromUtf8(calculator_.ResultText(ComboBoxHeatRejection->currentIndex())));
}

void TFormCalcHeat::ComboBoxDensityChange()
{
    EditDensity->setText(FromUtf8(calculator_.DensityUnitChanged(ComboBoxDensity->currentIndex())));
}

void TFormCalcHeat::ComboBoxHeatCapChange()
{
    EditheatCap->setText(FromUtf8(calculator_.SpecificHeatUnitChanged(ComboBoxHeatCap->currentIndex())));
}

void TFormCalcHeat::EditDensityChange()
{
    calculator_.DensityTextChanged(TextOf(EditDensity));
}

void TFormCalcHeat::EditheatCapChange()
{
    calculator_.SpecificHeatTextChanged(TextOf(EditheatCap));
}

std::optional<HeatTransfer> RunHeatCalculation(QWidget* owner, const AppState& state, HelpViewer& help)
{
    TFormCalcHeat calculator(owner, state, help);
    if (calculator.exec() != QDialog::Accepted)
        return std::nullopt;
    return calculator.TakenTransfer();
}

}  // namespace kr::gui
