#pragma once

#include "core/install/flag_slots.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QStackedWidget;
class QWidget;

namespace kr::gui {

class BigLabel;
class ColorButton;
class FlagButton;
class GradientPanel;

// The installation wizard's controls, page by page, under the names by
// which the program and its tests know them (each also its objectName).

struct SetupTitleControls {
    GradientPanel* PanelTitle = nullptr;
    QLabel* LabelTitle1 = nullptr;
    QLabel* LabelTitle2 = nullptr;
};

// Page 0: flags on a 3 x 4 grid, slot n at index n - 1.
struct SetupLanguagePage {
    QWidget* TabSheetLanguage = nullptr;
    std::array<FlagButton*, FlagSlotCount> zNWBitColBtn{};
    std::array<BigLabel*, FlagSlotCount> zBigLabel{};
};

// Back, Next and Cancel at the foot of pages 1 to 3.
struct SetupNavigation {
    ColorButton* Back = nullptr;
    ColorButton* Next = nullptr;
    ColorButton* Cancel = nullptr;
};

// Page 1: the kind of installation.
struct SetupChoicePage {
    QWidget* TabSheetIndstilValg = nullptr;
    QGroupBox* GroupBoxIndstilValg = nullptr;
    QRadioButton* RadioButtonNormal = nullptr;
    QRadioButton* RadioButtonSpecial = nullptr;
    QRadioButton* RadioButtonServer = nullptr;
    BigLabel* zBigLabelNormal = nullptr;
    BigLabel* zBigLabelSpecial = nullptr;
    BigLabel* zBigLabelServer = nullptr;
    SetupNavigation Navigation;  // zColorBtnForrige1, zColorBtnNaeste1, zColorBtnAnnuller1
};

// Page 2: where the server copy goes.
struct SetupServerPage {
    QWidget* TabSheetServerValg = nullptr;
    QGroupBox* GroupBoxIndstilValg1 = nullptr;
    BigLabel* zBigLabelPlacering1 = nullptr;
    QLineEdit* EditPlacering1 = nullptr;
    ColorButton* zColorBtnPlacering1 = nullptr;
    SetupNavigation Navigation;  // zColorBtnForrige2, zColorBtnNaeste2, zColorBtnAnnuller2
};

// Page 3: the customised installation's folder and choices.
struct SetupSpecialPage {
    QWidget* TabSheetSpecialValg = nullptr;
    QGroupBox* GroupBoxIndstilValg2 = nullptr;
    BigLabel* zBigLabelPlacering2 = nullptr;
    QLineEdit* EditPlacering2 = nullptr;
    ColorButton* zColorBtnPlacering2 = nullptr;
    QCheckBox* CheckBoxSkrivebord = nullptr;
    QCheckBox* CheckBoxMenu = nullptr;
    QCheckBox* CheckBoxKopier = nullptr;
    SetupNavigation Navigation;  // zColorBtnForrige3, zColorBtnNaeste3, zColorBtnAnnuller3
};

// Page 4: the installation at work.
struct SetupDoInstallPage {
    QWidget* TabSheetDoInstall = nullptr;
    BigLabel* zBigLabelDoInstall = nullptr;
    QProgressBar* zGaugeDoInstall = nullptr;
    ColorButton* zColorBtnDoInstall = nullptr;
};

// The pages in their order; each Create function fills one page made by
// the form.
SetupTitleControls CreateSetupTitle(QWidget* form);
SetupLanguagePage CreateLanguagePage(QWidget* page);
SetupChoicePage CreateChoicePage(QWidget* page);
SetupServerPage CreateServerPage(QWidget* page);
SetupSpecialPage CreateSpecialPage(QWidget* page);
SetupDoInstallPage CreateDoInstallPage(QWidget* page);

}  // namespace kr::gui
