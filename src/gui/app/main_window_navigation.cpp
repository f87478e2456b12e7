// Moving about the main window: the start menu, the screens and tabs, the
// menus, help and the presentation programs.
#include "core/common/help_topics.h"
#include "core/data/text_keys.h"
#include "core/engine/result_grid.h"
#include "core/settings/settings.h"
#include "gui/app/app_state.h"
#include "gui/app/dialog_support.h"
#include "gui/app/form_about.h"
#include "gui/app/form_options.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/calc/form_calc_heat.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/program_files.h"
#include "gui/present/technical_page.h"
#include "gui/print/run_print_selection.h"
#include "gui/quote/form_price_disk.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/caption_fitting.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/string_grid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>

namespace kr::gui {

namespace {
const QString CaptionSeparator = QStringLiteral("   -   ");
}  // namespace

void TFormStartmenu::ConnectHandlers()
{
    const StartMenuControls& s = StartMenu;
    connect(s.zColorBtnCalcSearch, &QAbstractButton::clicked, this, &TFormStartmenu::zColorBtnCalcSearchClick);
    connect(s.zColorBtnProdInfo, &QAbstractButton::clicked, this, &TFormStartmenu::zColorBtnProdInfoClick);
    connect(s.zColorBtnCompProfile, &QAbstractButton::clicked, this, &TFormStartmenu::zColorBtnCompProfileClick);
    connect(s.CheckBoxShowStartmenu, &QAbstractButton::clicked, this, &TFormStartmenu::CheckBoxShowStartmenuClick);

    const MainMenus& m = Menus;
    connect(m.MenuKRProd, &QAction::triggered, this, &TFormStartmenu::zColorBtnProdInfoClick);
    connect(m.MenuCompProf, &QAction::triggered, this, &TFormStartmenu::zColorBtnCompProfileClick);
    connect(m.MenuCalc, &QAction::triggered, this, &TFormStartmenu::MenuCalcClick);
    connect(m.MenuKnown, &QAction::triggered, this, &TFormStartmenu::MenuKnownClick);
    connect(m.MenuQuotation, &QAction::triggered, this, &TFormStartmenu::MenuQuotationClick);
    connect(m.MenuMinimize, &QAction::triggered, this, &TFormStartmenu::MenuMinimizeClick);
    connect(m.MenuStop, &QAction::triggered, this, &TFormStartmenu::MenuStopClick);
    connect(m.MenuAbout, &QAction::triggered, this, &TFormStartmenu::MenuAboutClick);
    connect(m.MenuSetOptions, &QAction::triggered, this, &TFormStartmenu::MenuSetOptionsClick);
    connect(m.MenuHelpTopics, &QAction::triggered, this, &TFormStartmenu::MenuHelpTopicsClick);
    connect(m.MenuDrawing, &QAction::triggered, TechnicalScreen, &TechnicalPage::MenuDrawingClick);
    connect(m.MenuPriceUpdate, &QAction::triggered, this, &TFormStartmenu::MenuPriceUpdateClick);
    connect(m.MenuHeatCalc, &QAction::triggered, this, &TFormStartmenu::MenuHeatCalcClick);
    connect(m.MenuPrint, &QAction::triggered, this, &TFormStartmenu::MenuPrintClick);
    connect(m.MenuPrintSetup, &QAction::triggered, this, &TFormStartmenu::MenuPrintSetupClick);
    connect(m.MenuInstInst, &QAction::triggered, this, &TFormStartmenu::MenuInstInstClick);

    const MainScreenControls& ms = MainScreen;
    connect(ms.PageControlCooise, &QTabWidget::currentChanged, this, &TFormStartmenu::PageControlCooiseChange);
    connect(ms.zBitColBtnHelp, &QAbstractButton::clicked, this, &TFormStartmenu::zBitColBtnHelpClick);
    connect(ms.zBitColBtnHelp1, &QAbstractButton::clicked, this, &TFormStartmenu::zBitColBtnHelp1Click);
    connect(ms.zBitColBtnReset, &QAbstractButton::clicked, this, &TFormStartmenu::zBitColBtnResetClick);
    connect(ms.zBitColBtnSearch, &QAbstractButton::clicked, this, &TFormStartmenu::zBitColBtnSearchClick);
    // The Technical data buttons and a double click on a row open the cooler.
    const auto openFrom = [this](ResultTab tab) { return [this, tab] { TechnicalScreen->zBitColBtnTDataClick(tab); }; };
    connect(ms.zBitColBtnTData, &QAbstractButton::clicked, TechnicalScreen, openFrom(ResultTab::Calculation));
    connect(ms.zBitColBtnTData1, &QAbstractButton::clicked, TechnicalScreen, openFrom(ResultTab::KnownCooler));
    connect(ms.StringGridResult, &QTableWidget::cellDoubleClicked, TechnicalScreen, openFrom(ResultTab::Calculation));
    connect(ms.StringGridResult1, &QTableWidget::cellDoubleClicked, TechnicalScreen, openFrom(ResultTab::KnownCooler));

    // The captions are fitted again whenever a button gains or loses the focus.
    std::vector<ColorButton*> fitted = buttonList_;
    fitted.push_back(TechnicalScreen->Controls.zBitColBtnBackData);
    fitted.push_back(TechnicalScreen->Controls.zBitColBtnHelpData);
    for (ColorButton* button : fitted) {
        connect(button, &ColorButton::FocusChanged, this, [this, button] { FitButtonCaption(*button, measureFont_); });
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] { FitButtonCaptions(); });

