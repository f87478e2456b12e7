// The technical-data screen: opening it with a chosen cooler, its three
// tabs, help and the way back.
#include "gui/present/technical_page.h"

#include "core/common/help_topics.h"
#include "core/data/text_keys.h"
#include "core/engine/result_grid.h"
#include "core/present/current_cooler.h"
#include "core/present/curve_sweep.h"
#include "core/present/data_sheet.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/help_viewer.h"
#include "gui/present/picture_selection.h"
#include "gui/print/run_print_selection.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/string_grid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace kr::gui {

namespace {

// The drop-down list is wider than its box, so that long designations fit.
constexpr int DrawingDropDownWidth = 200;
constexpr double PointsPerInch = 72.0;

// A length in points as pixels of the widget's screen.
double PointsToPixels(int points, const QWidget& widget)
{
    return points * widget.logicalDpiX() / PointsPerInch;
}

}  // namespace

TechnicalPage::TechnicalPage(QWidget* page, TFormStartmenu& window)
    : QObject(page),
      Controls(CreateTechnicalPage(page)),
      window_(window),
      curvesSelection_(new PictureSelection(*Controls.ImageKuver, *Controls.ScrollBoxKurver1, StatusPanel1())),
      drawingSelection_(new PictureSelection(*Controls.zBitmapFullDraw, *Controls.ScrollBoxDrawingSurface,
                                             StatusPanel1()))
{
    shownTab_ = Controls.PageControlAlleTekniskeData->currentWidget();
    ConnectHandlers();
}

TechnicalPage::~TechnicalPage() = default;

void TechnicalPage::ConnectHandlers()
{
    const TechnicalPageControls& t = Controls;
    connect(t.PageControlAlleTekniskeData, &QTabWidget::currentChanged, this,
            &TechnicalPage::PageControlAlleTekniskeDataChange);
    connect(t.zBitColBtnHelpData, &QAbstractButton::clicked, this, &TechnicalPage::zBitColBtnHelpDataClick);
    connect(t.zBitColBtnBackData, &QAbstractButton::clicked, this, &TechnicalPage::zBitColBtnBackDataClick);
    connect(t.ComboBoxDrawing, &QComboBox::activated, this, &TechnicalPage::ComboBoxDrawingChange);
    connect(t.zBitColBtnCopyDrawing, &QAbstractButton::clicked, this, &TechnicalPage::zBitColBtnCopyDrawingClick);
    connect(t.zBitColBtnSaveDrawing, &QAbstractButton::clicked, this, &TechnicalPage::zBitColBtnSaveDrawingClick);
    connect(t.zBitColBtnCopyPerformance, &QAbstractButton::clicked, this,
            &TechnicalPage::zBitColBtnCopyPerformanceClick);
    connect(t.zBitColBtnSaveBmpPerformance, &QAbstractButton::clicked, this,
            &TechnicalPage::zBitColBtnSaveBmpPerformanceClick);
    // Each print button opens the print selection with its own document ticked.
    const auto print = [this](PrintMode mode) { return [this, mode] { RunPrintSelection(window_, mode); }; };
    connect(t.zBitColBtnPrintData, &QAbstractButton::clicked, this, print(PrintMode::TechnicalData));
    connect(t.zBitColBtnPrintDrawing, &QAbstractButton::clicked, this, print(PrintMode::Drawing));
    connect(t.zBitColBtnPrintPerformance, &QAbstractButton::clicked, this, print(PrintMode::Curves));
}

