#pragma once

#include "gui/app/main_window_controls.h"
#include "gui/app/size_snapping.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QStackedWidget;
class QStatusBar;

namespace kr {
class ResultGrid;
struct FileWriteResult;
enum class ResultTab;
enum class StepDirection;
}  // namespace kr

namespace kr::gui {

struct AppState;
class HelpViewer;
class QuotationTab;
class StepCellDelegate;
class StringGrid;
class TechnicalPage;
class WindowSizeKeeper;

// The program's one main window: the start menu, the main screen with its
// Calculation, Known cooler and Quotation tabs, and the technical-data
// screen, switched without visible tabs; its menus and status bar; three
// fixed window sizes, each with its own layout.
class TFormStartmenu : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormStartmenu(AppState& state);
    ~TFormStartmenu() override;

    AppState& State() const { return state_; }
    HelpViewer& Help() const { return *help_; }

    // The controls, page by page.
    QStackedWidget* PageControlSkaerm = nullptr;
    QStatusBar* StatusBar = nullptr;
    MainMenus Menus;
    StartMenuControls StartMenu;
    MainScreenControls MainScreen;
    CalcTabControls Calc;
    KnownTabControls Known;
    QuotationTab* Quotation = nullptr;
    TechnicalPage* TechnicalScreen = nullptr;

    // The buttons whose captions are fitted, in their fixed order.
    const std::vector<ColorButton*>& ButtonList() const { return buttonList_; }
    // Steps of the start-up.
    void SetSizeSnapping(bool on) { sizeSnapping_ = on; }
    void ApplyMainWindowTexts();
    void ShowStartMenuPage(const QSize& screen);
    void ShowMainPageAtSavedBounds();
    void FillCoolerLists();
    void FinishLists();

    // Every change of the window's bounds by the program goes through the
    // snapping: one of the three sizes by the requested width, position kept.
    void SetWindowBounds(const QRect& requested);
    void LayoutMainWindow();
    bool OnStartMenu() const;

    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);

public slots:
    void zColorBtnCalcSearchClick();
    void zColorBtnProdInfoClick();
    void zColorBtnCompProfileClick();
    void CheckBoxShowStartmenuClick();
    void PageControlSkaermChange();
    void PageControlCooiseChange();
    void MenuCalcClick();
    void MenuKnownClick();
    void MenuQuotationClick();
    void MenuMinimizeClick();
    void MenuStopClick();
    void MenuAboutClick();
    void MenuSetOptionsClick();
    void MenuHeatCalcClick();
    void MenuPriceUpdateClick();
    void MenuHelpTopicsClick();
    void MenuPrintClick();
    void MenuPrintSetupClick();
    void MenuInstInstClick();
    void zBitColBtnHelpClick();
    void zBitColBtnHelp1Click();
    void zBitColBtnResetClick();
    void zBitColBtnSearchClick();
    void zcSpinBtn1UpClick();
    void zcSpinBtn1DownClick();
    void StringGridResultSelectCell();
    void EditHeatRejectChange();
    void EditOilFlow1Change();
    void CheckBoxDefaultClick();
    void CheckBoxDefault1Click();
    void RadioButtonACDCClick();
    void RadioButtonHydralicClick();
    void RadioButtonKRCClick();
    void RadioButtonACDC1Click();
    void RadioButtonHydralic1Click();
    void RadioButtonKRC1Click();
    void ComboBoxSelectCoolerChange();
    void ResetCalculationResults();
    void ResetKnownResults();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void CreateStatusBar();
    void ConnectHandlers();
    void ConnectInputTabs();
    void BuildButtonList();
    void FormShow();
    void FillUnitBoxes();
    void FormClose();
    void FitButtonCaptions();
    void FitTexts();
    void SetSizeLimits();
    void SetMenusVisible(bool visible);
    WindowSizeKeeper* MakeSizeKeeper();
    void ShowHelpTopic(std::string_view topic);
    void ResetResultGrid(ResultTab tab);
    // What the Reset button does on the Calculation and Known cooler tabs.
    void ResetCalculationTab();
    void ResetKnownTab();
    // Writes the tab's grid model, with the screen texts, into its grid.
    void ShowResultGridModel(ResultTab tab);
    // Both transfer buttons: the cooler of the chosen row goes to the quotation.
    void zBitColBtnTransferClick(ResultTab origin);
    void SearchByDuty();
    void SearchKnownCooler();
    void ShowSearchResults(ResultTab tab);
    void ConnectResultGrids();
    void SortResults(ResultTab tab, int column);
    void StepHydraulicMotor(StepDirection direction);
    void PlaceStepButton();
    void ShowKrcPumpFlow();
    void ReportWriteFailure(const FileWriteResult& written);

    AppState& state_;
    HelpViewer* help_ = nullptr;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    std::vector<ColorButton*> buttonList_;
    QHash<QString, QWidget*> placedControls_;
    std::vector<QWidget*> fittedTexts_;
    QFont measureFont_;
    bool sizeSnapping_ = false;
    bool shown_ = false;
    // Holds the window at its three sizes, whatever moves or resizes it.
    WindowSizeKeeper* sizeKeeper_ = MakeSizeKeeper();
    bool showingPumpFlow_ = false;
    StepCellDelegate* stepCells_ = nullptr;  // the motor column of StringGridResult
};

}  // namespace kr::gui