    ConnectInputTabs();
    ConnectResultGrids();
}

void TFormStartmenu::ReportWriteFailure(const FileWriteResult& written)
{
    ShowSettingsWriteFailure(this, state_, written);
}

void TFormStartmenu::zColorBtnCalcSearchClick()
{
    hide();
    StatusBar->show();
    PageControlSkaerm->setCurrentWidget(MainScreen.TabSheetMainScreen);
    SetSizeLimits();
    const kr::Settings& saved = state_.Settings;
    SetWindowBounds(QRect(saved.Left, saved.Top, saved.Width, saved.Height));
    LayoutMainWindow();
    SetMenusVisible(true);
    show();
}

void TFormStartmenu::zColorBtnProdInfoClick()
{
    StartPresentationProgram(FromUtf8(state_.AppDir), ProductInfoProgramName);
}

void TFormStartmenu::zColorBtnCompProfileClick()
{
    StartPresentationProgram(FromUtf8(state_.AppDir), CompanyProfileProgramName);
}

void TFormStartmenu::CheckBoxShowStartmenuClick()
{
    const FileWriteResult written = WriteShowmenu(*state_.Store, !StartMenu.CheckBoxShowStartmenu->isChecked());
    if (!written.Ok())
        ReportWriteFailure(written);
}

void TFormStartmenu::PageControlCooiseChange()
{
    const MainScreenControls& m = MainScreen;
    QWidget* tab = m.PageControlCooise->currentWidget();
    const bool quotation = tab == m.TabSheetOffer;
    for (ColorButton* button : {m.zBitColBtnSearch, m.zBitColBtnReset, m.zBitColBtnHelp})
        button->setVisible(!quotation);
    for (ColorButton* button : {m.zBitColBtntilbehor, m.zBitColBtnPrint, m.zBitColBtnReset1, m.zBitColBtnHelp1})
        button->setVisible(quotation);

    const TextKey& status = tab == m.TabSheetCalc    ? keys::CalculationText
                            : tab == m.TabSheetKnown ? keys::KnownText
                                                     : keys::QuotationText;
    SetStatusText(0, QStringLiteral(" ") + Text(state_.Texts(), status));
    SetStatusText(1, QString());

    if (tab == m.TabSheetCalc) {
        m.PanelUnknown->show();
        m.PanelKnown->hide();
    } else if (tab == m.TabSheetKnown) {
        m.PanelUnknown->hide();
        m.PanelKnown->show();
    }
}

