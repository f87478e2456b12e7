// The search button and the result grids of the Calculation and Known
// cooler tabs: what a search shows, its problem list and question, the
// reset by any input change, sorting, choosing rows and stepping through
// hydraulic motors.
#include "core/common/units.h"
#include "core/data/text_keys.h"
#include "core/engine/hydraulic_steps.h"
#include "core/engine/known_rating.h"
#include "core/engine/result_grid.h"
#include "core/engine/selection.h"
#include "gui/app/form_errors.h"
#include "gui/app/form_startmenu.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/step_cell_delegate.h"
#include "gui/widgets/string_grid.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace kr::gui::test {

namespace {

QString English(const TextKey& key)
{
    return QString::fromStdString(DistText(QStringLiteral("English.SPROG"), key.Key));
}

RegistryValues MainScreenAt(int width)
{
    return {Dword("Showmenu", 0), Dword("Width", static_cast<std::uint32_t>(width)), Dword("Height", 400),
            Dword("Left", 0), Dword("Top", 0)};
}

// A duty of the Calculation tab with the standard working conditions.
struct Duty {
    QString Heat;
    QString Flow;
    QString Ambient;
    QString Inlet;
    DriveChoice Drive;
    int Voltage = 0;  // ComboBoxACDC
};

const Duty AC400{"10", "80", "30", "60", DriveChoice::ACDC, 0};
const Duty DC12{"2", "25", "30", "60", DriveChoice::ACDC, 1};
const Duty Hydraulic{"10", "80", "30", "60", DriveChoice::Hydraulic};
const Duty KRC{"5", "", "30", "60", DriveChoice::KRC};

CalculationInput InputOf(const Duty& duty)
{
    CalculationInput input;
    input.HeatReject = duty.Heat.toStdString();
    input.OilFlow = duty.Flow.toStdString();
    input.AmbientTemp = duty.Ambient.toStdString();
    input.InletTemp = duty.Inlet.toStdString();
    input.MaxLoss = "2";
    input.Altitude = "0";
    input.Drive = duty.Drive;
    input.MotorVoltageIndex = duty.Voltage;
    return input;
}

class SearchTab {
public:
    explicit SearchTab(int width = 984) : program_(MainScreenAt(width)) { Window().show(); }

    TFormStartmenu& Window() const { return program_.Window(); }
    AppState& State() const { return program_.State(); }
    const MainScreenControls& Main() const { return Window().MainScreen; }
    StringGrid& Grid() const { return *Main().StringGridResult; }
    StringGrid& KnownGrid() const { return *Main().StringGridResult1; }
    SpinButton& StepButton() const { return *Main().zcSpinBtn1; }

    void Enter(const Duty& duty) const
    {
        const CalcTabControls& c = Window().Calc;
        c.EditHeatReject->setText(duty.Heat);
        c.EditAmbientTemp->setText(duty.Ambient);
        c.EditInletTemp->setText(duty.Inlet);
        QRadioButton* drive = duty.Drive == DriveChoice::ACDC        ? c.RadioButtonACDC
                              : duty.Drive == DriveChoice::Hydraulic ? c.RadioButtonHydralic
                                                                     : c.RadioButtonKRC;
        drive->setChecked(true);
        c.ComboBoxACDC->setCurrentIndex(duty.Voltage);
        c.EditOilFlow->setText(duty.Flow);
    }

    void Search() const { QTest::mouseClick(Main().zBitColBtnSearch, Qt::LeftButton); }

    void Search(const Duty& duty) const
    {
        Enter(duty);
        Search();
    }

    // What the engine shows for the same input, the question answered yes.
    ResultGrid Expected(const CalculationInput& input) const
    {
        const LanguageTable& texts = State().Texts();
        ResultGrid grid(ResultTab::Calculation, State().Format);
        grid.Reset(texts, !State().PriceRecords.empty());
        grid.ShowSelection(SelectByDuty(input, State().Database.CoolerRecords, State().PriceRecords, texts,
                                        State().Format, nullptr),
                           {input.HeatRejectUnit, input.MaxLossUnit}, texts);
        return grid;
    }

    ResultGrid ExpectedKnown(const KnownInput& input, int pressureUnit) const
    {
        const LanguageTable& texts = State().Texts();
        ResultGrid grid(ResultTab::KnownCooler, State().Format);
        grid.Reset(texts, !State().PriceRecords.empty());
        grid.ShowKnownRating(RateKnownCooler(input, State().Database.CoolerRecords, State().PriceRecords, texts,
                                             State().Format),
                             input.Drive, pressureUnit, texts);
        return grid;
    }

