// The Calculation and Known cooler tabs: accepted characters, the standard
// working conditions, the drive buttons and the cooler type's drive choices.
#include "core/engine/motor_options.h"
#include "core/engine/oil_grades.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/input_filters.h"
#include "gui/app/screen_texts.h"
#include "gui/widgets/radio_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace kr::gui {

namespace {

// The standard working conditions: 2 bar, 0 m and ISO VG 32, in the first
// (base) unit of each list.
const QString StandardMaxLoss = QStringLiteral("2");
const QString StandardAltitude = QStringLiteral("0");

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled)
{
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void OnChecked(QRadioButton* button, TFormStartmenu* form, void (TFormStartmenu::*handler)())
{
    QObject::connect(button, &QRadioButton::toggled, form, [form, handler](bool checked) {
        if (checked)
            (form->*handler)();
    });
}

}  // namespace

void TFormStartmenu::ConnectInputTabs()
{
    const CalcTabControls& c = Calc;
    const KnownTabControls& k = Known;
    const QChar separator = QChar(static_cast<uchar>(state_.Format.DecimalSeparator));
    auto* signedNumbers = new NumberKeyFilter(this, separator, true);
    for (QLineEdit* edit : {c.EditHeatReject, c.EditOilFlow, c.EditInletTemp, c.EditAmbientTemp, c.EditAltitude,
                            k.EditOilFlow1, k.EditInletTemp1, k.EditAmbientTemp1, k.EditAltitude1})
        edit->installEventFilter(signedNumbers);
    c.EditMaxLoss->installEventFilter(new NumberKeyFilter(this, separator, false));

    auto* enterEditField = new EnterEditField(this);
    for (QWidget* control : std::initializer_list<QWidget*>{
             c.EditHeatReject, c.EditOilFlow, c.EditInletTemp, c.EditAmbientTemp, c.EditMaxLoss, c.EditAltitude,
             k.EditOilFlow1, k.EditInletTemp1, k.EditAmbientTemp1, k.EditAltitude1, k.ComboBoxSelectCooler})
        enterEditField->Watch(control);

    for (QLineEdit* edit : {c.EditHeatReject, c.EditOilFlow, c.EditInletTemp, c.EditAmbientTemp, c.EditMaxLoss,
                            c.EditAltitude})
        connect(edit, &QLineEdit::textChanged, this, &TFormStartmenu::EditHeatRejectChange);
    for (QComboBox* box : {c.ComboBoxHeatReject, c.ComboBoxOilFlow, c.ComboBoxInletTemp, c.ComboBoxAmbientTemp,
                           c.ComboBoxMaxLoss, c.ComboBoxAltitude, c.ComboBoxACDC, c.ComboBoxOilType})
        connect(box, &QComboBox::currentIndexChanged, this, &TFormStartmenu::EditHeatRejectChange);
    for (QLineEdit* edit : {k.EditOilFlow1, k.EditInletTemp1, k.EditAmbientTemp1, k.EditAltitude1})
        connect(edit, &QLineEdit::textChanged, this, &TFormStartmenu::EditOilFlow1Change);
    for (QComboBox* box : {k.ComboBoxOilFlow1, k.ComboBoxInletTemp1, k.ComboBoxAmbientTemp1, k.ComboBoxAltitude1,
                           k.ComboBoxACDC1, k.ComboBoxHyd1, k.ComboBoxOilType1})
        connect(box, &QComboBox::currentIndexChanged, this, &TFormStartmenu::EditOilFlow1Change);

    connect(c.CheckBoxDefault, &QCheckBox::toggled, this, &TFormStartmenu::CheckBoxDefaultClick);
    connect(k.CheckBoxDefault1, &QCheckBox::toggled, this, &TFormStartmenu::CheckBoxDefault1Click);
    OnChecked(c.RadioButtonACDC, this, &TFormStartmenu::RadioButtonACDCClick);
    OnChecked(c.RadioButtonHydralic, this, &TFormStartmenu::RadioButtonHydralicClick);
    OnChecked(c.RadioButtonKRC, this, &TFormStartmenu::RadioButtonKRCClick);
    OnChecked(k.RadioButtonACDC1, this, &TFormStartmenu::RadioButtonACDC1Click);
    OnChecked(k.RadioButtonHydralic1, this, &TFormStartmenu::RadioButtonHydralic1Click);
    OnChecked(k.RadioButtonKRC1, this, &TFormStartmenu::RadioButtonKRC1Click);
    connect(k.ComboBoxSelectCooler, &QComboBox::currentIndexChanged, this, &TFormStartmenu::ComboBoxSelectCoolerChange);
}

