// The technical-data screen driven as a user drives it: a search, the
// Technical data button, the three tabs, the rubber band, copy and save.
#include "core/data/text_keys.h"
#include "gui/app/form_startmenu.h"
#include "gui/platform/message_boxes.h"
#include "gui/present/picture_selection.h"
#include "gui/present/technical_page.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/string_grid.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace kr::gui::test {

namespace {

QString English(const TextKey& key)
{
    return QString::fromStdString(DistText(QStringLiteral("English.SPROG"), key.Key));
}

// The main screen, large, with the drawings of the built distribution.
RegistryValues LargeMainScreen()
{
    return {Dword("Showmenu", 0), Dword("Width", 984), Dword("Height", 688), Dword("Left", 0), Dword("Top", 0),
            String("BitmapDir", std::string(KR_DIST_DIR) + "/")};
}

// Answers the next save dialog with a file name; to the question whether
// an existing file is to be replaced, yes.
void SaveAs(const QString& file)
{
    WhenDialogShown<QFileDialog>([file](QFileDialog& dialog) {
        auto* replace = new QTimer(&dialog);
        QObject::connect(replace, &QTimer::timeout, replace, [replace] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                replace->stop();
                question->button(QMessageBox::Yes)->click();
            }
        });
        replace->start(5);
        dialog.selectFile(file);
        static_cast<QDialog&>(dialog).accept();
    });
}

