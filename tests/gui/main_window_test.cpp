// The main window's frame: sizes and layouts, screens and tabs, menus,
// texts, the input tabs' behaviour, and what closing saves.
#include "core/data/text_keys.h"
#include "gui/app/form_startmenu.h"
#include "gui/present/technical_page.h"
#include "gui/quote/quotation_tab.h"
#include "gui/app/main_window_layout.h"
#include "gui/app/size_snapping.h"
#include "gui/platform/help_viewer.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/string_grid.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QtTest>

namespace kr::gui::test {

namespace {

QString English(const TextKey& key)
{
    return QString::fromStdString(DistText(QStringLiteral("English.SPROG"), key.Key));
}

RegistryValues MainScreenAt(int width, int height = 400)
{
    return {Dword("Showmenu", 0), Dword("Width", static_cast<std::uint32_t>(width)),
            Dword("Height", static_cast<std::uint32_t>(height)), Dword("Left", 10), Dword("Top", 20)};
}

QByteArray FileBytes(const std::filesystem::path& file)
{
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Whether a widget lies in the scrolled contents of a grid, list or box,
// where the contents may be larger than what shows.
bool InsideScrolledContents(const QWidget* widget)
{
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(parent))
            return true;
    }
    return false;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void SnappingByRequestedWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("size");
        QTest::newRow("tiny") << 10 << QSize(600, 400);
        QTest::newRow("600") << 600 << QSize(600, 400);
        QTest::newRow("601") << 601 << QSize(760, 520);
        QTest::newRow("700") << 700 << QSize(760, 520);
        QTest::newRow("760") << 760 << QSize(760, 520);
        QTest::newRow("761") << 761 << QSize(984, 688);
        QTest::newRow("huge") << 5000 << QSize(984, 688);
    }
    void SnappingByRequestedWidth()
    {
        QFETCH(int, width);
        QFETCH(QSize, size);
        QCOMPARE(SnapWindowSize(width), size);
    }

