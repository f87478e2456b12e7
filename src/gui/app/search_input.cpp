#include "gui/app/search_input.h"

#include "gui/app/screen_texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace kr::gui {

namespace {

DriveChoice ChosenDrive(const QRadioButton* acdc, const QRadioButton* hydraulic, const QRadioButton* krc)
{
    if (acdc->isChecked())
        return DriveChoice::ACDC;
    if (hydraulic->isChecked())
        return DriveChoice::Hydraulic;
    if (krc->isChecked())
        return DriveChoice::KRC;
    return DriveChoice::None;
}

std::string TextOf(const QLineEdit* edit)
{
    return ToUtf8(edit->text());
}

}  // namespace

CalculationInput ReadCalculationInput(const CalcTabControls& c)
{
    CalculationInput input;
    input.HeatReject = TextOf(c.EditHeatReject);
    input.HeatRejectUnit = c.ComboBoxHeatReject->currentIndex();
    input.OilFlow = TextOf(c.EditOilFlow);
    input.OilFlowUnit = c.ComboBoxOilFlow->currentIndex();
    input.AmbientTemp = TextOf(c.EditAmbientTemp);
    input.AmbientTempUnit = c.ComboBoxAmbientTemp->currentIndex();
    input.InletTemp = TextOf(c.EditInletTemp);
    input.InletTempUnit = c.ComboBoxInletTemp->currentIndex();
    input.MaxLoss = TextOf(c.EditMaxLoss);
    input.MaxLossUnit = c.ComboBoxMaxLoss->currentIndex();
    input.Altitude = TextOf(c.EditAltitude);
    input.AltitudeUnit = c.ComboBoxAltitude->currentIndex();
    input.OilTypeIndex = c.ComboBoxOilType->currentIndex();
    input.Drive = ChosenDrive(c.RadioButtonACDC, c.RadioButtonHydralic, c.RadioButtonKRC);
    input.MotorVoltageIndex = c.ComboBoxACDC->currentIndex();
    return input;
}

KnownInput ReadKnownInput(const KnownTabControls& k)
{
    KnownInput input;
    input.OilFlow = TextOf(k.EditOilFlow1);
    input.OilFlowUnit = k.ComboBoxOilFlow1->currentIndex();
    input.AmbientTemp = TextOf(k.EditAmbientTemp1);
    input.AmbientTempUnit = k.ComboBoxAmbientTemp1->currentIndex();
    input.InletTemp = TextOf(k.EditInletTemp1);
    input.InletTempUnit = k.ComboBoxInletTemp1->currentIndex();
    input.Altitude = TextOf(k.EditAltitude1);
    input.AltitudeUnit = k.ComboBoxAltitude1->currentIndex();
    input.OilTypeIndex = k.ComboBoxOilType1->currentIndex();
    input.Drive = ChosenDrive(k.RadioButtonACDC1, k.RadioButtonHydralic1, k.RadioButtonKRC1);
    if (k.ComboBoxSelectCooler->currentIndex() >= 0)
        input.CoolerType = ToUtf8(k.ComboBoxSelectCooler->currentText());
    if (k.ComboBoxACDC1->currentIndex() >= 0)
        input.MotorChoice = k.ComboBoxACDC1->currentData().toInt();
    if (k.ComboBoxHyd1->currentIndex() >= 0)
        input.HydraulicChoice = ToUtf8(k.ComboBoxHyd1->currentText());
    return input;
}

}  // namespace kr::gui