void TFormStartmenu::EditHeatRejectChange()
{
    ResetCalculationResults();
}

void TFormStartmenu::EditOilFlow1Change()
{
    ResetKnownResults();
    ShowKrcPumpFlow();
}

void TFormStartmenu::CheckBoxDefaultClick()
{
    const CalcTabControls& c = Calc;
    if (c.CheckBoxDefault->isChecked()) {
        SetEnabled({c.EditMaxLoss, c.ComboBoxMaxLoss, c.EditAltitude, c.ComboBoxAltitude, c.ComboBoxOilType}, false);
        c.ComboBoxOilType->setCurrentIndex(StandardOilGradeIndex);
        c.EditMaxLoss->setText(StandardMaxLoss);
        c.ComboBoxMaxLoss->setCurrentIndex(0);
        c.EditAltitude->setText(StandardAltitude);
        c.ComboBoxAltitude->setCurrentIndex(0);
    } else {
        SetEnabled({c.EditMaxLoss, c.ComboBoxMaxLoss, c.EditAltitude, c.ComboBoxAltitude, c.ComboBoxOilType}, true);
        SetEnabled({c.EditMaxLoss, c.ComboBoxMaxLoss, c.EditOilFlow, c.ComboBoxOilFlow}, !c.RadioButtonKRC->isChecked());
    }
    ResetCalculationResults();
}

void TFormStartmenu::CheckBoxDefault1Click()
{
    const KnownTabControls& k = Known;
    const bool standard = k.CheckBoxDefault1->isChecked();
    if (standard) {
        k.ComboBoxOilType1->setCurrentIndex(StandardOilGradeIndex);
        k.EditAltitude1->setText(StandardAltitude);
        k.ComboBoxAltitude1->setCurrentIndex(0);
    }
    SetEnabled({k.EditAltitude1, k.ComboBoxAltitude1, k.ComboBoxOilType1}, !standard);
    ResetKnownResults();
}

void TFormStartmenu::RadioButtonACDCClick()
{
    const CalcTabControls& c = Calc;
    SetEnabled({c.ComboBoxACDC, c.EditOilFlow, c.ComboBoxOilFlow}, true);
    SetEnabled({c.EditMaxLoss, c.ComboBoxMaxLoss}, !c.CheckBoxDefault->isChecked());
    ResetCalculationResults();
}

void TFormStartmenu::RadioButtonHydralicClick()
{
    const CalcTabControls& c = Calc;
    SetEnabled({c.EditOilFlow, c.ComboBoxOilFlow}, true);
    SetEnabled({c.EditMaxLoss, c.ComboBoxMaxLoss}, !c.CheckBoxDefault->isChecked());
    c.ComboBoxACDC->setEnabled(false);
    ResetCalculationResults();
}

void TFormStartmenu::RadioButtonKRCClick()
{
    const CalcTabControls& c = Calc;
    // A KRC cooler's oil flow is that of its own pump.
    SetEnabled({c.ComboBoxACDC, c.EditMaxLoss, c.ComboBoxMaxLoss, c.EditOilFlow}, false);
    c.EditOilFlow->clear();
    ResetCalculationResults();
}