    // Rates the AC 400 V motor of a pole count of a cooler type on the
    // Known cooler tab, at 80 l/min, 30 and 60 degrees.
    void RateKnown(const QString& type, int poles) const
    {
        Window().Menus.MenuKnown->trigger();
        const KnownTabControls& k = Window().Known;
        k.ComboBoxSelectCooler->setCurrentIndex(k.ComboBoxSelectCooler->findText(type));
        k.RadioButtonACDC1->setChecked(true);
        k.ComboBoxACDC1->setCurrentIndex(k.ComboBoxACDC1->findData(poles));
        QVERIFY(k.ComboBoxACDC1->currentIndex() >= 0);
        k.EditOilFlow1->setText(QStringLiteral("80"));
        k.EditAmbientTemp1->setText(QStringLiteral("30"));
        k.EditInletTemp1->setText(QStringLiteral("60"));
        Search();
    }

    void ClickCell(StringGrid& grid, int col, int row) const
    {
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, col - 1));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }

    // A click on the upper or the lower half of the step button.
    void StepUp() const { QTest::mouseClick(StepButton().UpButton(), Qt::LeftButton); }
    void StepDown() const { QTest::mouseClick(StepButton().DownButton(), Qt::LeftButton); }
    // The step button stands beside the grid; where it is in the grid's cells.
    QRect StepButtonInViewport() const
    {
        const SpinButton& step = StepButton();
        return {Grid().viewport()->mapFrom(step.parentWidget(), step.pos()), step.size()};
    }

    RecordingAnswerer Answerer;

private:
    RunningProgram program_;
};

// Every cell of the grid holds the model's text; the sizes are the model's.
void CompareWithModel(const StringGrid& grid, const ResultGrid& model)
{
    QCOMPARE(grid.RowCount(), model.RowCount());
    QCOMPARE(grid.ColCount(), model.ColumnCount());
    for (int row = 0; row < model.RowCount(); ++row) {
        for (int col = 0; col < model.ColumnCount(); ++col)
            QCOMPARE(grid.Cell(col, row), QString::fromStdString(model.Cell(col, row)));
    }
}

double CellNumber(const StringGrid& grid, int col, int row)
{
    return grid.Cell(col, row).trimmed().toDouble();
}

// Each heading button shows its whole caption, broken into lines as the
// button breaks it.
void ExpectHeadingsFit(const SortButtons& headings)
{
    for (ColorButton* heading : headings) {
        if (heading->isHidden())
            continue;
        const QRect face = heading->rect().adjusted(ColorButton::SideMargin, 1, -ColorButton::SideMargin, -1);
        const QRect caption =
            QFontMetrics(heading->font()).boundingRect(face, Qt::AlignCenter | Qt::TextWordWrap, heading->text());
        QVERIFY2(face.contains(caption), qPrintable(heading->text()));
    }
}

// The error list a search shows, answered with its OK button.
QString ErrorListOf(const std::function<void()>& search)
{
    QString shown;
    bool seen = false;
    WhenDialogShown<TFormErrors>([&](TFormErrors& errors) {
        seen = true;
        shown = errors.LabelText->text();
        QTest::mouseClick(errors.zGradBtnOK, Qt::LeftButton);
    });
    search();
    return seen ? shown : QString();
}

