// The language texts of the main window: captions, hints and accessible
// names, applied at start-up and again after the options change them.
#include "core/data/text_keys.h"
#include "core/engine/result_grid.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/data_file_path.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_translations.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/string_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

#include <vector>

namespace kr::gui {

namespace {

// One text: the controls that show it as their caption, and the controls
// that get the hint text of hintKey (an empty key: no hint).
struct CaptionRow {
    TextKey Caption;
    std::vector<const char*> CaptionOf;
    TextKey Hint;
    std::vector<const char*> HintOn;
};

const std::vector<CaptionRow>& CaptionRows()
{
    using namespace keys;
    static const std::vector<CaptionRow> rows{
        {CalculateSearch, {"zColorBtnCalcSearch"}, HintCalculateSearch, {"zColorBtnCalcSearch"}},
        {KrProductInformation, {"zColorBtnProdInfo", "MenuKRProd"}, HintKrProductInformation, {"zColorBtnProdInfo"}},
        {KalvornCompanyProfile, {"zColorBtnCompProfile", "MenuCompProf"}, HintKalvornCompanyProfile, {"zColorBtnCompProfile"}},
        {DoNotShowThis, {"CheckBoxShowStartmenu"}, HintDoNotShowThis, {"CheckBoxShowStartmenu"}},
        {Calculation, {"MenuCalc", "TabSheetCalc"}, {}, {}},
        {KnownCooler, {"MenuKnown", "TabSheetKnown"}, {}, {}},
        {Quotation, {"MenuQuotation", "TabSheetOffer"}, {}, {}},
        {Print, {"MenuPrint"}, {}, {}},
        {PrinterSetup, {"MenuPrintSetup"}, {}, {}},
        {Exit, {"MenuStop"}, {}, {}},
        {Minimize, {"MenuMinimize"}, {}, {}},
        {Accessories, {"MenuAccessories"}, {}, {}},
        {HeatRejectionCalculation, {"MenuHeatCalc"}, {}, {}},
        {PriceUpdate, {"MenuPriceUpdate"}, {}, {}},
        {Options, {"MenuSetOptions"}, {}, {}},
        {InstallationInstructions, {"MenuInstInst"}, {}, {}},
        {Drawings, {"MenuDrawing"}, {}, {}},
        {HelpTopics, {"MenuHelpTopics"}, {}, {}},
        {About, {"MenuAbout"}, {}, {}},
        {TechnicalData, {"TabSheetData"}, {}, {}},
        {PerformanceCurves, {"TabSheetKurver"}, {}, {}},
        {Drawing, {"TabSheetTegning"}, {}, {}},
        {Search, {"zBitColBtnSearch"}, HintSearch, {"zBitColBtnSearch"}},
        {Reset, {"zBitColBtnReset", "zBitColBtnReset1"}, HintReset, {"zBitColBtnReset", "zBitColBtnReset1"}},
        {Help, {"zBitColBtnHelp", "zBitColBtnHelp1", "zBitColBtnHelpData"}, HintHelp,
         {"zBitColBtnHelp", "zBitColBtnHelp1", "zBitColBtnHelpData"}},
        {TechnicalData, {"zBitColBtnTData", "zBitColBtnTData1"}, HintTechnicalData, {"zBitColBtnTData", "zBitColBtnTData1"}},
        {TransferToQuotation, {"zBitColBtnTransfer", "zBitColBtnTransfer1"}, HintTransferToQuotation,
         {"zBitColBtnTransfer", "zBitColBtnTransfer1"}},
        {Accessories, {"zBitColBtntilbehor"}, HintAccessories, {"zBitColBtntilbehor"}},
        {PrintQuotation, {"zBitColBtnPrint"}, HintPrintQuotation, {"zBitColBtnPrint"}},
        {Back, {"zBitColBtnBackData"}, HintBack, {"zBitColBtnBackData"}},
        {PrintData, {"zBitColBtnPrintData"}, HintPrintData, {"zBitColBtnPrintData"}},
        {PrintDrawing, {"zBitColBtnPrintDrawing"}, HintPrintDrawing, {"zBitColBtnPrintDrawing"}},
        {SaveAsDxf, {"zBitColBtnSaveDrawing"}, HintSaveAsDxf, {"zBitColBtnSaveDrawing"}},
        {CopyToClipboard, {"zBitColBtnCopyDrawing", "zBitColBtnCopyPerformance"}, HintCopyToClipboard,
         {"zBitColBtnCopyDrawing", "zBitColBtnCopyPerformance"}},
        {PrintGraphs, {"zBitColBtnPrintPerformance"}, HintPrintGraphs, {"zBitColBtnPrintPerformance"}},
        {SaveAsBmp, {"zBitColBtnSaveBmpPerformance"}, HintSaveAsBmp, {"zBitColBtnSaveBmpPerformance"}},
        {InputData, {"GroupBoxInputCalc", "GroupBoxInputCalc1"}, {}, {}},
        {MotorSelection, {"GroupBoxMotorCalc", "GroupBoxMotorCalc1"}, {}, {}},
        {WorkingConditions, {"GroupBoxWorkCalc", "GroupBoxWorkCalc1"}, {}, {}},
        {HeatRejection, {"LabelHeatReject"}, HintHeatRejection, {"EditHeatReject"}},
        {OilFlow, {"LabeloilFlow", "LabeloilFlow1"}, HintOilFlow, {"EditOilFlow", "EditOilFlow1"}},
        {AmbientTemperature, {"LabelAmbientTemp", "LabelAmbientTemp1"}, HintAmbientTemperature,
         {"EditAmbientTemp", "EditAmbientTemp1"}},
        {OilTemperatureInlet, {"LabelInletTemp", "LabelInletTemp1"}, HintOilTemperatureInlet,
         {"EditInletTemp", "EditInletTemp1"}},
        {AcDc, {"RadioButtonACDC", "RadioButtonACDC1"}, HintAcDc, {"RadioButtonACDC", "RadioButtonACDC1"}},
        {Hydraulic, {"RadioButtonHydralic", "RadioButtonHydralic1"}, HintHydraulic,
         {"RadioButtonHydralic", "RadioButtonHydralic1"}},
        {KrcOilCoolerWithCirculationPump, {"RadioButtonKRC", "RadioButtonKRC1"}, HintKrcOilCoolerWithCirculationPump,
         {"RadioButtonKRC", "RadioButtonKRC1"}},
        {MaxPressureLoss, {"LabelMaxloss"}, HintMaxPressureLoss, {"EditMaxLoss"}},
        {Altitude, {"LabelAltitude", "LabelAltitude1"}, HintAltitude, {"EditAltitude", "EditAltitude1"}},
        {OilType, {"LabelOilType", "LabelOilType1"}, HintOilType, {"ComboBoxOilType", "ComboBoxOilType1"}},
        {UseDefaultWorkingConditions, {"CheckBoxDefault", "CheckBoxDefault1"}, HintUseDefaultWorkingConditions,
         {"CheckBoxDefault", "CheckBoxDefault1"}},
        {SelectAKrCooler, {"LabelSelectCooler"}, HintSelectAKrCooler, {"ComboBoxSelectCooler"}},
        {To, {"LabelName"}, HintNameAndAddressOfReceiver, {"MemoNameAddress"}},
        {YourRef, {"LabelYourRef"}, HintYourRef, {"EditYourRef"}},
        {Att, {"LabelAtt"}, HintAtt, {"EditAtt"}},
        {Delivery, {"LabelDelivery"}, HintDelivery, {"EditDelivery"}},
        {OurRef, {"LabelOurRef"}, HintOurRef, {"EditOurRef"}},
        {QuotationNr, {"LabelQuatationNr"}, HintQuotationNr, {"EditQuotationNr"}},
        {Payment, {"LabelPayMent"}, HintPayment, {"EditPayment"}},
        {Date, {"LabelDate"}, HintDate, {"EditDate"}},
        {LeadTime, {"LabelLeadTime"}, HintLeadTime, {"EditLeadTime"}},
        {KrCooler, {"LabelCoolerDrawing"}, HintKrCooler, {"ComboBoxDrawing"}},
        {ErrorNoDrawing, {"LabelNoDrawing2"}, {}, {}},
        // Hints of controls without a caption.
        {{}, {}, HintMotorsize, {"ComboBoxACDC", "ComboBoxACDC1", "ComboBoxHyd1"}},
        {{}, {}, HintSelectHydraulicMotor, {"zcSpinBtn1"}},
        {{}, {}, Sort, {"zNWGrid1", "zNWGrid3", "zNWGrid4", "zNWGrid5", "zNWGrid6", "zNWGrid1_1", "zNWGrid1_3",
                        "zNWGrid1_4", "zNWGrid1_5", "zNWGrid1_6"}},
    };
    return rows;
}

// Controls that carry neither a caption nor a label's hint, named after the
// text the user reads beside them.
struct AccessibleRow {
    const char* Control;
    TextKey Name;
};

// The unit lists beside the values: named after the value's label, and
// described as its unit, so that "°C" beside the ambient and beside the
// inlet temperature can be told apart.
const std::vector<AccessibleRow>& UnitListRows()
{
    using namespace keys;
    static const std::vector<AccessibleRow> rows{
        {"ComboBoxHeatReject", HeatRejection},     {"ComboBoxOilFlow", OilFlow},
        {"ComboBoxOilFlow1", OilFlow},             {"ComboBoxAmbientTemp", AmbientTemperature},
        {"ComboBoxAmbientTemp1", AmbientTemperature}, {"ComboBoxInletTemp", OilTemperatureInlet},
        {"ComboBoxInletTemp1", OilTemperatureInlet}, {"ComboBoxMaxLoss", MaxPressureLoss},
        {"ComboBoxAltitude", Altitude},            {"ComboBoxAltitude1", Altitude},
    };
    return rows;
}

const std::vector<AccessibleRow>& AccessibleRows()
{
    using namespace keys;
    static const std::vector<AccessibleRow> rows{
        {"ComboBoxACDC", AcDc},                    {"ComboBoxACDC1", AcDc},
        {"ComboBoxHyd1", Hydraulic},               {"StringGridResult", Calculation},
        {"StringGridResult1", KnownCooler},        {"StringGridItems", Quotation},
        {"MemoAfsender", KalvornGroup},            {"RichEditData", TechnicalData},
        {"zcSpinBtn1", HintSelectHydraulicMotor},
    };
    return rows;
}

void NameSpinButtons(SpinButton& spin, const QString& up, const QString& down)
{
    spin.UpButton()->setAccessibleName(up);
    spin.DownButton()->setAccessibleName(down);
}

void SetCaption(QObject* control, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
        button->setAccessibleName(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
        group->setAccessibleName(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        label->setAccessibleName(text);
    } else if (auto* page = qobject_cast<QWidget*>(control)) {
        // A tab page: its parent is the tab widget's page stack.
        auto* tabs = page->parentWidget() ? qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget()) : nullptr;
        if (tabs)
            tabs->setTabText(tabs->indexOf(page), text);
        page->setAccessibleName(text);
    }
}

}  // namespace

void TFormStartmenu::ApplyMainWindowTexts()
{
    const LanguageTable& texts = state_.Texts();
    setWindowTitle(Text(texts, keys::KrOilCoolers));
    Menus.MenuFile->setTitle(QStringLiteral("&") + Text(texts, keys::File));
    Menus.MenuOptions->setTitle(QStringLiteral("&") + Text(texts, keys::Options));
    Menus.Menuhelp->setTitle(QStringLiteral("&") + Text(texts, keys::Help));

    for (const CaptionRow& row : CaptionRows()) {
        const QString caption = Text(texts, row.Caption);
        for (const char* name : row.CaptionOf)
            SetCaption(findChild<QObject*>(QString::fromLatin1(name)), caption);
        const QString hint = Text(texts, row.Hint);
        for (const char* name : row.HintOn) {
            auto* control = findChild<QWidget*>(QString::fromLatin1(name));
            SetHint(*control, hint);
            // An edit field or list is named after its label.
            if (!row.CaptionOf.empty() && !qobject_cast<QAbstractButton*>(control))
                control->setAccessibleName(caption);
        }
    }
    for (const AccessibleRow& row : AccessibleRows())
        findChild<QWidget*>(QString::fromLatin1(row.Control))->setAccessibleName(Text(texts, row.Name));
    for (const AccessibleRow& row : UnitListRows()) {
        auto* list = findChild<QWidget*>(QString::fromLatin1(row.Control));
        list->setAccessibleName(Text(texts, row.Name));
        list->setAccessibleDescription(Text(texts, keys::UnitOfMeasure));
    }
    NameSpinButtons(*MainScreen.zcSpinBtn1, Text(texts, keys::PreviousMotor), Text(texts, keys::NextMotor));
    // Results on show speak the new language at once.
    for (ResultGrid* grid : {&state_.CalculationResults, &state_.KnownCoolerResults}) {
        grid->ApplyLanguage(texts);
        ShowResultGridModel(grid->Tab());
    }
    StringGridResultSelectCell();
    UseQtTranslations(texts);
    Quotation->ApplyTexts();
    // A help file named outside the program folder is never opened; the
    // message names it as the language file does.
    const QString helpName = Text(texts, keys::HelpFile);
    help_->SetHelpFile(PathInsideFolder(FromUtf8(state_.AppDir), helpName),
                       FormatText(texts, keys::ErrorHelpMissing,
                                  {ToUtf8(QDir(FromUtf8(state_.AppDir)).filePath(helpName))}, state_.Format));
    if (!OnStartMenu())
        PageControlSkaermChange();
    FitTexts();
    FitButtonCaptions();
}

}  // namespace kr::gui