void TFormStartmenu::RadioButtonACDC1Click()
{
    const KnownTabControls& k = Known;
    k.ComboBoxACDC1->setEnabled(true);
    k.ComboBoxHyd1->setEnabled(false);
    SetEnabled({k.EditOilFlow1, k.ComboBoxOilFlow1}, true);
    ResetKnownResults();
    k.ComboBoxACDC1->clear();
    k.ComboBoxHyd1->clear();
    ComboBoxSelectCoolerChange();
}

void TFormStartmenu::RadioButtonHydralic1Click()
{
    const KnownTabControls& k = Known;
    k.ComboBoxACDC1->setEnabled(false);
    k.ComboBoxHyd1->setEnabled(true);
    SetEnabled({k.EditOilFlow1, k.ComboBoxOilFlow1}, true);
    ResetKnownResults();
    k.ComboBoxACDC1->clear();
    k.ComboBoxHyd1->clear();
    ComboBoxSelectCoolerChange();
}

void TFormStartmenu::RadioButtonKRC1Click()
{
    ResetKnownResults();
    Known.EditOilFlow1->setEnabled(false);
    Known.EditOilFlow1->clear();
}

void TFormStartmenu::ComboBoxSelectCoolerChange()
{
    const KnownTabControls& k = Known;
    const std::string type = k.ComboBoxSelectCooler->currentIndex() < 0 ? std::string()
                                                                       : ToUtf8(k.ComboBoxSelectCooler->currentText());
    const DriveChoice selected = k.RadioButtonACDC1->isChecked()       ? DriveChoice::ACDC
                                 : k.RadioButtonHydralic1->isChecked() ? DriveChoice::Hydraulic
                                 : k.RadioButtonKRC1->isChecked()      ? DriveChoice::KRC
                                                                       : DriveChoice::None;
    const KnownDriveControls drive = RebuildMotorOptions(state_.Database.CoolerRecords, type, selected,
                                                         k.ComboBoxOilFlow1->currentIndex(),
                                                         state_.Format.DecimalSeparator);
    k.RadioButtonACDC1->setEnabled(drive.ACDCEnabled);
    k.RadioButtonHydralic1->setEnabled(drive.HydraulicEnabled);
    k.RadioButtonKRC1->setEnabled(drive.KRCEnabled);
    k.ComboBoxACDC1->setEnabled(drive.ACDCListEnabled);
    k.ComboBoxHyd1->setEnabled(drive.HydListEnabled);
    if (drive.KRCEnabled)
        k.RadioButtonKRC1->setChecked(true);
    if (drive.KrcChoiceCleared) {
        UncheckRadioButtons({k.RadioButtonKRC1});
        SetEnabled({k.EditOilFlow1, k.ComboBoxOilFlow1}, true);
    }

    const auto fill = [](QComboBox* box, const std::vector<MotorEntry>& entries, int chosen) {
        box->clear();
        for (const MotorEntry& entry : entries)
            box->addItem(FromUtf8(entry.Text), entry.Value);
        box->setCurrentIndex(chosen);
    };
    fill(k.ComboBoxHyd1, drive.HydEntries, drive.HydChosen);
    fill(k.ComboBoxACDC1, drive.ACDCEntries, drive.ACDCChosen);
    if (drive.PumpFlowText)
        k.EditOilFlow1->setText(FromUtf8(*drive.PumpFlowText));
}

void TFormStartmenu::ShowKrcPumpFlow()
{
    // Writing the pump flow changes the field, which asks for it again.
    if (showingPumpFlow_ || Known.ComboBoxSelectCooler->currentIndex() < 0)
        return;
    showingPumpFlow_ = true;
    const std::optional<std::string> pumpFlow =
        KrcPumpFlowText(state_.Database.CoolerRecords, ToUtf8(Known.ComboBoxSelectCooler->currentText()),
                        Known.ComboBoxOilFlow1->currentIndex(), state_.Format.DecimalSeparator);
    if (pumpFlow)
        Known.EditOilFlow1->setText(FromUtf8(*pumpFlow));
    showingPumpFlow_ = false;
}

}  // namespace kr::gui
