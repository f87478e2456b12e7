#include "gui/app/form_options.h"

#include "core/common/help_topics.h"
#include "core/common/text_case.h"
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/input_filters.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/message_boxes.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/language_picker.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/text_fitting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kr::gui {

namespace {

constexpr QSize ClientSize{444, 333};
constexpr QRect UserGroupRect{8, 8, 209, 262};
constexpr QRect ProgramGroupRect{227, 8, 209, 262};
constexpr int ButtonPanelHeight = 46;
constexpr int MaxDiscountPercent = 100;
constexpr int DiscountDigits = 3;

const QString CrLf = QStringLiteral("\r\n");
const QString Lf = QStringLiteral("\n");

void FillUnits(QComboBox* box, UnitNames units)
{
    for (std::string_view unit : units)
        box->addItem(FromUtf8(unit));
}

// A stored unit index that is not in the list shows as the base unit.
void SelectUnit(QComboBox* box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

}  // namespace

TFormOptions::TFormOptions(TFormStartmenu& owner)
    : QDialog(&owner, FixedDialogFlags), owner_(owner)
{
    setObjectName(QStringLiteral("FormOptions"));
    setFixedSize(ClientSize);
    CreateUserGroup();
    CreateProgramGroup();
    CreateButtons();
    ApplyTexts();
    CentreOnOwner(*this, owner);
}

void TFormOptions::CreateUserGroup()
{
    GroupBoxUser = MakeControl<QGroupBox>(this, "GroupBoxUser");
    GroupBoxUser->setGeometry(UserGroupRect);
    QGroupBox* g = GroupBoxUser;
    LabelName = MakeControl<QLabel>(g, "LabelName");
    LabelName->setGeometry(8, 18, 193, 14);
    MemoName = MakeControl<QPlainTextEdit>(g, "MemoName");
    MemoName->setGeometry(8, 32, 193, 56);
    MemoName->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoName->setTabChangesFocus(false);
    LabelUserName = MakeControl<QLabel>(g, "LabelUserName");
    LabelUserName->setGeometry(8, 92, 193, 14);
    EditUsername = MakeControl<QLineEdit>(g, "EditUsername");
    EditUsername->setGeometry(8, 106, 193, 21);
    CheckBoxInclude = MakeControl<QCheckBox>(g, "CheckBoxInclude");
    CheckBoxInclude->setGeometry(8, 131, 193, 19);

    LabelDiscount = MakeControl<QLabel>(g, "LabelDiscount");
    LabelDiscount->setGeometry(8, 156, 110, 21);
    EditDiscount = MakeControl<QLineEdit>(g, "EditDiscount");
    EditDiscount->setGeometry(120, 156, 50, 21);
    EditDiscount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EditDiscount->setMaxLength(DiscountDigits);
    EditDiscount->installEventFilter(new NumberKeyFilter(this, QChar(), false));
    LabelPercent = MakeControl<QLabel>(g, "LabelPercent");
    LabelPercent->setGeometry(174, 156, 20, 21);
    LabelPercent->setText(QStringLiteral("%"));

    const int rowTops[] = {181, 206, 231};
    QLabel** labels[] = {&LabelLeadTime, &LabelDeliveri, &LabelPayment};
    QLineEdit** edits[] = {&EditLeadTime, &EditDeliveri, &EditPayment};
    const char* labelNames[] = {"LabelLeadTime", "LabelDeliveri", "LabelPayment"};
    const char* editNames[] = {"EditLeadTime", "EditDeliveri", "EditPayment"};
    for (int row = 0; row < 3; ++row) {
        *labels[row] = MakeControl<QLabel>(g, labelNames[row]);
        (*labels[row])->setGeometry(8, rowTops[row], 80, 21);
        *edits[row] = MakeControl<QLineEdit>(g, editNames[row]);
        (*edits[row])->setGeometry(90, rowTops[row], 111, 21);
    }
}

void TFormOptions::CreateProgramGroup()
{
    GroupBoxProgram = MakeControl<QGroupBox>(this, "GroupBoxProgram");
    GroupBoxProgram->setGeometry(ProgramGroupRect);
    QGroupBox* g = GroupBoxProgram;
    CheckBoxShowStart = MakeControl<QCheckBox>(g, "CheckBoxShowStart");
    CheckBoxShowStart->setGeometry(8, 20, 193, 19);
    const AppState& state = owner_.State();
    ComboBoxLanguage = MakeControl<LanguagePicker>(g, "ComboBoxLanguage");
    ComboBoxLanguage->Fill(state.Languages, FromUtf8(state.AppDir));
    ComboBoxLanguage->setGeometry(8, 46, 193, qMax(24, ComboBoxLanguage->ItemHeight() + 6));

    const struct {
        QLabel** Label;
        const char* LabelName;
        QComboBox** Box;
        const char* BoxName;
        UnitNames Units;
    } rows[] = {
        {&LabelAirFlow, "LabelAirFlow", &ComboBoxAirFlow, "ComboBoxAirFlow", UnitsAirFlow},
        {&LabelPressLoss, "LabelPressLoss", &ComboBoxPressLoss, "ComboBoxPressLoss", UnitsPressure},
        {&LabelWeight, "LabelWeight", &ComboBoxWeight, "ComboBoxWeight", UnitsMass},
        {&LabelVolume, "LabelVolume", &ComboBoxVolume, "ComboBoxVolume", UnitsVolume},
    };
    int top = 116;
    for (const auto& row : rows) {
        *row.Label = MakeControl<QLabel>(g, row.LabelName);
        (*row.Label)->setGeometry(8, top, 100, 21);
        *row.Box = MakeControl<QComboBox>(g, row.BoxName);
        (*row.Box)->setGeometry(110, top, 91, 21);
        FillUnits(*row.Box, row.Units);
        top += 30;
    }
}

void TFormOptions::CreateButtons()
{
    auto* panel = MakeControl<GradientPanel>(this, "PanelButtons");
    panel->setGeometry(0, ClientSize.height() - ButtonPanelHeight, ClientSize.width(), ButtonPanelHeight);
    ButtonDefault = MakeControl<ColorButton>(panel, "ButtonDefault", Glyph::Reset);
    ButtonDefault->setGeometry(8, 10, 150, 26);
    zBitColBtnHelp = MakeControl<ColorButton>(panel, "zBitColBtnHelp", Glyph::Help);
    zBitColBtnHelp->setGeometry(232, 10, 98, 26);
    ButtonClose = MakeControl<ColorButton>(panel, "ButtonClose", Glyph::Ok);
    ButtonClose->setGeometry(338, 10, 98, 26);
    ButtonClose->setDefault(true);
    connect(ButtonDefault, &QAbstractButton::clicked, this, &TFormOptions::ButtonDefaultClick);
    connect(zBitColBtnHelp, &QAbstractButton::clicked, this, &TFormOptions::zBitColBtnHelpClick);
    connect(ButtonClose, &QAbstractButton::clicked, this, &QDialog::accept);
}

void TFormOptions::ApplyTexts()
{
    const LanguageTable& texts = owner_.State().Texts();
    setWindowTitle(Text(texts, keys::Options));
    GroupBoxUser->setTitle(Text(texts, keys::UserOptions));
    GroupBoxProgram->setTitle(Text(texts, keys::ProgramOptions));

    // Caption (or label) key, hint key, the control that gets the hint.
    const struct {
        QWidget* Caption;
        TextKey CaptionKey;
        TextKey HintKey;
        QWidget* Control;
    } rows[] = {
        {CheckBoxShowStart, keys::ShowStartScreen, keys::HintShowStartScreen, CheckBoxShowStart},
        {nullptr, keys::Language, keys::HintLanguage, ComboBoxLanguage},
        {LabelName, keys::YourNameAndAddress, keys::HintYourNameAndAddress, MemoName},
        {LabelUserName, keys::UserName, keys::HintUserName, EditUsername},
        {CheckBoxInclude, keys::IncludeThisAddressOnPrint, keys::HintIncludeThisAddressOnPrint, CheckBoxInclude},
        {LabelDiscount, keys::PriceDiscount, keys::HintPriceDiscount, EditDiscount},
        {LabelLeadTime, keys::LeadTimeColon, keys::HintLeadTime, EditLeadTime},
        {LabelDeliveri, keys::DeliveryColon, keys::HintDeliveryColon, EditDeliveri},
        {LabelPayment, keys::PaymentColon, keys::HintPaymentColon, EditPayment},
        {LabelAirFlow, keys::Airflow, keys::HintAirflow, ComboBoxAirFlow},
        {LabelPressLoss, keys::PressureLoss, keys::HintPressureLoss, ComboBoxPressLoss},
        {LabelWeight, keys::Weight, keys::HintWeight, ComboBoxWeight},
        {LabelVolume, keys::Volume, keys::HintVolume, ComboBoxVolume},
        {ButtonDefault, keys::SetBackToDefault, keys::HintSetBackToDefault, ButtonDefault},
        {ButtonClose, keys::Close, keys::HintClose, ButtonClose},
        {zBitColBtnHelp, keys::Help, keys::HintHelp, zBitColBtnHelp},
    };
    for (const auto& row : rows) {
        const QString caption = Text(texts, row.CaptionKey);
        if (auto* label = qobject_cast<QLabel*>(row.Caption))
            label->setText(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(row.Caption))
            button->setText(caption);
        SetHint(*row.Control, Text(texts, row.HintKey));
        // The picker has no label; it is named by what it chooses.
        row.Control->setAccessibleName(row.Caption ? caption : Text(texts, row.HintKey));
        if (row.Caption && !qobject_cast<ColorButton*>(row.Caption))
            FitTextToWidth(*row.Caption);
    }
}

void TFormOptions::SelectLanguage(const QString& name)
{
    for (int i = 0; i < ComboBoxLanguage->count(); ++i) {
        if (SameText(ToUtf8(ComboBoxLanguage->itemText(i)), ToUtf8(name))) {
            ComboBoxLanguage->setCurrentIndex(i);
            return;
        }
    }
    ComboBoxLanguage->setCurrentIndex(-1);
}

void TFormOptions::ShowSettings(const kr::Settings& settings)
{
    CheckBoxShowStart->setChecked(settings.Showmenu);
    MemoName->setPlainText(FromUtf8(settings.NameAddress).replace(CrLf, Lf));
    EditUsername->setText(FromUtf8(settings.UserName));
    CheckBoxInclude->setChecked(settings.NameOnPrint);
    EditDiscount->setText(QString::number(settings.PricePct));
    EditLeadTime->setText(FromUtf8(settings.LeadTime));
    EditDeliveri->setText(FromUtf8(settings.Delivery));
    EditPayment->setText(FromUtf8(settings.Payment));
    SelectUnit(ComboBoxAirFlow, settings.AirFlow);
    SelectUnit(ComboBoxPressLoss, settings.PresssureLoss);
    SelectUnit(ComboBoxWeight, settings.Weight);
    SelectUnit(ComboBoxVolume, settings.Volume);
}

int TFormOptions::DiscountPercent(const QString& text)
{
    bool isNumber = false;
    const int percent = text.toInt(&isNumber);
    if (!isNumber || percent < 0)
        return 0;
    // More than the whole price would print negative prices.
    return qMin(percent, MaxDiscountPercent);
}

void TFormOptions::TakeSettings(kr::Settings& settings) const
{
    settings.Showmenu = CheckBoxShowStart->isChecked();
    settings.NameAddress = ToUtf8(MemoName->toPlainText().replace(Lf, CrLf));
    settings.UserName = ToUtf8(EditUsername->text());
    settings.NameOnPrint = CheckBoxInclude->isChecked();
    settings.PricePct = DiscountPercent(EditDiscount->text());
    settings.LeadTime = ToUtf8(EditLeadTime->text());
    settings.Delivery = ToUtf8(EditDeliveri->text());
    settings.Payment = ToUtf8(EditPayment->text());
    settings.AirFlow = ComboBoxAirFlow->currentIndex();
    settings.PresssureLoss = ComboBoxPressLoss->currentIndex();
    settings.Weight = ComboBoxWeight->currentIndex();
    settings.Volume = ComboBoxVolume->currentIndex();
}

void TFormOptions::ButtonDefaultClick()
{
    EditDiscount->setText(QStringLiteral("0"));
    EditLeadTime->clear();
    EditDeliveri->clear();
    EditPayment->clear();
    for (QComboBox* box : {ComboBoxAirFlow, ComboBoxPressLoss, ComboBoxWeight, ComboBoxVolume})
        box->setCurrentIndex(0);
}

void TFormOptions::zBitColBtnHelpClick()
{
    owner_.Help().ShowTopic(FromUtf8(HelpTopicOptions));
}

void RunOptions(TFormStartmenu& owner)
{
    AppState& state = owner.State();
    TFormOptions options(owner);
    state.Store->Reload();
    state.Settings.Showmenu = ReadShowmenu(*state.Store);
    options.SelectLanguage(Text(state.Texts(), keys::Language));
    options.ShowSettings(state.Settings);
    if (options.exec() != QDialog::Accepted)
        return;

    const int language = options.ComboBoxLanguage->currentIndex();
    if (language >= 0) {
        state.ScreenLanguage = language;
        state.Settings.LanguageName = state.Texts().Lookup(keys::Language.Key);
        owner.ApplyMainWindowTexts();
    }
    options.TakeSettings(state.Settings);
    const FileWriteResult written = WriteOptions(*state.Store, state.Settings);
    if (!written.Ok())
        ShowSettingsWriteFailure(&owner, state, written);
    owner.Quotation->FillSenderAndTerms();
}

}  // namespace kr::gui
