#include "gui/app/create_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kr::gui {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name)
{
    auto* label = MakeControl<QLabel>(parent, name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeNumberEdit(QWidget* parent, const char* name)
{
    auto* edit = MakeControl<QLineEdit>(parent, name);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

}  // namespace

CalcTabControls CreateCalcTab(QWidget* page)
{
    CalcTabControls c;
    c.GroupBoxInputCalc = MakeControl<QGroupBox>(page, "GroupBoxInputCalc");
    c.LabelHeatReject = MakeLabel(c.GroupBoxInputCalc, "LabelHeatReject");
    c.EditHeatReject = MakeNumberEdit(c.GroupBoxInputCalc, "EditHeatReject");
    c.ComboBoxHeatReject = MakeControl<QComboBox>(c.GroupBoxInputCalc, "ComboBoxHeatReject");
    c.LabeloilFlow = MakeLabel(c.GroupBoxInputCalc, "LabeloilFlow");
    c.EditOilFlow = MakeNumberEdit(c.GroupBoxInputCalc, "EditOilFlow");
    c.ComboBoxOilFlow = MakeControl<QComboBox>(c.GroupBoxInputCalc, "ComboBoxOilFlow");
    c.LabelAmbientTemp = MakeLabel(c.GroupBoxInputCalc, "LabelAmbientTemp");
    c.EditAmbientTemp = MakeNumberEdit(c.GroupBoxInputCalc, "EditAmbientTemp");
    c.ComboBoxAmbientTemp = MakeControl<QComboBox>(c.GroupBoxInputCalc, "ComboBoxAmbientTemp");
    c.LabelInletTemp = MakeLabel(c.GroupBoxInputCalc, "LabelInletTemp");
    c.EditInletTemp = MakeNumberEdit(c.GroupBoxInputCalc, "EditInletTemp");
    c.ComboBoxInletTemp = MakeControl<QComboBox>(c.GroupBoxInputCalc, "ComboBoxInletTemp");

    c.GroupBoxMotorCalc = MakeControl<QGroupBox>(page, "GroupBoxMotorCalc");
    c.RadioButtonACDC = MakeControl<QRadioButton>(c.GroupBoxMotorCalc, "RadioButtonACDC");
    c.ComboBoxACDC = MakeControl<QComboBox>(c.GroupBoxMotorCalc, "ComboBoxACDC");
    c.RadioButtonHydralic = MakeControl<QRadioButton>(c.GroupBoxMotorCalc, "RadioButtonHydralic");
    c.RadioButtonKRC = MakeControl<QRadioButton>(c.GroupBoxMotorCalc, "RadioButtonKRC");

    c.GroupBoxWorkCalc = MakeControl<QGroupBox>(page, "GroupBoxWorkCalc");
    c.CheckBoxDefault = MakeControl<QCheckBox>(c.GroupBoxWorkCalc, "CheckBoxDefault");
    c.LabelMaxloss = MakeLabel(c.GroupBoxWorkCalc, "LabelMaxloss");
    c.EditMaxLoss = MakeNumberEdit(c.GroupBoxWorkCalc, "EditMaxLoss");
    c.ComboBoxMaxLoss = MakeControl<QComboBox>(c.GroupBoxWorkCalc, "ComboBoxMaxLoss");
    c.LabelAltitude = MakeLabel(c.GroupBoxWorkCalc, "LabelAltitude");
    c.EditAltitude = MakeNumberEdit(c.GroupBoxWorkCalc, "EditAltitude");
    c.ComboBoxAltitude = MakeControl<QComboBox>(c.GroupBoxWorkCalc, "ComboBoxAltitude");
    c.LabelOilType = MakeLabel(c.GroupBoxWorkCalc, "LabelOilType");
    c.ComboBoxOilType = MakeControl<QComboBox>(c.GroupBoxWorkCalc, "ComboBoxOilType");
    return c;
}

KnownTabControls CreateKnownTab(QWidget* page)
{
    KnownTabControls c;
    c.GroupBoxInputCalc1 = MakeControl<QGroupBox>(page, "GroupBoxInputCalc1");
    c.LabelSelectCooler = MakeLabel(c.GroupBoxInputCalc1, "LabelSelectCooler");
    c.ComboBoxSelectCooler = MakeControl<QComboBox>(c.GroupBoxInputCalc1, "ComboBoxSelectCooler");
    c.LabeloilFlow1 = MakeLabel(c.GroupBoxInputCalc1, "LabeloilFlow1");
    c.EditOilFlow1 = MakeNumberEdit(c.GroupBoxInputCalc1, "EditOilFlow1");
    c.ComboBoxOilFlow1 = MakeControl<QComboBox>(c.GroupBoxInputCalc1, "ComboBoxOilFlow1");
    c.LabelAmbientTemp1 = MakeLabel(c.GroupBoxInputCalc1, "LabelAmbientTemp1");
    c.EditAmbientTemp1 = MakeNumberEdit(c.GroupBoxInputCalc1, "EditAmbientTemp1");
    c.ComboBoxAmbientTemp1 = MakeControl<QComboBox>(c.GroupBoxInputCalc1, "ComboBoxAmbientTemp1");
    c.LabelInletTemp1 = MakeLabel(c.GroupBoxInputCalc1, "LabelInletTemp1");
    c.EditInletTemp1 = MakeNumberEdit(c.GroupBoxInputCalc1, "EditInletTemp1");
    c.ComboBoxInletTemp1 = MakeControl<QComboBox>(c.GroupBoxInputCalc1, "ComboBoxInletTemp1");

    c.GroupBoxMotorCalc1 = MakeControl<QGroupBox>(page, "GroupBoxMotorCalc1");
    c.RadioButtonACDC1 = MakeControl<QRadioButton>(c.GroupBoxMotorCalc1, "RadioButtonACDC1");
    c.ComboBoxACDC1 = MakeControl<QComboBox>(c.GroupBoxMotorCalc1, "ComboBoxACDC1");
    c.RadioButtonHydralic1 = MakeControl<QRadioButton>(c.GroupBoxMotorCalc1, "RadioButtonHydralic1");
    c.ComboBoxHyd1 = MakeControl<QComboBox>(c.GroupBoxMotorCalc1, "ComboBoxHyd1");
    c.RadioButtonKRC1 = MakeControl<QRadioButton>(c.GroupBoxMotorCalc1, "RadioButtonKRC1");

    c.GroupBoxWorkCalc1 = MakeControl<QGroupBox>(page, "GroupBoxWorkCalc1");
    c.CheckBoxDefault1 = MakeControl<QCheckBox>(c.GroupBoxWorkCalc1, "CheckBoxDefault1");
    c.LabelAltitude1 = MakeLabel(c.GroupBoxWorkCalc1, "LabelAltitude1");
    c.EditAltitude1 = MakeNumberEdit(c.GroupBoxWorkCalc1, "EditAltitude1");
    c.ComboBoxAltitude1 = MakeControl<QComboBox>(c.GroupBoxWorkCalc1, "ComboBoxAltitude1");
    c.LabelOilType1 = MakeLabel(c.GroupBoxWorkCalc1, "LabelOilType1");
    c.ComboBoxOilType1 = MakeControl<QComboBox>(c.GroupBoxWorkCalc1, "ComboBoxOilType1");
    return c;
}

}  // namespace kr::gui