    void DraggingChoosesBySizeOfTheDraggedBorder_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<QSize>("dragged");
        QTest::addColumn<QSize>("size");  // invalid: the drag does not resize
        const int right = static_cast<int>(DragEdge::Right);
        const int corner = static_cast<int>(DragEdge::BottomRight);
        const int bottom = static_cast<int>(DragEdge::Bottom);
        QTest::newRow("right 680") << right << QSize(680, 400) << QSize(600, 400);
        QTest::newRow("right 681") << right << QSize(681, 400) << QSize(760, 520);
        QTest::newRow("right 872") << right << QSize(872, 900) << QSize(760, 520);
        QTest::newRow("corner 873") << corner << QSize(873, 100) << QSize(984, 688);
        QTest::newRow("bottom 460") << bottom << QSize(984, 460) << QSize(600, 400);
        QTest::newRow("bottom 461") << bottom << QSize(600, 461) << QSize(760, 520);
        QTest::newRow("bottom 605") << bottom << QSize(600, 605) << QSize(984, 688);
        for (DragEdge edge : {DragEdge::Left, DragEdge::Top, DragEdge::TopLeft, DragEdge::TopRight, DragEdge::BottomLeft})
            QTest::newRow(qPrintable(QStringLiteral("held %1").arg(static_cast<int>(edge))))
                << static_cast<int>(edge) << QSize(900, 600) << QSize();
    }
    void DraggingChoosesBySizeOfTheDraggedBorder()
    {
        QFETCH(int, edge);
        QFETCH(QSize, dragged);
        QFETCH(QSize, size);
        const std::optional<QSize> chosen = DraggedWindowSize(static_cast<DragEdge>(edge), dragged);
        QCOMPARE(chosen.has_value(), size.isValid());
        if (chosen)
            QCOMPARE(*chosen, size);
    }

    void DraggedBorderReadFromTheBounds()
    {
        const QRect before(100, 100, 600, 400);
        QCOMPARE(DragEdgeBetween(before, QRect(100, 100, 700, 400)), DragEdge::Right);
        QCOMPARE(DragEdgeBetween(before, QRect(100, 100, 600, 500)), DragEdge::Bottom);
        QCOMPARE(DragEdgeBetween(before, QRect(100, 100, 700, 500)), DragEdge::BottomRight);
        QCOMPARE(DragEdgeBetween(before, QRect(50, 100, 650, 400)), DragEdge::Left);
        QCOMPARE(DragEdgeBetween(before, QRect(100, 50, 600, 450)), DragEdge::Top);
        QCOMPARE(DragEdgeBetween(before, QRect(50, 50, 650, 450)), DragEdge::TopLeft);
        QCOMPARE(DragEdgeBetween(before, QRect(100, 50, 700, 450)), DragEdge::TopRight);
        QCOMPARE(DragEdgeBetween(before, QRect(50, 100, 650, 500)), DragEdge::BottomLeft);
    }

    void SavedWidth700RestoresTheMediumSize()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(700, 300));
        TFormStartmenu& window = program.Window();
        QCOMPARE(window.size(), QSize(760, 520));
        QCOMPARE(window.pos(), QPoint(10, 20));
        QCOMPARE(window.MainScreen.PanelMain->height(), 301);
    }

    void EveryBoundsChangeSnaps()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        window.SetWindowBounds(QRect(30, 40, 1000, 100));
        QCOMPARE(window.pos(), QPoint(30, 40));
        QCOMPARE(window.size(), QSize(984, 688));
        window.resize(650, 700);
        QTRY_COMPARE(window.size(), QSize(760, 520));
        QCOMPARE(window.Calc.EditHeatReject->geometry(), QRect(159, 22, 50, 22));
        QCOMPARE(window.minimumSize(), QSize(600, 400));
        QCOMPARE(window.maximumSize(), QSize(984, 688));
    }

    void TellingRowsOfTheThreeLayouts_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("panelChooise");
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<int>("inputWidth");
        QTest::addColumn<QRect>("heatEdit");
        QTest::addColumn<int>("heatUnitLeft");
        QTest::addColumn<int>("heatUnitWidth");
        QTest::addColumn<QSize>("surface");
        QTest::newRow("600") << 600 << QSize(434, 241) << QSize(439, 71) << 203 << QRect(119, 0, 30, 0) << 149 << 49
                             << QSize(421, 292);
        QTest::newRow("760") << 760 << QSize(594, 301) << QSize(597, 127) << 283 << QRect(159, 0, 50, 0) << 209 << 59
                             << QSize(581, 412);
        QTest::newRow("984") << 984 << QSize(818, 385) << QSize(821, 211) << 395 << QRect(251, 0, 60, 0) << 311 << 69
                             << QSize(805, 580);
    }
    void TellingRowsOfTheThreeLayouts()
    {
        QFETCH(int, width);
        QFETCH(QSize, panelChooise);
        QFETCH(QSize, grid);
        QFETCH(int, inputWidth);
        QFETCH(QRect, heatEdit);
        QFETCH(int, heatUnitLeft);
        QFETCH(int, heatUnitWidth);
        QFETCH(QSize, surface);
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(width));
        const TFormStartmenu& w = program.Window();
        QCOMPARE(w.MainScreen.PanelMain->height(), panelChooise.height());
        QCOMPARE(w.MainScreen.PanelChooise->size(), panelChooise);
        QCOMPARE(w.MainScreen.StringGridResult->size(), grid);
        QCOMPARE(w.Calc.GroupBoxInputCalc->width(), inputWidth);
        QCOMPARE(w.Calc.EditHeatReject->x(), heatEdit.x());
        QCOMPARE(w.Calc.EditHeatReject->width(), heatEdit.width());
        QCOMPARE(w.Calc.ComboBoxHeatReject->x(), heatUnitLeft);
        QCOMPARE(w.Calc.ComboBoxHeatReject->width(), heatUnitWidth);
        for (QWidget* view : std::initializer_list<QWidget*>{w.TechnicalScreen->Controls.RichEditData, w.TechnicalScreen->Controls.ScrollBoxKurver1,
                                                             w.TechnicalScreen->Controls.ScrollBoxDrawingSurface})
            QCOMPARE(view->size(), surface);
    }

    void EveryControlLiesInsideItsParentAtEachSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("600 x 400") << 600;
        QTest::newRow("760 x 520") << 760;
        QTest::newRow("984 x 688") << 984;
    }
    void EveryControlLiesInsideItsParentAtEachSize()
    {
        QFETCH(int, width);
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(width));
        TFormStartmenu& window = program.Window();
        window.show();
        // The pages of both screens and every tab are laid out once shown.
        for (QWidget* page : {window.MainScreen.TabSheetMainScreen, window.TechnicalScreen->Controls.TabSheetAlleTekniskeData}) {
            window.PageControlSkaerm->setCurrentWidget(page);
            for (QTabWidget* tabs : page->findChildren<QTabWidget*>()) {
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                }
            }
        }
        int checked = 0;
        for (QWidget* control : window.findChildren<QWidget*>()) {
            // The start menu has its one size, and its own test; the tab bars'
            // scroll buttons are Qt's and hidden.
            if (control->objectName().isEmpty() || control->objectName().startsWith(QStringLiteral("qt_")) ||
                control->isWindow() || InsideScrolledContents(control) ||
                qobject_cast<QTabBar*>(control->parentWidget()) ||
                window.StartMenu.TabSheetStartMenu->isAncestorOf(control))
                continue;
            const QRect inParent = control->geometry();
            const QRect parentArea(QPoint(0, 0), control->parentWidget()->size());
            if (!parentArea.contains(inParent))
                QFAIL(qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 lies outside %6 (%7x%8)")
                                     .arg(control->objectName())
                                     .arg(inParent.x()).arg(inParent.y()).arg(inParent.width()).arg(inParent.height())
                                     .arg(control->parentWidget()->objectName())
                                     .arg(parentArea.width()).arg(parentArea.height())));
            ++checked;
        }
        QVERIFY(checked > 100);
    }

    void EveryPlacementNamesOneControl()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        for (const ControlPlacement& placement : MainWindowPlacements())
            QCOMPARE(program.Window().findChildren<QWidget*>(QString::fromLatin1(placement.Name)).size(), 1);
    }

    void TabsHaveEqualFixedWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("600") << 600;
        QTest::newRow("984") << 984;
    }
    void TabsHaveEqualFixedWidth()
    {
        QFETCH(int, width);
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(width));
        TFormStartmenu& window = program.Window();
        window.show();
        for (PageControl* pages : {window.MainScreen.PageControlCooise, window.TechnicalScreen->Controls.PageControlAlleTekniskeData}) {
            const int tabWidth = (pages->width() - 6) / 3;
            QCOMPARE(pages->TabWidth(), tabWidth);
            for (int i = 0; i < pages->count(); ++i)
                QCOMPARE(pages->tabBar()->tabRect(i).width(), tabWidth);
        }
    }

    void TabsSwitchButtonsPanelsAndStatus()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        const MainScreenControls& m = window.MainScreen;
        QCOMPARE(window.StatusText(0), QStringLiteral(" ") + English(keys::CalculationText));
        QVERIFY(m.PanelUnknown->isVisible() && !m.PanelKnown->isVisible());

        window.Menus.MenuKnown->trigger();
        QCOMPARE(m.PageControlCooise->currentWidget(), m.TabSheetKnown);
        QCOMPARE(window.StatusText(0), QStringLiteral(" ") + English(keys::KnownText));
        QVERIFY(!m.PanelUnknown->isVisible() && m.PanelKnown->isVisible());
        QVERIFY(m.zBitColBtnSearch->isVisible() && !m.zBitColBtnPrint->isVisible());

        window.Menus.MenuQuotation->trigger();
        QCOMPARE(window.StatusText(0), QStringLiteral(" ") + English(keys::QuotationText));
        QCOMPARE(window.StatusText(1), QString());
        for (ColorButton* shown : {m.zBitColBtntilbehor, m.zBitColBtnPrint, m.zBitColBtnReset1, m.zBitColBtnHelp1})
            QVERIFY(shown->isVisible());
        for (ColorButton* hidden : {m.zBitColBtnSearch, m.zBitColBtnReset, m.zBitColBtnHelp})
            QVERIFY(!hidden->isVisible());
        QVERIFY(m.PanelKnown->isVisible());  // the quotation leaves the result panels as they are

        window.Menus.MenuCalc->trigger();
        QCOMPARE(window.StatusText(0), QStringLiteral(" ") + English(keys::CalculationText));
        QCOMPARE(window.windowTitle(), English(keys::KrOilCoolers));
        QCOMPARE(window.StatusBar->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->width(), 300);
    }

    void EveryMenuItemOfTheMainScreenWorks()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        const MainMenus& m = program.Window().Menus;
        for (QAction* working : {m.MenuPrint, m.MenuPrintSetup, m.MenuStop, m.MenuMinimize, m.MenuCalc, m.MenuKnown,
                                 m.MenuQuotation, m.MenuAccessories, m.MenuHeatCalc, m.MenuPriceUpdate, m.MenuDrawing,
                                 m.MenuSetOptions, m.MenuHelpTopics, m.MenuInstInst, m.MenuKRProd, m.MenuCompProf,
                                 m.MenuAbout})
            QVERIFY2(working->isEnabled(), qPrintable(working->objectName()));
        QCOMPARE(m.MenuFile->title(), QStringLiteral("&") + English(keys::File));
        QCOMPARE(m.MenuCalc->text(), English(keys::Calculation));
    }

    void HelpOpensTheLanguagesFileAtTheTopicOfTheActiveTab()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        const QString helpFile = QDir(program.Folder.Dir()).filePath(English(keys::HelpFile));
        QCOMPARE(window.Help().HelpFile(), helpFile);
        const auto topic = [&window] { return window.Help().Browser()->source().fragment(); };
        window.zBitColBtnHelpClick();
        QCOMPARE(topic(), QStringLiteral("Calculation"));
        QCOMPARE(window.Help().Browser()->source().toLocalFile(), QFileInfo(helpFile).absoluteFilePath());
        window.zBitColBtnHelp1Click();
        QCOMPARE(topic(), QStringLiteral("Known_cooler"));
        window.Menus.MenuKnown->trigger();
        window.zBitColBtnHelpClick();
        QCOMPARE(topic(), QStringLiteral("Known_cooler"));
        window.Menus.MenuQuotation->trigger();
        window.zBitColBtnHelp1Click();
        QCOMPARE(topic(), QStringLiteral("Quotation"));
        window.zBitColBtnHelpClick();
        QCOMPARE(topic(), QStringLiteral("Known_cooler"));
        window.Menus.MenuHelpTopics->trigger();
        QCOMPARE(topic(), QStringLiteral("Main_menu"));
    }

    void HelpFilesNamedOutsideTheFolderAreNotOpened()
    {
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        const QString helpName = English(keys::HelpFile);
        const QFileInfo help(folder.Dir() + helpName);
        QFile file(folder.Dir() + QStringLiteral("English.SPROG"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray language = file.readAll();
        // Both name the real help file, by ways that leave the program folder.
        for (const QString& named : {help.absoluteFilePath(), QStringLiteral("../%1/%2").arg(
                                                                  help.dir().dirName(), helpName)}) {
            folder.Write(QStringLiteral("English.SPROG"),
                         QByteArray(language).replace("HelpFile=" + helpName.toLatin1(),
                                                      "HelpFile=" + named.toLocal8Bit()));
            folder.WriteInstalledSettings(MainScreenAt(600));
            const Startup started = StartProgram(folder.Environment());
            started.MainWindow->zBitColBtnHelpClick();
            QTextBrowser* browser = started.MainWindow->Help().Browser();
            QVERIFY2(browser->source().isEmpty(), qPrintable(named));
            QVERIFY2(browser->toPlainText().contains(named), qPrintable(browser->toPlainText()));
        }
    }

    void LeavingTheStartMenu()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 1), Dword("Width", 700), Dword("Left", 5), Dword("Top", 6)});
        TFormStartmenu& window = program.Window();
        window.show();
        QVERIFY(!window.menuBar()->isVisible());
        QVERIFY(!window.StatusBar->isVisible());
        QTest::mouseClick(window.StartMenu.zColorBtnCalcSearch, Qt::LeftButton);
        QVERIFY(!window.OnStartMenu());
        QCOMPARE(window.pos(), QPoint(5, 6));
        QCOMPARE(window.size(), QSize(760, 520));
        QVERIFY(window.menuBar()->isVisible());
        QVERIFY(window.StatusBar->isVisible());
        QVERIFY(window.isVisible());
        QCOMPARE(window.minimumSize(), QSize(600, 400));
    }

    void ShowStartmenuCheckBoxWritesAtOnce()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 1)});
        TFormStartmenu& window = program.Window();
        window.show();
        QTest::mouseClick(window.StartMenu.CheckBoxShowStartmenu, Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(window.StartMenu.CheckBoxShowStartmenu->isChecked());
        QCOMPARE(program.Folder.Store().ReadDword("Showmenu"), std::optional<std::uint32_t>(0));
        QTest::mouseClick(window.StartMenu.CheckBoxShowStartmenu, Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(program.Folder.Store().ReadDword("Showmenu"), std::optional<std::uint32_t>(1));
    }

    void AFailedSettingsWriteSaysWhereAndWhyInTheScreenLanguage()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 1), String("Language", "Deutsch")});
        TFormStartmenu& window = program.Window();
        window.show();
        // A folder where the settings file belongs is in the way of the write.
        const std::filesystem::path file = program.Folder.RegistryFile();
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        QTest::mouseClick(window.StartMenu.CheckBoxShowStartmenu, Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(answerer.Requests.size(), std::size_t{1});
        const QString german = QStringLiteral("Deutsch.SPROG");
        const QString expected =
            QString::fromStdString(DistText(german, keys::ErrorSettingsWrite.Key)).replace(QStringLiteral("%s"), QString::fromStdString(file.string())) +
            QStringLiteral("\n\n") + QString::fromStdString(DistText(german, keys::ReasonInTheWay.Key));
        QCOMPARE(answerer.Requests.front().Text, expected);
        QCOMPARE(answerer.Requests.front().Caption, QString::fromStdString(DistText(german, keys::ErrorCaption.Key)));
    }

    void ClosingFromTheStartMenuSavesNothing()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 1)});
        const QByteArray before = FileBytes(program.Folder.RegistryFile());
        program.Window().show();
        QVERIFY(program.Window().close());
        QCOMPARE(FileBytes(program.Folder.RegistryFile()), before);
    }

    void ClosingTheMainScreenSavesBoundsAndColumnWidths()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(984));
        TFormStartmenu& window = program.Window();
        window.show();
        window.MainScreen.StringGridResult->SetColWidth(2, 170);
        QVERIFY(window.close());
        const RegistryStore store = program.Folder.Store();
        QCOMPARE(store.ReadDword("Left"), std::optional<std::uint32_t>(10));
        QCOMPARE(store.ReadDword("Top"), std::optional<std::uint32_t>(20));
        QCOMPARE(store.ReadDword("Width"), std::optional<std::uint32_t>(984));
        QCOMPARE(store.ReadDword("Height"), std::optional<std::uint32_t>(688));
        QCOMPARE(store.ReadDword("ColWidth0"), std::optional<std::uint32_t>(25));
        QCOMPARE(store.ReadDword("ColWidth2"), std::optional<std::uint32_t>(170));
        QCOMPARE(store.ReadDword("ColWidth6"), std::optional<std::uint32_t>(120));  // the price column
        QVERIFY(answerer.Requests.empty());
    }

    void FailedSaveOnClosingIsReportedAndTheWindowCloses()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        // The settings folder becomes a file: nothing can be written there.
        const QString folder = QString::fromStdString(program.Folder.RegistryFile().parent_path().string());
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(window.close());
        QCOMPARE(answerer.Requests.size(), std::size_t{1});
        QCOMPARE(answerer.Requests[0].Caption, English(keys::ErrorCaption));
        QVERIFY(!answerer.Requests[0].Text.isEmpty());
    }

    void TextsAndAccessibleNames()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        const TFormStartmenu& w = program.Window();
        QCOMPARE(w.Calc.LabelHeatReject->text(), English(keys::HeatRejection));
        QCOMPARE(w.Calc.EditHeatReject->accessibleName(), English(keys::HeatRejection));
        QCOMPARE(w.Calc.EditHeatReject->toolTip(), English(keys::HintHeatRejection));
        QCOMPARE(w.Calc.EditHeatReject->toolTipDuration(), 5000);
        QCOMPARE(w.Calc.ComboBoxHeatReject->accessibleName(), English(keys::HeatRejection));
        QCOMPARE(w.Known.ComboBoxSelectCooler->accessibleName(), English(keys::SelectAKrCooler));
        QCOMPARE(w.MainScreen.zBitColBtnReset->accessibleName(), English(keys::Reset));
        QCOMPARE(w.MainScreen.zBitColBtnReset1->text(), English(keys::Reset));
        QCOMPARE(w.MainScreen.PageControlCooise->tabText(1), English(keys::KnownCooler));
        QCOMPARE(w.Quotation->Controls.EditDelivery->accessibleName(), English(keys::Delivery));
        QCOMPARE(w.Quotation->Controls.MemoNameAddress->toPlainText(), English(keys::NameAndAddressOfReceiver));
        QCOMPARE(w.Quotation->Controls.StringGridItems->Cell(1, 0), English(keys::Position));
        QCOMPARE(w.Quotation->Controls.StringGridItems->Cell(5, 0), English(keys::Total));
        QCOMPARE(w.Quotation->Controls.EditDate->text(), QDate::currentDate().toString(program.State().DateFormat));
        QVERIFY(program.State().DateFormat.contains(QStringLiteral("yyyy")));
        for (QWidget* sort : w.MainScreen.SortButtonsResult)
            QCOMPARE(sort->toolTip(), English(keys::Sort));
        QCOMPARE(w.MainScreen.SortButtonsResult[3]->property("tag").toInt(), 5);
    }

    void NumberFieldsTakeOnlyNumberKeys()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        const QString separator(QChar(static_cast<uchar>(program.State().Format.DecimalSeparator)));
        QLineEdit* heat = window.Calc.EditHeatReject;
        heat->clear();
        QTest::keyClicks(heat, QStringLiteral("-1x2") + separator + QStringLiteral("5 "));
        QCOMPARE(heat->text(), QStringLiteral("-12") + separator + QStringLiteral("5"));
        QCOMPARE(answerer.Beeps.size(), std::size_t{2});
        QTest::keyClick(heat, Qt::Key_Backspace);
        QCOMPARE(heat->text(), QStringLiteral("-12") + separator);

        window.Calc.CheckBoxDefault->setChecked(false);
        QLineEdit* maxLoss = window.Calc.EditMaxLoss;
        maxLoss->clear();
        QTest::keyClicks(maxLoss, QStringLiteral("-3"));
        QCOMPARE(maxLoss->text(), QStringLiteral("3"));
        QCOMPARE(answerer.Beeps.size(), std::size_t{3});
        QCOMPARE(answerer.Beeps.back(), BeepKind::Default);
    }

    void EnteringAnEditFieldSelectsItsText()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        window.activateWindow();
        QLineEdit* ambient = window.Calc.EditAmbientTemp;
        ambient->setText(QStringLiteral("25"));
        ambient->deselect();
        QTest::mouseClick(ambient, Qt::LeftButton);
        QTRY_COMPARE(ambient->selectedText(), QStringLiteral("25"));
    }

    void StandardWorkingConditions()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        const CalcTabControls& c = window.Calc;
        QVERIFY(c.CheckBoxDefault->isChecked());
        QCOMPARE(c.EditMaxLoss->text(), QStringLiteral("2"));
        QCOMPARE(c.EditAltitude->text(), QStringLiteral("0"));
        QCOMPARE(c.ComboBoxOilType->currentText(), QStringLiteral("ISO VG 32"));
        QCOMPARE(c.ComboBoxMaxLoss->currentText(), QStringLiteral("bar"));
        for (QWidget* fixed : std::initializer_list<QWidget*>{c.EditMaxLoss, c.ComboBoxMaxLoss, c.EditAltitude,
                                                              c.ComboBoxAltitude, c.ComboBoxOilType})
            QVERIFY(!fixed->isEnabled());

        c.RadioButtonKRC->setChecked(true);
        QVERIFY(!c.EditOilFlow->isEnabled());
        c.CheckBoxDefault->setChecked(false);
        QVERIFY(c.EditAltitude->isEnabled() && c.ComboBoxOilType->isEnabled());
        QVERIFY(!c.EditMaxLoss->isEnabled() && !c.ComboBoxMaxLoss->isEnabled());
        QVERIFY(!c.EditOilFlow->isEnabled() && !c.ComboBoxOilFlow->isEnabled());
        QCOMPARE(c.EditMaxLoss->text(), QStringLiteral("2"));  // the values stay

        c.RadioButtonACDC->setChecked(true);
        QVERIFY(c.ComboBoxACDC->isEnabled() && c.EditMaxLoss->isEnabled() && c.EditOilFlow->isEnabled());
        c.RadioButtonHydralic->setChecked(true);
        QVERIFY(!c.ComboBoxACDC->isEnabled() && c.EditMaxLoss->isEnabled());
        c.EditOilFlow->setText(QStringLiteral("50"));
        c.RadioButtonKRC->setChecked(true);
        QVERIFY(c.EditOilFlow->text().isEmpty());
        QVERIFY(!c.ComboBoxACDC->isEnabled() && !c.EditMaxLoss->isEnabled());
    }

    void ResetOfTheCalculationTab()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        const CalcTabControls& c = window.Calc;
        c.EditHeatReject->setText(QStringLiteral("10"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        c.ComboBoxHeatReject->setCurrentIndex(2);
        c.ComboBoxACDC->setCurrentIndex(1);
        c.CheckBoxDefault->setChecked(false);
        c.RadioButtonACDC->setChecked(true);
        program.State().CurrentCooler.IsChosen = true;
        QTest::mouseClick(window.MainScreen.zBitColBtnReset, Qt::LeftButton);
        QVERIFY(!program.State().CurrentCooler.IsChosen);
        QVERIFY(c.EditHeatReject->text().isEmpty() && c.EditInletTemp->text().isEmpty());
        QCOMPARE(c.ComboBoxHeatReject->currentIndex(), 0);
        QCOMPARE(c.ComboBoxACDC->currentIndex(), 0);
        QVERIFY(c.CheckBoxDefault->isChecked());
        for (QRadioButton* drive : {c.RadioButtonACDC, c.RadioButtonHydralic, c.RadioButtonKRC})
            QVERIFY(!drive->isChecked());
        QVERIFY(!c.ComboBoxACDC->isEnabled());  // left as the hydraulic drive leaves it
        QVERIFY(window.MainScreen.StringGridResult->isHidden());
        QCOMPARE(window.MainScreen.StringGridResult->RowCount(), 2);
        QCOMPARE(window.MainScreen.StringGridResult->ColCount(), 7);
    }

    void KnownCoolerDrivesFollowTheCoolerType()
    {
        RecordingAnswerer answerer;
        RunningProgram program(MainScreenAt(600));
        TFormStartmenu& window = program.Window();
        window.show();
        window.Menus.MenuKnown->trigger();
        const KnownTabControls& k = window.Known;
        const int krc = k.ComboBoxSelectCooler->findText(QStringLiteral("KRC"), Qt::MatchStartsWith);
        const int kr = k.ComboBoxSelectCooler->findText(QStringLiteral("KR"), Qt::MatchStartsWith) == krc
                           ? krc + 1
                           : k.ComboBoxSelectCooler->findText(QStringLiteral("KR"), Qt::MatchStartsWith);
        QVERIFY(krc >= 0 && kr >= 0);

        k.ComboBoxSelectCooler->setCurrentIndex(krc);
        QVERIFY(k.RadioButtonKRC1->isEnabled() && k.RadioButtonKRC1->isChecked());
        QVERIFY(!k.RadioButtonACDC1->isEnabled() && !k.RadioButtonHydralic1->isEnabled());
        QVERIFY(!k.EditOilFlow1->isEnabled());
        QVERIFY(!k.EditOilFlow1->text().isEmpty());  // the pump's own flow

        k.ComboBoxSelectCooler->setCurrentIndex(kr);
        QVERIFY(!k.RadioButtonKRC1->isEnabled());
        QVERIFY(k.RadioButtonACDC1->isEnabled() && k.RadioButtonHydralic1->isEnabled());
        k.RadioButtonACDC1->setChecked(true);
        QVERIFY(k.ComboBoxACDC1->isEnabled() && !k.ComboBoxHyd1->isEnabled());
        QVERIFY(k.ComboBoxACDC1->count() > 0);
        QVERIFY(k.EditOilFlow1->isEnabled());

        QTest::mouseClick(window.MainScreen.zBitColBtnReset, Qt::LeftButton);
        QCOMPARE(k.ComboBoxSelectCooler->currentIndex(), -1);
        for (QWidget* off : std::initializer_list<QWidget*>{k.RadioButtonACDC1, k.RadioButtonHydralic1,
                                                            k.RadioButtonKRC1, k.ComboBoxACDC1, k.ComboBoxHyd1})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        for (QRadioButton* drive : {k.RadioButtonACDC1, k.RadioButtonHydralic1, k.RadioButtonKRC1})
            QVERIFY(!drive->isChecked());
        QVERIFY(k.CheckBoxDefault1->isChecked());
        QCOMPARE(k.EditAltitude1->text(), QStringLiteral("0"));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::MainWindowTest)
#include "main_window_test.moc"