void TechnicalPage::zBitColBtnTDataClick(ResultTab origin)
{
    AppState& state = window_.State();
    const bool fromDuty = origin == ResultTab::Calculation;
    const StringGrid& grid = fromDuty ? *window_.MainScreen.StringGridResult : *window_.MainScreen.StringGridResult1;
    const ResultGrid& results = fromDuty ? state.CalculationResults : state.KnownCoolerResults;
    const tCoolType* chosen = results.ResultAt(grid.Row());
    if (!chosen)
        return;
    const bool krc = fromDuty ? window_.Calc.RadioButtonKRC->isChecked() : window_.Known.RadioButtonKRC1->isChecked();
    state.CurrentCooler = MakeCurrentCooler(*chosen, ChoicesOf(origin), state.PriceRecords,
                                            state.Format.DecimalSeparator);

    WriteDataSheet(krc);
    DrawCurves(krc);
    const TechnicalPageControls& t = Controls;
    PageControl& tabs = *t.PageControlAlleTekniskeData;
    tabs.setTabVisible(tabs.indexOf(t.TabSheetData), true);
    tabs.setTabVisible(tabs.indexOf(t.TabSheetKurver), !krc);
    tabs.setTabVisible(tabs.indexOf(t.TabSheetTegning), true);
    SelectDrawing(FromUtf8(state.CurrentCooler.Designation()));
    tabs.setCurrentWidget(t.TabSheetData);
    ShowTechnicalScreen();
    window_.Menus.MenuDrawing->setEnabled(false);
}

CoolerChoices TechnicalPage::ChoicesOf(ResultTab origin) const
{
    const CalcTabControls& c = window_.Calc;
    const KnownTabControls& k = window_.Known;
    CoolerChoices choices;
    choices.FromDutyTab = origin == ResultTab::Calculation;
    // The heat unit is always the Calculation tab's; the Known cooler tab
    // has no heat to enter.
    choices.HeatUnit = c.ComboBoxHeatReject->currentIndex();
    const QComboBox* altitude = choices.FromDutyTab ? c.ComboBoxAltitude : k.ComboBoxAltitude1;
    choices.OilFlowUnit = (choices.FromDutyTab ? c.ComboBoxOilFlow : k.ComboBoxOilFlow1)->currentIndex();
    choices.AmbientUnit = (choices.FromDutyTab ? c.ComboBoxAmbientTemp : k.ComboBoxAmbientTemp1)->currentIndex();
    choices.InletTempUnit = (choices.FromDutyTab ? c.ComboBoxInletTemp : k.ComboBoxInletTemp1)->currentIndex();
    choices.AltitudeUnit = altitude->currentIndex();
    choices.AltitudeUnitText = ToUtf8(altitude->currentText());
    if (choices.FromDutyTab)
        choices.HeatText = ToUtf8(c.EditHeatReject->text());
    choices.OilGradeIndex = (choices.FromDutyTab ? c.ComboBoxOilType : k.ComboBoxOilType1)->currentIndex();
    return choices;
}

