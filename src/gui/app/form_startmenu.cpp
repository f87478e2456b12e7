#include "gui/app/form_startmenu.h"

#include "core/common/units.h"
#include "core/engine/oil_grades.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/main_window_layout.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/help_viewer.h"
#include "gui/present/technical_page.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/caption_fitting.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/string_grid.h"
#include "gui/widgets/text_fitting.h"

#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>

#include <array>

namespace kr::gui {

namespace {

// Result grids: heading row height and the widths of columns 0 to 5, wide
// enough for the longest cooler and drive texts of the product line (the
// motor column also holds the step button) and for the two-line headings.
constexpr int ResultHeadingHeight = 32;
constexpr std::array<int, 6> ResultColumnWidths{25, 165, 170, 105, 92, 106};
constexpr int ResultRowHeight = 18;
constexpr int OilTypeDropDownWidth = 90;

QWidget* MakePage(QStackedWidget* pages, const char* name)
{
    auto* page = new QWidget(pages);
    page->setObjectName(QString::fromLatin1(name));
    pages->addWidget(page);
    return page;
}

void PrepareResultGrid(StringGrid& grid)
{
    grid.SetColCount(static_cast<int>(ResultColumnWidths.size()));
    grid.SetRowCount(2);
    grid.SetHeadingRowHeight(ResultHeadingHeight);
    grid.SetItemRowHeight(ResultRowHeight);
    for (std::size_t col = 0; col < ResultColumnWidths.size(); ++col)
        grid.SetColWidth(static_cast<int>(col), ResultColumnWidths[col]);
}

}  // namespace

TFormStartmenu::TFormStartmenu(AppState& state) : state_(state), help_(new HelpViewer(this))
{
    setObjectName(QStringLiteral("FormStartmenu"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FormCreate();
}

TFormStartmenu::~TFormStartmenu()
{
    // QWidget takes the children down after this part of the window is
    // gone; a button that loses the focus on the way must no longer reach
    // a handler that uses its members.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    QObject::disconnect(qApp, nullptr, this, nullptr);
}

void TFormStartmenu::FormCreate()
{
    // The screens: pages switched by the program, never by visible tabs.
    PageControlSkaerm = MakeControl<QStackedWidget>(this, "PageControlSkaerm");
    setCentralWidget(PageControlSkaerm);
    StartMenu = CreateStartMenuPage(MakePage(PageControlSkaerm, "TabSheetStartMenu"));
    MainScreen = CreateMainScreen(MakePage(PageControlSkaerm, "TabSheetMainScreen"));
    Calc = CreateCalcTab(MainScreen.TabSheetCalc);
    Known = CreateKnownTab(MainScreen.TabSheetKnown);
    // The menus come first: the window parts connect their own items.
    Menus = CreateMainMenus(menuBar());
    Quotation = new QuotationTab(MainScreen.TabSheetOffer, *this);
    TechnicalScreen = new TechnicalPage(MakePage(PageControlSkaerm, "TabSheetAlleTekniskeData"), *this);
    CreateStatusBar();
    StartMenu.zBitmapLogoMenu->SetPixmap(LoadLogo(state_));
    MainScreen.PageControlCooise->setCurrentWidget(MainScreen.TabSheetCalc);

    sizeSnapping_ = false;

    for (const OilGrade& grade : OilGrades) {
        Calc.ComboBoxOilType->addItem(FromUtf8(grade.Name));
        Known.ComboBoxOilType1->addItem(FromUtf8(grade.Name));
    }
    Calc.ComboBoxOilType->setCurrentIndex(StandardOilGradeIndex);
    Known.ComboBoxOilType1->setCurrentIndex(StandardOilGradeIndex);

    state_.CurrentCooler.IsChosen = false;
    PrepareResultGrid(*MainScreen.StringGridResult);
    PrepareResultGrid(*MainScreen.StringGridResult1);
    ResetResultGrid(ResultTab::Calculation);
    ResetResultGrid(ResultTab::KnownCooler);

    measureFont_ = MainScreen.zBitColBtntilbehor->font();
    BuildButtonList();

    for (const ControlPlacement& placement : MainWindowPlacements()) {
        const QString name = QString::fromLatin1(placement.Name);
        QWidget* control = findChild<QWidget*>(name);
        placedControls_.insert(name, control);
        if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control))
            fittedTexts_.push_back(control);
    }
    ConnectHandlers();
}

void TFormStartmenu::CreateStatusBar()
{
    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    for (int panel = 0; panel < 2; ++panel) {
        statusPanels_[panel] = new QLabel(StatusBar);
        statusPanels_[panel]->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        statusPanels_[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar->addWidget(statusPanels_[panel], panel);
    }
    StatusBar->hide();
}

void TFormStartmenu::BuildButtonList()
{
    const MainScreenControls& m = MainScreen;
    const TechnicalPageControls& t = TechnicalScreen->Controls;
    buttonList_ = {m.zBitColBtnSearch,          m.zBitColBtnReset,           m.zBitColBtnHelp,
                   m.zBitColBtntilbehor,        m.zBitColBtnPrint,           m.zBitColBtnReset1,
                   m.zBitColBtnHelp1,           m.zBitColBtnTData,           m.zBitColBtnTransfer,
                   m.zBitColBtnTData1,          m.zBitColBtnTransfer1,       t.zBitColBtnPrintData,
                   t.zBitColBtnPrintDrawing,    t.zBitColBtnSaveDrawing,     t.zBitColBtnCopyDrawing,
                   t.zBitColBtnPrintPerformance, t.zBitColBtnSaveBmpPerformance, t.zBitColBtnCopyPerformance};
}

QString TFormStartmenu::StatusText(int panel) const
{
    return statusPanels_[panel]->text();
}

void TFormStartmenu::SetStatusText(int panel, const QString& text)
{
    statusPanels_[panel]->setText(text);
    // Panel 0 is half the window wide; a longer text can still be read.
    statusPanels_[panel]->setToolTip(text);
}

bool TFormStartmenu::OnStartMenu() const
{
    return PageControlSkaerm->currentWidget() == StartMenu.TabSheetStartMenu;
}

void TFormStartmenu::FitButtonCaptions()
{
    for (ColorButton* button : buttonList_)
        FitButtonCaption(*button, measureFont_);
}

void TFormStartmenu::FitTexts()
{
    for (QWidget* control : fittedTexts_)
        FitTextToWidth(*control);
}

void TFormStartmenu::FillCoolerLists()
{
    // Adding the first type makes Qt choose it; loading the list must not
    // run the type's change handler, which would select a drive for it.
    const QSignalBlocker quiet(Known.ComboBoxSelectCooler);
    for (const std::string& type : state_.Database.CoolerTypes)
        Known.ComboBoxSelectCooler->addItem(FromUtf8(type));
    TechnicalScreen->FillDrawingList();
}

void TFormStartmenu::FinishLists()
{
    if (Known.ComboBoxSelectCooler->count() > 0) {
        Known.ComboBoxSelectCooler->setCurrentIndex(-1);
        ComboBoxSelectCoolerChange();
    }
    Calc.ComboBoxOilType->view()->setMinimumWidth(OilTypeDropDownWidth);
    Known.ComboBoxOilType1->view()->setMinimumWidth(OilTypeDropDownWidth);
    Calc.ComboBoxACDC->clear();
    for (std::string_view voltage : MotorVoltages)
        Calc.ComboBoxACDC->addItem(FromUtf8(voltage));
    Calc.ComboBoxACDC->setCurrentIndex(0);
}

void TFormStartmenu::FormShow()
{
    FillUnitBoxes();
    for (QCheckBox* box : {Calc.CheckBoxDefault, Known.CheckBoxDefault1}) {
        box->setChecked(false);
        box->setChecked(true);
    }
    Calc.ComboBoxACDC->setEnabled(false);
    Known.ComboBoxACDC1->setEnabled(false);
    PageControlCooiseChange();
    zBitColBtnResetClick();
    Quotation->FillSenderAndTerms();
}

void TFormStartmenu::FillUnitBoxes()
{
    const auto fill = [](QComboBox* box, UnitNames units) {
        box->clear();
        for (std::string_view unit : units)
            box->addItem(FromUtf8(unit));
        box->setCurrentIndex(0);
    };
    fill(Calc.ComboBoxHeatReject, UnitsPower);
    fill(Calc.ComboBoxOilFlow, UnitsOilFlow);
    fill(Known.ComboBoxOilFlow1, UnitsOilFlow);
    for (QComboBox* box : {Calc.ComboBoxInletTemp, Known.ComboBoxInletTemp1, Calc.ComboBoxAmbientTemp,
                           Known.ComboBoxAmbientTemp1})
        fill(box, UnitsTemperature);
    fill(Calc.ComboBoxMaxLoss, UnitsPressure);
    fill(Calc.ComboBoxAltitude, UnitsLength);
    fill(Known.ComboBoxAltitude1, UnitsLength);
}

void TFormStartmenu::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Restoring a minimised window shows it again; that must not reset
    // what the user entered.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFormStartmenu::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        FitButtonCaptions();
}

void TFormStartmenu::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

}  // namespace kr::gui
