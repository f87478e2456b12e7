#pragma once

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTextEdit;
class QWidget;

namespace kr::gui {

class BevelFrame;
class ColorButton;
class GradientPanel;
class PageControl;
class PictureBox;
class SpinButton;
class StringGrid;

// The controls of the main window, page by page, under the names by which
// the program and its tests know them (each also its objectName).

struct StartMenuControls {
    QWidget* TabSheetStartMenu = nullptr;
    PictureBox* zBitmapLogoMenu = nullptr;
    ColorButton* zColorBtnCalcSearch = nullptr;
    ColorButton* zColorBtnProdInfo = nullptr;
    ColorButton* zColorBtnCompProfile = nullptr;
    QCheckBox* CheckBoxShowStartmenu = nullptr;
};

struct MainMenus {
    QMenu* MenuFile = nullptr;
    QMenu* MenuOptions = nullptr;
    QMenu* Menuhelp = nullptr;
    QAction* MenuSaveQuotation = nullptr;
    QAction* MenuOpenQuotation = nullptr;
    QAction* MenuPrint = nullptr;
    QAction* MenuPrintSetup = nullptr;
    QAction* MenuMinimize = nullptr;
    QAction* MenuStop = nullptr;
    QAction* MenuCalc = nullptr;
    QAction* MenuKnown = nullptr;
    QAction* MenuQuotation = nullptr;
    QAction* MenuAccessories = nullptr;
    QAction* MenuHeatCalc = nullptr;
    QAction* MenuPriceUpdate = nullptr;
    QAction* MenuDrawing = nullptr;
    QAction* MenuSetOptions = nullptr;
    QAction* MenuHelpTopics = nullptr;
    QAction* MenuInstInst = nullptr;
    QAction* MenuKRProd = nullptr;
    QAction* MenuCompProf = nullptr;
    QAction* MenuAbout = nullptr;
};

// Heading buttons of a result grid, by the column they sort: 1, 3, 4, 5, 6.
inline constexpr std::array<int, 5> SortColumns{1, 3, 4, 5, 6};
using SortButtons = std::array<ColorButton*, SortColumns.size()>;

struct MainScreenControls {
    QWidget* TabSheetMainScreen = nullptr;
    BevelFrame* PanelMain = nullptr;
    QFrame* PanelChooise = nullptr;
    PageControl* PageControlCooise = nullptr;
    QWidget* TabSheetCalc = nullptr;
    QWidget* TabSheetKnown = nullptr;
    QWidget* TabSheetOffer = nullptr;
    GradientPanel* PanelButtons = nullptr;
    ColorButton* zBitColBtnSearch = nullptr;
    ColorButton* zBitColBtnReset = nullptr;
    ColorButton* zBitColBtnHelp = nullptr;
    ColorButton* zBitColBtntilbehor = nullptr;
    ColorButton* zBitColBtnPrint = nullptr;
    ColorButton* zBitColBtnReset1 = nullptr;
    ColorButton* zBitColBtnHelp1 = nullptr;
    BevelFrame* PanelResult = nullptr;
    QFrame* PanelUnknown = nullptr;
    StringGrid* StringGridResult = nullptr;
    ColorButton* zBitColBtnTData = nullptr;
    ColorButton* zBitColBtnTransfer = nullptr;
    SpinButton* zcSpinBtn1 = nullptr;
    SortButtons SortButtonsResult{};  // zNWGrid1, zNWGrid3 .. zNWGrid6
    QFrame* PanelKnown = nullptr;
    StringGrid* StringGridResult1 = nullptr;
    ColorButton* zBitColBtnTData1 = nullptr;
    ColorButton* zBitColBtnTransfer1 = nullptr;
    SortButtons SortButtonsResult1{};  // zNWGrid1_1, zNWGrid1_3 .. zNWGrid1_6
};

struct CalcTabControls {
    QGroupBox* GroupBoxInputCalc = nullptr;
    QLabel* LabelHeatReject = nullptr;
    QLineEdit* EditHeatReject = nullptr;
    QComboBox* ComboBoxHeatReject = nullptr;
    QLabel* LabeloilFlow = nullptr;
    QLineEdit* EditOilFlow = nullptr;
    QComboBox* ComboBoxOilFlow = nullptr;
    QLabel* LabelAmbientTemp = nullptr;
    QLineEdit* EditAmbientTemp = nullptr;
    QComboBox* ComboBoxAmbientTemp = nullptr;
    QLabel* LabelInletTemp = nullptr;
    QLineEdit* EditInletTemp = nullptr;
    QComboBox* ComboBoxInletTemp = nullptr;
    QGroupBox* GroupBoxMotorCalc = nullptr;
    QRadioButton* RadioButtonACDC = nullptr;
    QComboBox* ComboBoxACDC = nullptr;
    QRadioButton* RadioButtonHydralic = nullptr;
    QRadioButton* RadioButtonKRC = nullptr;
    QGroupBox* GroupBoxWorkCalc = nullptr;
    QCheckBox* CheckBoxDefault = nullptr;
    QLabel* LabelMaxloss = nullptr;
    QLineEdit* EditMaxLoss = nullptr;
    QComboBox* ComboBoxMaxLoss = nullptr;
    QLabel* LabelAltitude = nullptr;
    QLineEdit* EditAltitude = nullptr;
    QComboBox* ComboBoxAltitude = nullptr;
    QLabel* LabelOilType = nullptr;
    QComboBox* ComboBoxOilType = nullptr;
};

struct KnownTabControls {
    QGroupBox* GroupBoxInputCalc1 = nullptr;
    QLabel* LabelSelectCooler = nullptr;
    QComboBox* ComboBoxSelectCooler = nullptr;
    QLabel* LabeloilFlow1 = nullptr;
    QLineEdit* EditOilFlow1 = nullptr;
    QComboBox* ComboBoxOilFlow1 = nullptr;
    QLabel* LabelAmbientTemp1 = nullptr;
    QLineEdit* EditAmbientTemp1 = nullptr;
    QComboBox* ComboBoxAmbientTemp1 = nullptr;
    QLabel* LabelInletTemp1 = nullptr;
    QLineEdit* EditInletTemp1 = nullptr;
    QComboBox* ComboBoxInletTemp1 = nullptr;
    QGroupBox* GroupBoxMotorCalc1 = nullptr;
    QRadioButton* RadioButtonACDC1 = nullptr;
    QComboBox* ComboBoxACDC1 = nullptr;
    QRadioButton* RadioButtonHydralic1 = nullptr;
    QComboBox* ComboBoxHyd1 = nullptr;
    QRadioButton* RadioButtonKRC1 = nullptr;
    QGroupBox* GroupBoxWorkCalc1 = nullptr;
    QCheckBox* CheckBoxDefault1 = nullptr;
    QLabel* LabelAltitude1 = nullptr;
    QLineEdit* EditAltitude1 = nullptr;
    QComboBox* ComboBoxAltitude1 = nullptr;
    QLabel* LabelOilType1 = nullptr;
    QComboBox* ComboBoxOilType1 = nullptr;
};

struct QuotationTabControls {
    QLabel* LabelName = nullptr;
    QPlainTextEdit* MemoNameAddress = nullptr;
    QPlainTextEdit* MemoAfsender = nullptr;
    QLabel* LabelYourRef = nullptr;
    QLineEdit* EditYourRef = nullptr;
    QLabel* LabelAtt = nullptr;
    QLineEdit* EditAtt = nullptr;
    QLabel* LabelOurRef = nullptr;
    QLineEdit* EditOurRef = nullptr;
    QLabel* LabelQuatationNr = nullptr;
    QLineEdit* EditQuotationNr = nullptr;
    QLabel* LabelDate = nullptr;
    QLineEdit* EditDate = nullptr;
    QLabel* LabelDelivery = nullptr;
    QLineEdit* EditDelivery = nullptr;
    QLabel* LabelPayMent = nullptr;
    QLineEdit* EditPayment = nullptr;
    QLabel* LabelLeadTime = nullptr;
    QLineEdit* EditLeadTime = nullptr;
    StringGrid* StringGridItems = nullptr;
    SpinButton* zcSpinBtn3 = nullptr;
    ColorButton* zNWBitColBtnCancel = nullptr;
};

struct TechnicalPageControls {
    QWidget* TabSheetAlleTekniskeData = nullptr;
    GradientPanel* PanelDataButtons = nullptr;
    ColorButton* zBitColBtnPrintData = nullptr;
    ColorButton* zBitColBtnPrintPerformance = nullptr;
    ColorButton* zBitColBtnPrintDrawing = nullptr;
    ColorButton* zBitColBtnSaveBmpPerformance = nullptr;
    ColorButton* zBitColBtnSaveDrawing = nullptr;
    ColorButton* zBitColBtnCopyPerformance = nullptr;
    ColorButton* zBitColBtnCopyDrawing = nullptr;
    QLabel* LabelCoolerDrawing = nullptr;
    QComboBox* ComboBoxDrawing = nullptr;
    ColorButton* zBitColBtnHelpData = nullptr;
    ColorButton* zBitColBtnBackData = nullptr;
    PageControl* PageControlAlleTekniskeData = nullptr;
    QWidget* TabSheetData = nullptr;
    QTextEdit* RichEditData = nullptr;
    QWidget* TabSheetKurver = nullptr;
    QScrollArea* ScrollBoxKurver1 = nullptr;
    PictureBox* ImageKuver = nullptr;
    QWidget* TabSheetTegning = nullptr;
    QScrollArea* ScrollBoxDrawingSurface = nullptr;
    PictureBox* zBitmapFullDraw = nullptr;
    QLabel* LabelNoDrawing2 = nullptr;
};

}  // namespace kr::gui