void TechnicalPage::WriteDataSheet(bool krc)
{
    const AppState& state = window_.State();
    QTextEdit& text = *Controls.RichEditData;
    const QFontMetrics metrics(text.font());
    const NoteWrap wrap{[&metrics](std::string_view piece) { return metrics.horizontalAdvance(FromUtf8(piece)); },
                        DataSheetNoteWidth};
    const DataSheetOptions options{krc, !state.PriceRecords.empty(), state.Settings.AirFlow,
                                   state.Settings.PresssureLoss, state.Settings.Weight, state.Settings.Volume};
    const DataSheet sheet = BuildDataSheet(state.CurrentCooler, options, state.Texts(), state.Format, wrap);

    QStringList lines;
    for (const std::string& line : DataSheetTextLines(sheet))
        lines << FromUtf8(line);
    text.setPlainText(lines.join(u'\n'));
    // The columns stand at the sheet's tab stops, on every line.
    QTextBlockFormat columns;
    QList<QTextOption::Tab> stops;
    for (int points : DataSheetTabStops)
        stops.append(QTextOption::Tab(PointsToPixels(points, text), QTextOption::LeftTab));
    columns.setTabPositions(stops);
    QTextCursor all(text.document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(columns);
}

void TechnicalPage::FillDrawingList()
{
    for (const std::string& designation : window_.State().Database.Drawings)
        Controls.ComboBoxDrawing->addItem(FromUtf8(designation));
    Controls.ComboBoxDrawing->view()->setMinimumWidth(DrawingDropDownWidth);
}

void TechnicalPage::MenuDrawingClick()
{
    const TechnicalPageControls& t = Controls;
    PageControl& tabs = *t.PageControlAlleTekniskeData;
    tabs.setTabVisible(tabs.indexOf(t.TabSheetData), false);
    tabs.setTabVisible(tabs.indexOf(t.TabSheetKurver), false);
    tabs.setTabVisible(tabs.indexOf(t.TabSheetTegning), true);
    t.ComboBoxDrawing->setCurrentIndex(0);
    ComboBoxDrawingChange();
    tabs.setCurrentWidget(t.TabSheetTegning);
    ShowTechnicalScreen();
}

void TechnicalPage::ShowTechnicalScreen()
{
    window_.PageControlSkaerm->setCurrentWidget(Controls.TabSheetAlleTekniskeData);
    window_.PageControlSkaermChange();
    PageControlAlleTekniskeDataChange();
}

std::function<void(const QString&)> TechnicalPage::StatusPanel1() const
{
    return [&window = window_](const QString& text) { window.SetStatusText(1, text); };
}

void TechnicalPage::PageControlAlleTekniskeDataChanging(QWidget* leaving)
{
    if (leaving == Controls.TabSheetKurver)
        curvesSelection_->Clear();
    else if (leaving == Controls.TabSheetTegning)
        drawingSelection_->Clear();
    window_.SetStatusText(1, QStringLiteral("-"));
}

void TechnicalPage::PageControlAlleTekniskeDataChange()
{
    const TechnicalPageControls& t = Controls;
    QWidget* tab = t.PageControlAlleTekniskeData->currentWidget();
    if (tab != shownTab_)
        PageControlAlleTekniskeDataChanging(shownTab_);
    shownTab_ = tab;

    const bool data = tab == t.TabSheetData;
    const bool curves = tab == t.TabSheetKurver;
    const bool drawing = tab == t.TabSheetTegning;
    t.zBitColBtnPrintData->setVisible(data);
    for (QWidget* control : std::initializer_list<QWidget*>{t.zBitColBtnPrintPerformance, t.zBitColBtnSaveBmpPerformance,
                                                            t.zBitColBtnCopyPerformance})
        control->setVisible(curves);
    for (QWidget* control : std::initializer_list<QWidget*>{t.zBitColBtnPrintDrawing, t.zBitColBtnSaveDrawing,
                                                            t.zBitColBtnCopyDrawing, t.LabelCoolerDrawing,
                                                            t.ComboBoxDrawing})
        control->setVisible(drawing);

    const AppState& state = window_.State();
    const TextKey& status = data ? keys::TechnicalText : curves ? keys::PerformanceText : keys::DrawingText;
    const std::string subject =
        drawing ? ToUtf8(t.ComboBoxDrawing->currentText()) : state.CurrentCooler.Designation();
    window_.SetStatusText(0, QStringLiteral(" ") + FormatText(state.Texts(), status, {subject}, state.Format));
    if (data)
        window_.SetStatusText(1, QString());
}

void TechnicalPage::zBitColBtnHelpDataClick()
{
    const TechnicalPageControls& t = Controls;
    QWidget* tab = t.PageControlAlleTekniskeData->currentWidget();
    const std::string_view topic = tab == t.TabSheetData     ? HelpTopicTechnicalData
                                   : tab == t.TabSheetKurver ? HelpTopicPerformanceCurves
                                                             : HelpTopicDrawing;
    window_.Help().ShowTopic(FromUtf8(topic));
}

void TechnicalPage::zBitColBtnBackDataClick()
{
    window_.PageControlSkaerm->setCurrentWidget(window_.MainScreen.TabSheetMainScreen);
    window_.PageControlSkaermChange();
}

}  // namespace kr::gui