void TFormStartmenu::PageControlSkaermChange()
{
    const LanguageTable& texts = state_.Texts();
    Menus.MenuDrawing->setEnabled(true);
    if (PageControlSkaerm->currentWidget() == MainScreen.TabSheetMainScreen) {
        for (QAction* item : {Menus.MenuCalc, Menus.MenuKnown, Menus.MenuQuotation, Menus.MenuPrint,
                              Menus.MenuPrintSetup, Menus.MenuAccessories, Menus.MenuSaveQuotation,
                              Menus.MenuOpenQuotation})
            item->setEnabled(true);
        PageControlCooiseChange();
        setWindowTitle(Quotation->TitleWithFile(Text(texts, keys::KrOilCoolers)));
    } else if (PageControlSkaerm->currentWidget() == TechnicalScreen->Controls.TabSheetAlleTekniskeData) {
        for (QAction* item : {Menus.MenuCalc, Menus.MenuKnown, Menus.MenuQuotation, Menus.MenuAccessories,
                              Menus.MenuSaveQuotation, Menus.MenuOpenQuotation})
            item->setEnabled(false);
        Menus.MenuPrint->setEnabled(true);
        Menus.MenuPrintSetup->setEnabled(true);
        SetStatusText(0, QStringLiteral(" ") + FormatText(texts, keys::TechnicalText,
                                                          {state_.CurrentCooler.Designation()}, state_.Format));
        setWindowTitle(Text(texts, keys::TechnicalData) + CaptionSeparator + Text(texts, keys::KrOilCoolers));
    }
}

void TFormStartmenu::MenuCalcClick()
{
    MainScreen.PageControlCooise->setCurrentWidget(MainScreen.TabSheetCalc);
    PageControlCooiseChange();
}

void TFormStartmenu::MenuKnownClick()
{
    MainScreen.PageControlCooise->setCurrentWidget(MainScreen.TabSheetKnown);
    PageControlCooiseChange();
}

void TFormStartmenu::MenuQuotationClick()
{
    MainScreen.PageControlCooise->setCurrentWidget(MainScreen.TabSheetOffer);
    PageControlCooiseChange();
}

void TFormStartmenu::MenuMinimizeClick()
{
    showMinimized();
}

void TFormStartmenu::MenuStopClick()
{
    close();
}

void TFormStartmenu::MenuAboutClick()
{
    RunAbout(*this);
}

void TFormStartmenu::MenuSetOptionsClick()
{
    RunOptions(*this);
}

void TFormStartmenu::MenuHeatCalcClick()
{
    const std::optional<HeatTransfer> transfer = RunHeatCalculation(this, state_, *help_);
    if (!transfer)
        return;
    Calc.EditHeatReject->setText(FromUtf8(transfer->HeatText));
    Calc.ComboBoxHeatReject->setCurrentIndex(transfer->HeatUnit);
}

void TFormStartmenu::MenuPriceUpdateClick()
{
    if (!RunPriceUpdate(this, state_, *help_).Replaced)
        return;
    // Every price shown so far may be out of date.
    ResetCalculationTab();
    ResetKnownTab();
    Quotation->zBitColBtnReset1Click();
}

void TFormStartmenu::MenuPrintClick()
{
    RunPrintSelection(*this, PrintMode::AllAvailable);
}

void TFormStartmenu::MenuPrintSetupClick()
{
    RunPrinterSetupFor(*this);
}

void TFormStartmenu::MenuInstInstClick()
{
    RunPrintSelection(*this, PrintMode::Instructions);
}

void TFormStartmenu::ShowHelpTopic(std::string_view topic)
{
    help_->ShowTopic(FromUtf8(topic));
}

void TFormStartmenu::MenuHelpTopicsClick()
{
    ShowHelpTopic(HelpTopicMainMenu);
}

void TFormStartmenu::zBitColBtnHelpClick()
{
    const bool calculation = MainScreen.PageControlCooise->currentWidget() == MainScreen.TabSheetCalc;
    ShowHelpTopic(calculation ? HelpTopicCalculation : HelpTopicKnownCooler);
}

void TFormStartmenu::zBitColBtnHelp1Click()
{
    const bool quotation = MainScreen.PageControlCooise->currentWidget() == MainScreen.TabSheetOffer;
    ShowHelpTopic(quotation ? HelpTopicQuotation : HelpTopicKnownCooler);
}

}  // namespace kr::gui