QByteArray FileBytes(const QString& file)
{
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

class TechnicalScreen {
public:
    TechnicalScreen() : program_(LargeMainScreen()) { Window().show(); }

    TFormStartmenu& Window() const { return program_.Window(); }
    TechnicalPage& Page() const { return *Window().TechnicalScreen; }
    const TechnicalPageControls& Controls() const { return Page().Controls; }
    bool Shown() const { return Window().PageControlSkaerm->currentWidget() == Controls().TabSheetAlleTekniskeData; }

    // The Calculation tab's duty, searched with a drive.
    void Search(QRadioButton* drive, const QString& flow) const
    {
        const CalcTabControls& c = Window().Calc;
        c.EditHeatReject->setText(QStringLiteral("10"));
        c.EditAmbientTemp->setText(QStringLiteral("30"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        drive->setChecked(true);
        c.EditOilFlow->setText(flow);
        QTest::mouseClick(Window().MainScreen.zBitColBtnSearch, Qt::LeftButton);
        QVERIFY(Window().MainScreen.StringGridResult->isVisible());
    }

    void OpenFirstResult() const
    {
        QTest::mouseClick(Window().MainScreen.zBitColBtnTData, Qt::LeftButton);
        QVERIFY(Shown());
    }

    void ShowTab(QWidget* tab) const { Controls().PageControlAlleTekniskeData->setCurrentWidget(tab); }

    void Drag(QWidget* picture, QPoint from, QPoint to) const
    {
        QTest::mousePress(picture, Qt::LeftButton, {}, from);
        QTest::mouseMove(picture, to);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, to);
    }

    RecordingAnswerer Answerer;

private:
    RunningProgram program_;
};

}  // namespace

class TechnicalPageTest : public QObject {
    Q_OBJECT

private slots:
    void ACoolerFromTheCalculationTabShowsSheetCurvesAndDrawing()
    {
        TechnicalScreen screen;
        screen.Search(screen.Window().Calc.RadioButtonACDC, QStringLiteral("80"));
        screen.OpenFirstResult();
        const TechnicalPageControls& t = screen.Controls();
        const tCoolType& cooler = screen.Window().State().CurrentCooler;
        QVERIFY(cooler.IsChosen && cooler.FromDutyTab);
        const QString designation = QString::fromStdString(cooler.Designation());

        // The sheet names the cooler and the duty it was chosen for, in columns.
        const QString text = t.RichEditData->toPlainText();
        QVERIFY(text.contains(designation));
        QVERIFY(text.contains(English(keys::TotalHeatRejectionRequired) + QStringLiteral("\t10.0\tkW")));
        QCOMPARE(t.PageControlAlleTekniskeData->currentWidget(), t.TabSheetData);
        QCOMPARE(screen.Window().StatusText(0), QStringLiteral(" ") + English(keys::TechnicalText).replace(
                                                                          QStringLiteral("%s"), designation));
        QVERIFY(!screen.Window().Menus.MenuDrawing->isEnabled());

        // The curves: a picture of 580 x 410 that screen readers can name.
        QVERIFY(t.PageControlAlleTekniskeData->isTabVisible(t.PageControlAlleTekniskeData->indexOf(t.TabSheetKurver)));
        QCOMPARE(screen.Page().CurvesBitmap().size(), QSize(580, 410));
        QVERIFY(t.ImageKuver->accessibleName().contains(designation));
        QAccessibleInterface* curves = QAccessible::queryAccessibleInterface(t.ImageKuver);
        QCOMPARE(curves->role(), QAccessible::Graphic);
        QVERIFY(curves->text(QAccessible::Description).startsWith(English(keys::CurvesDescription).section(u'%', 0, 0)));

        // The drawing of the cooler, with its save and copy buttons.
        QCOMPARE(t.ComboBoxDrawing->currentText(), designation);
        QVERIFY(!t.zBitmapFullDraw->Pixmap().isNull());
        QVERIFY(t.LabelNoDrawing2->isHidden());
        QVERIFY(t.zBitColBtnSaveDrawing->isEnabled() && t.zBitColBtnCopyDrawing->isEnabled());

        QTest::mouseClick(t.zBitColBtnBackData, Qt::LeftButton);
        QCOMPARE(screen.Window().PageControlSkaerm->currentWidget(), screen.Window().MainScreen.TabSheetMainScreen);
        QVERIFY(screen.Window().Menus.MenuDrawing->isEnabled());
    }

    void AKrcCoolerHasNoCurvesAndAKnownCoolerNoRequiredHeat()
    {
        TechnicalScreen screen;
        screen.Search(screen.Window().Calc.RadioButtonKRC, QString());
        screen.OpenFirstResult();
        const TechnicalPageControls& t = screen.Controls();
        QVERIFY(!t.PageControlAlleTekniskeData->isTabVisible(t.PageControlAlleTekniskeData->indexOf(t.TabSheetKurver)));
        QVERIFY(t.RichEditData->toPlainText().contains(English(keys::MaximumCSt).left(20)));

        // A double click on a row without a result leaves the main screen.
        QTest::mouseClick(t.zBitColBtnBackData, Qt::LeftButton);
        StringGrid& grid = *screen.Window().MainScreen.StringGridResult;
        grid.SetRow(grid.RowCount() - 1);
        emit grid.cellDoubleClicked(grid.RowCount() - 2, 0);
        QVERIFY(!screen.Shown());

        const KnownTabControls& k = screen.Window().Known;
        screen.Window().Menus.MenuKnown->trigger();
        k.ComboBoxSelectCooler->setCurrentIndex(k.ComboBoxSelectCooler->findText(QStringLiteral("KR 30")));
        k.RadioButtonACDC1->setChecked(true);
        k.EditOilFlow1->setText(QStringLiteral("80"));
        k.EditAmbientTemp1->setText(QStringLiteral("30"));
        k.EditInletTemp1->setText(QStringLiteral("60"));
        QTest::mouseClick(screen.Window().MainScreen.zBitColBtnSearch, Qt::LeftButton);
        QTest::mouseClick(screen.Window().MainScreen.zBitColBtnTData1, Qt::LeftButton);
        QVERIFY(screen.Shown());
        QVERIFY(!screen.Window().State().CurrentCooler.FromDutyTab);
        QVERIFY(!t.RichEditData->toPlainText().contains(English(keys::TotalHeatRejectionRequired)));
    }

    void TheRubberBandLeavesNoTraceAndCopiesItsInside()
    {
        TechnicalScreen screen;
        screen.Search(screen.Window().Calc.RadioButtonACDC, QStringLiteral("80"));
        screen.OpenFirstResult();
        const TechnicalPageControls& t = screen.Controls();
        screen.ShowTab(t.TabSheetKurver);
        const QImage clean = screen.Page().CurvesBitmap();

        // Hovering over the cooling chart reads its value.
        QTest::mouseMove(t.ImageKuver, QPoint(150, 200));
        QVERIFY(screen.Window().StatusText(1).contains(QStringLiteral(" kW - ")));

        screen.Drag(t.ImageKuver, QPoint(100, 100), QPoint(200, 160));
        QCOMPARE(screen.Window().StatusText(1), QStringLiteral(" (200,160)   [100,100 > 200,160 = 100 x 60]"));
        QVERIFY(screen.Page().CurvesSelection().ShownPicture() != clean);
        QCOMPARE(screen.Page().CurvesBitmap(), clean);  // what is saved never shows it
        QTest::mouseClick(t.zBitColBtnCopyPerformance, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(98, 58));

        // Leaving the tab takes the rectangle away; nothing of it stays.
        screen.ShowTab(t.TabSheetTegning);
        QCOMPARE(screen.Page().CurvesSelection().ShownPicture(), clean);
        QCOMPARE(screen.Window().StatusText(1), QStringLiteral("-"));
        screen.ShowTab(t.TabSheetKurver);
        // A rectangle without area copies the whole picture.
        screen.Drag(t.ImageKuver, QPoint(50, 50), QPoint(50, 120));
        QTest::mouseClick(t.zBitColBtnCopyPerformance, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(580, 410));
    }

    void SavedCurvesAreA24BitBitmapAndADxfCopyIsByteForByte()
    {
        TechnicalScreen screen;
        screen.Search(screen.Window().Calc.RadioButtonACDC, QStringLiteral("80"));
        screen.OpenFirstResult();
        const TechnicalPageControls& t = screen.Controls();
        QTemporaryDir folder;

        // Both are saved through links the user made, which stay.
        const QDir kept(folder.filePath(QStringLiteral("kept")));
        QVERIFY(kept.mkpath(QStringLiteral(".")));
        const QString bitmap = folder.filePath(QStringLiteral("curves.bmp"));
        const QString drawing = folder.filePath(QStringLiteral("cooler.DXF"));
        for (const QString& link : {bitmap, drawing})
            QVERIFY(QFile::link(kept.filePath(QFileInfo(link).fileName()), link));

        screen.ShowTab(t.TabSheetKurver);
        screen.Drag(t.ImageKuver, QPoint(100, 100), QPoint(200, 160));
        SaveAs(bitmap);
        QTest::mouseClick(t.zBitColBtnSaveBmpPerformance, Qt::LeftButton);
        const QByteArray bytes = FileBytes(bitmap);
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(static_cast<int>(bytes[28]), 24);  // bits per pixel
        QCOMPARE(QImage(bitmap).convertToFormat(QImage::Format_RGB32),
                 screen.Page().CurvesBitmap().convertToFormat(QImage::Format_RGB32));

        screen.ShowTab(t.TabSheetTegning);
        SaveAs(drawing);
        QTest::mouseClick(t.zBitColBtnSaveDrawing, Qt::LeftButton);
        const QByteArray source = FileBytes(QString::fromStdString(screen.Page().DxfPath().string()));
        QVERIFY(!source.isEmpty());
        QCOMPARE(FileBytes(drawing), source);
        QVERIFY(screen.Answerer.Requests.empty());
        for (const QString& link : {bitmap, drawing})
            QVERIFY2(QFileInfo(link).isSymLink(), qPrintable(link));
        QCOMPARE(kept.entryList(QDir::Files | QDir::Hidden).size(), 2);

        // A disk that fills up keeps the saved picture whole and is told.
        const QByteArray saved = FileBytes(bitmap);
        screen.ShowTab(t.TabSheetKurver);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        SaveAs(bitmap);
        QTest::mouseClick(t.zBitColBtnSaveBmpPerformance, Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(FileBytes(bitmap), saved);
        QCOMPARE(kept.entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(screen.Answerer.Requests.size(), std::size_t{1});
        QVERIFY(screen.Answerer.Requests.front().Text.contains(bitmap));
    }

    void AFailedDxfSaveIsToldAndLeavesTheTargetWhole()
    {
        TechnicalScreen screen;
        screen.Window().Menus.MenuDrawing->trigger();
        QVERIFY(screen.Shown());
        const TechnicalPageControls& t = screen.Controls();
        QCOMPARE(t.ComboBoxDrawing->currentIndex(), 0);
        QVERIFY(!t.PageControlAlleTekniskeData->isTabVisible(t.PageControlAlleTekniskeData->indexOf(t.TabSheetData)));

        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("kept.DXF"));
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("earlier drawing") > 0);
        kept.close();
        // The disk fills up after a few bytes of the copy.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        SaveAs(target);
        QTest::mouseClick(t.zBitColBtnSaveDrawing, Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(FileBytes(target), QByteArray("earlier drawing"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.DXF")});
        QCOMPARE(screen.Answerer.Requests.size(), std::size_t{1});
        QVERIFY(screen.Answerer.Requests.front().Text.contains(target));

        // A cooler whose picture is missing shows the no-drawing state.
        screen.Window().State().Settings.BitmapDir = folder.path().toStdString() + "/";
        t.ComboBoxDrawing->setCurrentIndex(1);
        screen.Page().ComboBoxDrawingChange();
        QVERIFY(t.LabelNoDrawing2->isVisible());
        QVERIFY(t.zBitmapFullDraw->Pixmap().isNull());
        QVERIFY(!t.zBitColBtnSaveDrawing->isEnabled() && !t.zBitColBtnCopyDrawing->isEnabled());
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::TechnicalPageTest)
#include "technical_page_test.moc"