// What a screen reader finds under the window: role, name and
// description of every visible control, as "role|name|description".
QStringList ScreenReaderView(QWidget& window)
{
    QStringList seen;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        seen << QStringLiteral("%1|%2|%3").arg(node->role()).arg(node->text(QAccessible::Name),
                                                               node->text(QAccessible::Description));
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return seen;
}

}  // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void SearchShowsTheEnginesCells_data()
    {
        QTest::addColumn<int>("duty");
        QTest::newRow("AC 400 V") << 0;
        QTest::newRow("DC 12 V") << 1;
        QTest::newRow("hydraulic") << 2;
        QTest::newRow("KRC") << 3;
    }
    void SearchShowsTheEnginesCells()
    {
        QFETCH(int, duty);
        const Duty entered = std::array{AC400, DC12, Hydraulic, KRC}[static_cast<std::size_t>(duty)];
        SearchTab tab;
        tab.Search(entered);
        QVERIFY(tab.Answerer.Requests.empty());
        const ResultGrid expected = tab.Expected(InputOf(entered));
        QVERIFY(expected.ResultRowCount() > 0);
        CompareWithModel(tab.Grid(), expected);
        CompareWithModel(tab.Grid(), tab.State().CalculationResults);
        QCOMPARE(tab.Grid().RowCount(), ShownGridRows);
        QVERIFY(tab.Grid().isVisible() && tab.Grid().isEnabled());
        QCOMPARE(tab.Grid().Row(), 1);
        // The heading buttons carry the headings, broken where the model breaks them.
        QCOMPARE(tab.Main().SortButtonsResult[1]->text(),
                 English(keys::HeatRejectionKw) + QStringLiteral("\nkW"));
        QCOMPARE(tab.Main().SortButtonsResult[4]->text().section(u'\n', 0, 0), English(keys::Price));
        // Shown with the grid.
        for (ColorButton* button : {tab.Main().zBitColBtnTData, tab.Main().zBitColBtnTransfer})
            QVERIFY(button->isVisible() && button->isEnabled());
        QCOMPARE(tab.Main().zBitColBtnTransfer->toolTip(), English(keys::HintTransferToQuotation));
        QCOMPARE(tab.StepButton().isVisible(), entered.Drive == DriveChoice::Hydraulic);
        if (entered.Drive == DriveChoice::KRC)
            QCOMPARE(tab.Grid().Cell(GridColumn::PressLoss, 1), English(keys::NoData));
    }

    void HeadingsShowTheUnitsTyped()
    {
        SearchTab tab;
        const CalcTabControls& c = tab.Window().Calc;
        tab.Enter(AC400);
        c.EditHeatReject->setText(QStringLiteral("34121"));  // 10 kW in BTU/h
        c.ComboBoxHeatReject->setCurrentIndex(c.ComboBoxHeatReject->findText(QStringLiteral("BTU/h")));
        QVERIFY(c.ComboBoxHeatReject->currentIndex() > 0);
        tab.Search();
        QVERIFY(tab.Grid().isVisible());
        QVERIFY(tab.Main().SortButtonsResult[1]->text().endsWith(QStringLiteral("\nBTU/h")));
        CalculationInput input = InputOf(AC400);
        input.HeatReject = "34121";
        input.HeatRejectUnit = c.ComboBoxHeatReject->currentIndex();
        CompareWithModel(tab.Grid(), tab.Expected(input));
    }

    void FailedSearchShowsTheNumberedListAndNoGrid()
    {
        SearchTab tab;
        tab.Window().Calc.EditAmbientTemp->setText(QStringLiteral("30"));
        const QString list = ErrorListOf([&] { tab.Search(); });
        // No drive, no heat, no oil flow, no oil temperature and what follows
        // from them, then the closing "no cooler".
        CalculationInput input;
        input.AmbientTemp = "30";
        input.MaxLoss = "2";
        input.Altitude = "0";
        input.Drive = DriveChoice::None;
        const DutySelection engine = SelectByDuty(input, tab.State().Database.CoolerRecords, tab.State().PriceRecords,
                                                  tab.State().Texts(), tab.State().Format, nullptr);
        const QStringList entries = list.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        QVERIFY(entries.size() >= 5);
        QCOMPARE(entries.size(), QString::fromStdString(engine.ErrorText).count(QStringLiteral("\r\n\r\n")));
        // "%d. No suitable cooler was found." without its number.
        QVERIFY(entries.back().contains(English(keys::ErrorNoCooler).section(u' ', 1)));
        for (int n = 1; n <= entries.size(); ++n)
            QVERIFY2(entries[n - 1].startsWith(QString::number(n)), qPrintable(entries[n - 1]));
        QVERIFY(tab.Answerer.Beeps == std::vector<BeepKind>{BeepKind::Error});
        QVERIFY(tab.Grid().isHidden());
        QVERIFY(tab.Main().zBitColBtnTData->isHidden());
        QCOMPARE(tab.State().CalculationResults.ResultRowCount(), 0);
    }

    void FailedSearchClearsTheResultsBefore()
    {
        SearchTab tab;
        tab.Search(AC400);
        QVERIFY(tab.Grid().isVisible());
        // The same duty again, now without a cooler to find.
        tab.State().Database.CoolerRecords.clear();
        QVERIFY(!ErrorListOf([&] { tab.Search(); }).isEmpty());
        QVERIFY(tab.Grid().isHidden());
        QCOMPARE(tab.State().CalculationResults.ResultRowCount(), 0);
    }

    void UnreadableDisplacementIsAnErrorBox()
    {
        SearchTab tab;
        for (tCoolType& record : tab.State().Database.CoolerRecords) {
            if (record.Designation() == "KR 35 HYD 4 ccm")
                record.SetText(CoolerField::HydDisplacement, "4.5");
        }
        tab.Search(Hydraulic);
        QCOMPARE(tab.Answerer.Requests.size(), std::size_t{1});
        const MessageBoxRequest& box = tab.Answerer.Requests.front();
        QCOMPARE(box.Caption, English(keys::ErrorCaption));
        QCOMPARE(box.Icon, QMessageBox::Critical);
        QVERIFY(box.Text.contains(QStringLiteral("KR 35 HYD 4 ccm")));
        QVERIFY(box.Text.contains(QStringLiteral("4.5")));
        QVERIFY(tab.Grid().isHidden());
    }

    void PressureLossQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void PressureLossQuestion()
    {
        QFETCH(bool, yes);
        SearchTab tab;
        const CalcTabControls& c = tab.Window().Calc;
        tab.Enter(AC400);
        c.CheckBoxDefault->setChecked(false);
        c.EditMaxLoss->setText(QStringLiteral("0.01"));
        tab.Answerer.Answers.push_back(yes ? QMessageBox::Yes : QMessageBox::No);
        tab.Search();
        QCOMPARE(tab.Answerer.Requests.size(), std::size_t{1});
        const MessageBoxRequest& question = tab.Answerer.Requests.front();
        QCOMPARE(question.Caption, English(keys::AskPresslossCaption));
        QCOMPARE(question.Text, English(keys::AskPresslossText));
        QCOMPARE(question.Icon, QMessageBox::Warning);
        QCOMPARE(question.Buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(tab.Grid().isVisible(), yes);
        QCOMPARE(tab.Main().zBitColBtnTData->isVisible(), yes);
        if (yes) {
            CalculationInput input = InputOf(AC400);
            input.MaxLoss = "0.01";
            CompareWithModel(tab.Grid(), tab.Expected(input));
        } else {
            QCOMPARE(tab.State().CalculationResults.ResultRowCount(), 0);
        }
    }

    void AnyInputChangeHidesTheResults_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");  // a text, or a list index
        for (const char* edit : {"EditHeatReject", "EditOilFlow", "EditAmbientTemp", "EditInletTemp"})
            QTest::newRow(edit) << QString::fromLatin1(edit) << QStringLiteral("12");
        for (const char* list : {"ComboBoxHeatReject", "ComboBoxOilFlow", "ComboBoxAmbientTemp", "ComboBoxInletTemp",
                                 "ComboBoxMaxLoss", "ComboBoxAltitude", "ComboBoxOilType", "ComboBoxACDC"})
            QTest::newRow(list) << QString::fromLatin1(list) << QStringLiteral("1");
        QTest::newRow("CheckBoxDefault") << QStringLiteral("CheckBoxDefault") << QString();
        QTest::newRow("RadioButtonHydralic") << QStringLiteral("RadioButtonHydralic") << QString();
    }
    void AnyInputChangeHidesTheResults()
    {
        QFETCH(QString, control);
        QFETCH(QString, value);
        SearchTab tab;
        tab.Search(AC400);
        QVERIFY(tab.Grid().isVisible());
        QObject* changed = tab.Window().findChild<QObject*>(control);
        if (auto* edit = qobject_cast<QLineEdit*>(changed))
            edit->setText(value);
        else if (auto* list = qobject_cast<QComboBox*>(changed))
            list->setCurrentIndex(value.toInt());
        else
            qobject_cast<QAbstractButton*>(changed)->click();
        QVERIFY(tab.Grid().isHidden());
        QVERIFY(tab.Main().zBitColBtnTData->isHidden() && tab.Main().zBitColBtnTransfer->isHidden());
        QCOMPARE(tab.State().CalculationResults.ResultRowCount(), 0);
        QCOMPARE(tab.Grid().RowCount(), EmptyGridRows);
        QVERIFY(tab.Grid().Cell(GridColumn::Cooler, 1).isEmpty());
    }

    void SearchOnTheQuotationTabDoesNothing()
    {
        SearchTab tab;
        tab.Search(AC400);
        tab.Window().Menus.MenuQuotation->trigger();
        tab.Window().Calc.EditHeatReject->blockSignals(true);
        tab.Window().Calc.EditHeatReject->clear();
        tab.Window().Calc.EditHeatReject->blockSignals(false);
        tab.Window().zBitColBtnSearchClick();
        QVERIFY(tab.Answerer.Requests.empty() && tab.Answerer.Beeps.empty());
        QVERIFY(tab.State().CalculationResults.ResultRowCount() > 0);
    }

    void SortingByAHeadingButton()
    {
        SearchTab tab;
        tab.Search(Hydraulic);
        const std::size_t rows = static_cast<std::size_t>(tab.State().CalculationResults.ResultRowCount());
        QVERIFY(rows >= 3);
        ColorButton* byHeat = tab.Main().SortButtonsResult[1];
        QCOMPARE(byHeat->property("tag").toInt(), GridColumn::HeatRejection);
        QTest::mouseClick(byHeat, Qt::LeftButton);
        std::vector<double> heat;
        for (int row = 1; row <= static_cast<int>(rows); ++row)
            heat.push_back(CellNumber(tab.Grid(), GridColumn::HeatRejection, row));
        QVERIFY(std::ranges::is_sorted(heat));
        ResultGrid expected = tab.Expected(InputOf(Hydraulic));
        QVERIFY(CellNumber(tab.Grid(), GridColumn::HeatRejection, 2) !=
                std::stod(expected.Cell(GridColumn::HeatRejection, 2)));  // the order did change
        expected.SortByColumn(GridColumn::HeatRejection, tab.State().Texts());
        CompareWithModel(tab.Grid(), expected);
        // Each row stands for the result it shows.
        for (int row = 1; row <= static_cast<int>(rows); ++row) {
            const tCoolType* shown = tab.State().CalculationResults.ResultAt(row);
            QCOMPARE(tab.Grid().Cell(GridColumn::Motor, row),
                     QString::fromStdString(HydraulicMotorText(*shown, tab.State().Format)));
            const QString cooler = QString::fromStdString(shown->CoolerType() + " /");
            QVERIFY(tab.Grid().Cell(GridColumn::Cooler, row).startsWith(cooler));
        }

        QTest::mouseClick(tab.Main().SortButtonsResult[4], Qt::LeftButton);  // back by price
        CompareWithModel(tab.Grid(), tab.Expected(InputOf(Hydraulic)));
    }

    void StepButtonStepsThroughTheMotorsAndBeepsAtTheEnds()
    {
        SearchTab tab;
        tab.Search(Hydraulic);
        const ResultGrid& model = tab.State().CalculationResults;
        const std::vector<tCoolType>& group = model.HydraulicGroups().front();
        QVERIFY(group.size() >= 2);
        SpinButton& step = tab.StepButton();
        QVERIFY(step.isVisible());
        // At the right edge of the chosen row's motor cell.
        const QRect cell = tab.Grid().visualRect(tab.Grid().model()->index(0, GridColumn::Motor - 1));
        QCOMPARE(tab.StepButtonInViewport().right(), cell.right());
        QCOMPARE(tab.StepButtonInViewport().top(), cell.top());
        QCOMPARE(step.height(), cell.height());
        const QStringList hint = step.toolTip().split(u'\n');
        QCOMPARE(hint.front(), English(keys::HintSelectHydraulicMotor));
        QCOMPARE(hint.size(), static_cast<qsizetype>(group.size()) + 2);

        const QString first = tab.Grid().Cell(GridColumn::Motor, 1);
        const QString heat = tab.Grid().Cell(GridColumn::HeatRejection, 1);
        tab.StepUp();
        QVERIFY(tab.Answerer.Beeps == std::vector<BeepKind>{BeepKind::Default});
        QCOMPARE(tab.Grid().Cell(GridColumn::Motor, 1), first);
        for (std::size_t entry = 1; entry < group.size(); ++entry) {
            tab.StepDown();
            QCOMPARE(tab.Grid().Cell(GridColumn::Motor, 1),
                     QString::fromStdString(HydraulicMotorText(group[entry], tab.State().Format)));
            QCOMPARE(model.ResultAt(1)->Designation(), group[entry].Designation());
        }
        QCOMPARE(tab.Grid().Cell(GridColumn::HeatRejection, 1), heat);  // only the motor is rewritten
        QCOMPARE(tab.Answerer.Beeps.size(), std::size_t{1});
        tab.StepDown();
        QCOMPARE(tab.Answerer.Beeps.size(), std::size_t{2});
        tab.StepUp();
        QCOMPARE(tab.Answerer.Beeps.size(), std::size_t{2});
        QCOMPARE(model.HydraulicGroupPos().front(), static_cast<int>(group.size()) - 2);
    }

    void ChoosingARowMovesTheStepButtonAndItsHint()
    {
        SearchTab tab;
        tab.Search(Hydraulic);
        StringGrid& grid = tab.Grid();
        tab.ClickCell(grid, GridColumn::Cooler, 2);
        QCOMPARE(grid.Row(), 2);
        const QRect second = grid.visualRect(grid.model()->index(1, GridColumn::Motor - 1));
        QCOMPARE(tab.StepButtonInViewport().right(), second.right());
        QCOMPARE(tab.StepButtonInViewport().y(), second.y());
        const std::vector<tCoolType>& group = tab.State().CalculationResults.HydraulicGroups()[1];
        QVERIFY(tab.StepButton().toolTip().endsWith(QString::fromStdString(
            HydraulicStepHint("", group, tab.State().Format)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));

        // A press on a row's number chooses the row too.
        QHeaderView* numbers = grid.verticalHeader();
        const QPoint third(numbers->width() / 2, numbers->sectionViewportPosition(2) + numbers->sectionSize(2) / 2);
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(grid.Row(), 3);
        // A row without results has no motor to step.
        const int empty = tab.State().CalculationResults.ResultRowCount() + 2;
        tab.ClickCell(grid, GridColumn::Cooler, empty);
        QCOMPARE(grid.Row(), empty);
        QVERIFY(tab.StepButton().isHidden());
    }

    void OtherMotorCellsLookSteppable()
    {
        SearchTab tab;
        tab.Search(Hydraulic);
        auto* cells = qobject_cast<StepCellDelegate*>(tab.Grid().itemDelegateForColumn(GridColumn::Motor - 1));
        QVERIFY(cells);
        QCOMPARE(cells->StepWidth(), tab.StepButton().width());
        // A raised frame in the button face at the right of a motor cell
        // that is not chosen; none in a row without results.
        const auto faceAt = [&](int row) {
            const QRect cell = tab.Grid().visualRect(tab.Grid().model()->index(row - 1, GridColumn::Motor - 1));
            const QImage shown = tab.Grid().viewport()->grab().toImage();
            return shown.pixelColor(cell.right() - cells->StepWidth() / 2, cell.center().y()) == look::ButtonFace;
        };
        QVERIFY(faceAt(2));
        QVERIFY(!faceAt(tab.State().CalculationResults.ResultRowCount() + 1));
        tab.Search(AC400);
        QVERIFY(!faceAt(2));
        QCOMPARE(cells->StepWidth(), 0);
        QVERIFY(tab.StepButton().isHidden());
    }

    void KnownCoolerRatesTheChosenTypeAndMotor()
    {
        SearchTab tab;
        tab.State().Settings.PresssureLoss = 1;
        tab.RateKnown(QStringLiteral("KR 30"), 4);

        KnownInput input;
        input.OilFlow = "80";
        input.AmbientTemp = "30";
        input.InletTemp = "60";
        input.Altitude = "0";
        input.Drive = DriveChoice::ACDC;
        input.CoolerType = "KR 30";
        input.MotorChoice = 4;
        const ResultGrid expected = tab.ExpectedKnown(input, 1);
        QCOMPARE(expected.ResultRowCount(), 1);
        CompareWithModel(tab.KnownGrid(), expected);
        QVERIFY(tab.KnownGrid().isVisible());
        QVERIFY(tab.Grid().isHidden());
        QVERIFY(tab.Main().zBitColBtnTData1->isVisible() && tab.Main().zBitColBtnTransfer1->isVisible());
        // Pressure loss in the options' unit, heat always in kW.
        QVERIFY(tab.Main().SortButtonsResult1[2]->text().endsWith(
            QStringLiteral("\n") + QString::fromStdString(std::string(UnitName(UnitsPressure, 1)))));
        QVERIFY(tab.Main().SortButtonsResult1[1]->text().endsWith(QStringLiteral("\nkW")));

        tab.Window().Known.EditAmbientTemp1->setText(QStringLiteral("31"));
        QVERIFY(tab.KnownGrid().isHidden());
        QCOMPARE(tab.State().KnownCoolerResults.ResultRowCount(), 0);
    }

    void KnownCoolerShowsEveryResult()
    {
        SearchTab tab;
        CoolerRecordList& records = tab.State().Database.CoolerRecords;
        const auto original = std::ranges::find_if(records, [](const tCoolType& r) {
            return r.Designation() == "KR 30 AC 400V 4-pol";
        });
        QVERIFY(original != records.end());
        const tCoolType copy = *original;
        records.insert(original, 24, copy);  // 25 records of one type and motor
        tab.RateKnown(QStringLiteral("KR 30"), 4);
        QCOMPARE(tab.State().KnownCoolerResults.ResultRowCount(), 25);
        QCOMPARE(tab.KnownGrid().RowCount(), 26);
        QCOMPARE(tab.KnownGrid().Cell(0, 25), QStringLiteral("25"));
        QVERIFY(!tab.KnownGrid().Cell(GridColumn::Cooler, 25).isEmpty());
    }

    void KnownCoolerProblemsAreListed()
    {
        SearchTab tab;
        tab.Window().Menus.MenuKnown->trigger();
        const QString list = ErrorListOf([&] { tab.Search(); });
        QVERIFY(list.startsWith(QStringLiteral("1")));
        QVERIFY(list.contains(QStringLiteral("\n\n2")));
        QVERIFY(tab.KnownGrid().isHidden());
    }

    void ScreenReadersFindTheGridControlsInTheCurrentLanguage()
    {
        SearchTab tab;
        tab.Search(Hydraulic);
        // A button's description is its hint.
        const auto button = [](const QString& name) { return QStringLiteral("%1|%2|").arg(QAccessible::Button).arg(name); };
        const auto found = [](const QStringList& seen, const QString& start) {
            return std::any_of(seen.begin(), seen.end(), [&](const QString& s) { return s.startsWith(start); });
        };
        QStringList seen = ScreenReaderView(tab.Window());
        for (const QString& name : {QStringLiteral("Sort by ") + English(keys::KrCooler),
                                    QStringLiteral("Sort by ") + English(keys::HeatRejectionKw) + QStringLiteral(", kW"),
                                    English(keys::PreviousMotor), English(keys::NextMotor)})
            QVERIFY2(found(seen, button(name)), qPrintable(name));
        // The two temperature units are told apart by their quantity.
        for (const TextKey& quantity : {keys::AmbientTemperature, keys::OilTemperatureInlet}) {
            const QString unitList = QStringLiteral("%1|%2|%3").arg(QAccessible::ComboBox).arg(
                English(quantity), English(keys::UnitOfMeasure));
            QVERIFY2(seen.contains(unitList), qPrintable(unitList));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(tab.Window().Calc.ComboBoxAmbientTemp)->text(QAccessible::Value),
                 QStringLiteral("°C"));

        // Another language reaches the filled grid, its buttons and Qt's own dialogs at once.
        const auto& languages = tab.State().Languages;
        const auto german = std::find_if(languages.begin(), languages.end(), [](const Language& language) {
            return language.Table.Lookup(keys::Language.Key) == "Deutsch";
        });
        QVERIFY(german != languages.end());
        const auto germanText = [&](const TextKey& key) { return QString::fromStdString(german->Table.Lookup(key.Key)); };
        const QString heading = germanText(keys::HeatRejectionKw);
        QVERIFY(heading != English(keys::HeatRejectionKw));
        tab.State().ScreenLanguage = static_cast<int>(german - languages.begin());
        tab.Window().ApplyMainWindowTexts();
        QVERIFY(tab.Grid().isVisible());
        QCOMPARE(tab.Grid().Cell(GridColumn::HeatRejection, 0), heading + QStringLiteral("\r\nkW"));
        QCOMPARE(tab.Main().SortButtonsResult[1]->text(), heading + QStringLiteral("\nkW"));
        seen = ScreenReaderView(tab.Window());
        QVERIFY(found(seen, button(germanText(keys::NextMotor))));
        QVERIFY(tab.StepButton().toolTip().startsWith(germanText(keys::HintSelectHydraulicMotor)));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        tab.State().ScreenLanguage = 0;
        tab.Window().ApplyMainWindowTexts();
    }

    void LeavingAKrcTypeLeavesADriveToChoose()
    {
        SearchTab tab;
        tab.Window().Menus.MenuKnown->trigger();
        const KnownTabControls& k = tab.Window().Known;
        const auto typeStarting = [&](bool krc) {
            for (int i = 0; i < k.ComboBoxSelectCooler->count(); ++i)
                if (k.ComboBoxSelectCooler->itemText(i).startsWith(QStringLiteral("KRC")) == krc)
                    return i;
            return -1;
        };
        k.ComboBoxSelectCooler->setCurrentIndex(typeStarting(true));
        QVERIFY(k.RadioButtonKRC1->isChecked() && !k.EditOilFlow1->isEnabled());
        k.ComboBoxSelectCooler->setCurrentIndex(typeStarting(false));
        QVERIFY(!k.RadioButtonKRC1->isChecked() && !k.RadioButtonKRC1->isEnabled());
        QVERIFY(k.RadioButtonACDC1->isEnabled() && k.RadioButtonHydralic1->isEnabled());
        QVERIFY(k.EditOilFlow1->isEnabled() && k.ComboBoxOilFlow1->isEnabled());
        // From there a search succeeds, at an oil flow the type takes.
        const std::string type = k.ComboBoxSelectCooler->currentText().toStdString();
        const auto& records = tab.State().Database.CoolerRecords;
        const auto record = std::find_if(records.begin(), records.end(),
                                         [&](const tCoolType& r) { return r.CoolerType() == type; });
        QVERIFY(record != records.end());
        k.RadioButtonHydralic1->setChecked(true);
        k.EditOilFlow1->setText(QString::number(record->MaxOilFlow()));
        k.EditAmbientTemp1->setText(QStringLiteral("30"));
        k.EditInletTemp1->setText(QStringLiteral("60"));
        const QString problems = ErrorListOf([&] { tab.Search(); });
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QVERIFY(tab.KnownGrid().isVisible());
    }

    void HeadingsFitInEveryLanguage()
    {
        SearchTab tab;
        QVERIFY(tab.State().Languages.size() >= 3);
        for (std::size_t language = 0; language < tab.State().Languages.size(); ++language) {
            tab.State().ScreenLanguage = static_cast<int>(language);
            tab.Window().ApplyMainWindowTexts();
            tab.Search(Hydraulic);
            QVERIFY(tab.Grid().isVisible());
            ExpectHeadingsFit(tab.Main().SortButtonsResult);
        }
    }

    void DecimalCommaLocale()
    {
        SearchTab tab;
        tab.State().Format.DecimalSeparator = ',';
        Duty duty = AC400;
        duty.Heat = QStringLiteral("10,5");
        tab.Search(duty);
        QVERIFY(tab.Grid().isVisible());
        CalculationInput input = InputOf(duty);
        const ResultGrid expected = tab.Expected(input);
        CompareWithModel(tab.Grid(), expected);
        QVERIFY(tab.Grid().Cell(GridColumn::HeatRejection, 1).contains(u','));

        // The same duty with a point gives the same rows.
        tab.State().Format.DecimalSeparator = '.';
        input.HeatReject = "10.5";
        const ResultGrid withPoint = tab.Expected(input);
        QCOMPARE(withPoint.ResultRowCount(), expected.ResultRowCount());
        for (int row = 1; row <= expected.ResultRowCount(); ++row)
            QCOMPARE(tab.Grid().Cell(GridColumn::HeatRejection, row),
                     QString::fromStdString(withPoint.Cell(GridColumn::HeatRejection, row)).replace(u'.', u','));
    }

    // What a user sees: numbers and headings not clipped, the step button
    // at its cell. Screenshots go to KR_SCREENSHOT_DIR when it is set.
    void TextsFitTheirColumns_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("duty");
        QTest::newRow("600 AC") << 600 << 0;
        QTest::newRow("600 hydraulic") << 600 << 2;
        QTest::newRow("984 AC") << 984 << 0;
        QTest::newRow("984 hydraulic") << 984 << 2;
        QTest::newRow("984 KRC") << 984 << 3;
    }
    void TextsFitTheirColumns()
    {
        QFETCH(int, width);
        QFETCH(int, duty);
        const Duty entered = std::array{AC400, DC12, Hydraulic, KRC}[static_cast<std::size_t>(duty)];
        SearchTab tab(width);
        tab.Search(entered);
        StringGrid& grid = tab.Grid();
        QVERIFY(grid.isVisible());
        const QString folder = qEnvironmentVariable("KR_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            const QString name =
                QStringLiteral("search-%1.png").arg(QString::fromLatin1(QTest::currentDataTag())).replace(u' ', u'-');
            QVERIFY(tab.Window().grab().save(QDir(folder).filePath(name)));
        }
        const QFontMetrics metrics(grid.font());
        const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
        const int stepWidth = tab.State().CalculationResults.HasStepButton() ? tab.StepButton().width() : 0;
        for (int row = 1; row < grid.RowCount(); ++row) {
            for (int col = 1; col < grid.ColCount(); ++col) {
                const QString text = grid.Cell(col, row);
                const int room = grid.ColWidth(col) - margins - (col == GridColumn::Motor ? stepWidth : 0);
                QVERIFY2(metrics.horizontalAdvance(text) <= room,
                         qPrintable(QStringLiteral("%1 in column %2: %3 > %4")
                                        .arg(text).arg(col).arg(metrics.horizontalAdvance(text)).arg(room)));
            }
        }
        // The widest cooler and motor texts of the whole database fit too.
        const ResultGrid& shown = tab.State().CalculationResults;
        const std::string motorKind = shown.ResultAt(1)->MotorKind();
        for (const tCoolType& record : tab.State().Database.CoolerRecords) {
            if (record.MotorKind() != motorKind)
                continue;
            for (int col : {GridColumn::Cooler, GridColumn::Motor}) {
                const QString text = QString::fromStdString(ResultCellText(
                    record, col, ResultTab::Calculation, shown.Drive(), shown.Units(), "", tab.State().Format));
                const int room = grid.ColWidth(col) - margins - (col == GridColumn::Motor ? stepWidth : 0);
                QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(text));
            }
        }
        ExpectHeadingsFit(tab.Main().SortButtonsResult);
        if (stepWidth > 0) {
            QVERIFY(grid.viewport()->rect().contains(tab.StepButtonInViewport()));
            QCOMPARE(tab.StepButtonInViewport().right(),
                     grid.visualRect(grid.model()->index(0, GridColumn::Motor - 1)).right());
        }
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::SearchTest)
#include "search_test.moc"
