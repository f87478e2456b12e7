// The start-up: program folder, command line, and every failure it reports.
#include "core/data/text_keys.h"
#include "gui/app/app_dir.h"
#include "gui/app/app_state.h"
#include "gui/app/command_line.h"
#include "gui/app/form_startmenu.h"
#include "gui/present/technical_page.h"
#include "gui/app/run_start.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/picture_box.h"
#include "support/app_folder.h"
#include "support/recording_answerer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

namespace kr::gui::test {

namespace {

const QString NoLanguageCaption = QStringLiteral("KR Oil Coolers - Error/Fejl/Fehler");
const QString NoLanguageText = QStringLiteral("No language-files exist.\r\nKeine sprache-datai.\r\nIngen sprogfiler findes.");

QString English(const TextKey& key)
{
    return QString::fromStdString(DistText(QStringLiteral("English.SPROG"), key.Key));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void AppDirEndsInOneSeparator_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("appDir");
        QTest::newRow("plain") << "/opt/kr/KR_Oil_Coolers" << "/opt/kr/";
        QTest::newRow("several separators") << "/opt/kr///KR_Oil_Coolers" << "/opt/kr/";
        QTest::newRow("root") << "/KR_Oil_Coolers" << "/";
        QTest::newRow("backslashes") << "D:\\kr\\\\KR_Oil_Coolers.exe" << "D:\\kr/";
    }
    void AppDirEndsInOneSeparator()
    {
        QFETCH(QString, program);
        QFETCH(QString, appDir);
        QCOMPARE(QString::fromStdString(AppDirOf(program.toStdString())), appDir);
    }

    void SetupSwitches_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("isSwitch");
        for (const char* yes : {"/SETUP", "-SETUP", "/S", "-S", "/setup", "/Setup", "-s", "-Setup"})
            QTest::newRow(yes) << yes << true;
        for (const char* no : {"/SETUPX", "SETUP", "S", "/", "-", "", "/S ", "--setup"})
            QTest::newRow(no) << no << false;
    }
    void SetupSwitches()
    {
        QFETCH(QString, argument);
        QFETCH(bool, isSwitch);
        QCOMPARE(IsSetupSwitch(argument), isSwitch);
    }

    void OnlyTheFirstArgumentCountsAndOnlyWhenInstalled()
    {
        QVERIFY(ChooseSetupMode(true, {"/S", "extra"}));
        QVERIFY(!ChooseSetupMode(true, {"extra", "/S"}));
        QVERIFY(!ChooseSetupMode(true, {}));
        QVERIFY(ChooseSetupMode(false, {}));
        QVERIFY(ChooseSetupMode(false, {"anything"}));
    }

    void CommandLineSelectsSetupModeWhenInstalled_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("setupMode");
        QTest::newRow("/setup") << QStringList{"/setup"} << true;
        QTest::newRow("/Setup") << QStringList{"/Setup"} << true;
        QTest::newRow("-s") << QStringList{"-s", "more"} << true;
        QTest::newRow("/SETUPX") << QStringList{"/SETUPX"} << false;
        QTest::newRow("second place") << QStringList{"x", "/S"} << false;
    }
    void CommandLineSelectsSetupModeWhenInstalled()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, setupMode);
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.WriteInstalledSettings({Dword("Showmenu", 1)});
        const Startup startup = StartProgram(folder.Environment(arguments));
        QCOMPARE(startup.State->SetupMode, setupMode);
        QCOMPARE(startup.MainWindow != nullptr, !setupMode);
        QVERIFY(answerer.Requests.empty());
    }

    void NotInstalledRunsSetupWhateverTheCommandLine()
    {
        RecordingAnswerer answerer;
        TestAppFolder folder;  // not even a language file: setup chooses its own
        const Startup startup = StartProgram(folder.Environment({"/SETUPX"}));
        QVERIFY(startup.State->SetupMode);
        QVERIFY(!startup.MainWindow);
        QVERIFY(answerer.Requests.empty());
    }

    void NoLanguageShowsTheFixedMessage_data()
    {
        QTest::addColumn<bool>("withLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("no language file") << false << "English";
        QTest::newRow("unknown name") << true << "Klingon";
        QTest::newRow("empty name") << true << "";
    }
    void NoLanguageShowsTheFixedMessage()
    {
        QFETCH(bool, withLanguages);
        QFETCH(QString, language);
        RecordingAnswerer answerer;
        TestAppFolder folder;
        if (withLanguages)
            folder.CopyDistribution();
        folder.WriteInstalledSettings({String("Language", language.toStdString())});
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(!startup.State->StartupOk);
        QVERIFY(!startup.MainWindow);
        QCOMPARE(answerer.Requests.size(), std::size_t{1});
        const MessageBoxRequest& box = answerer.Requests[0];
        QCOMPARE(box.Caption, NoLanguageCaption);
        QCOMPARE(box.Text, NoLanguageText);
        QCOMPARE(box.Icon, QMessageBox::Critical);
        QCOMPARE(box.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void FirstLanguageFileOfANameWins()
    {
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.Remove(QStringLiteral("English.SPROG"));
        folder.Write(QStringLiteral("A.SPROG"), "LANGUAGE=English\r\nKR-oil coolers=First\r\n");
        folder.Write(QStringLiteral("B.SPROG"), "LANGUAGE=English\r\nKR-oil coolers=Second\r\n");
        folder.WriteInstalledSettings({Dword("Showmenu", 0)});
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(startup.State->StartupOk);
        QCOMPARE(startup.MainWindow->windowTitle(), QStringLiteral("First"));
    }

    void MissingMarkerAsksUntilCancel()
    {
        RecordingAnswerer answerer;
        answerer.Answers = {QMessageBox::Retry, QMessageBox::Cancel};
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.Remove(QStringLiteral("KR_Oil_Coolers"));
        folder.WriteInstalledSettings();
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(!startup.State->StartupOk);
        QVERIFY(!startup.MainWindow);
        QCOMPARE(answerer.Requests.size(), std::size_t{2});
        for (const MessageBoxRequest& box : answerer.Requests) {
            QCOMPARE(box.Caption, English(keys::ErrorCdCaption));
            QCOMPARE(box.Text, English(keys::ErrorCdMissing));
            QCOMPARE(box.Buttons, QMessageBox::Retry | QMessageBox::Cancel);
            QCOMPARE(box.Icon, QMessageBox::Warning);
        }
    }

    void RetryFindsTheMarkerOnceItIsBack()
    {
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.Remove(QStringLiteral("KR_Oil_Coolers"));
        folder.WriteInstalledSettings();
        // The user puts the CD back, then chooses Retry.
        struct PuttingBack : RecordingAnswerer {
            TestAppFolder* Folder = nullptr;
            QMessageBox::StandardButton Answer(const MessageBoxRequest& request) override
            {
                RecordingAnswerer::Answer(request);
                Folder->Write(QStringLiteral("KR_Oil_Coolers"), "marker");
                return QMessageBox::Retry;
            }
        } answerer;
        answerer.Folder = &folder;
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(startup.State->StartupOk);
        QVERIFY(startup.MainWindow);
        QCOMPARE(answerer.Requests.size(), std::size_t{1});
    }

    void DatabaseFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");  // empty: the file is missing
        QTest::addColumn<QString>("key");
        QTest::newRow("Krdata.dat missing") << "Krdata.dat" << QByteArray() << "Error Data missing";
        QTest::newRow("Krdata.dat partial record") << "Krdata.dat" << QByteArray(488 + 100, '\0') << "Error Data missing";
        QTest::newRow("Price.dat partial record") << "Price.dat" << QByteArray(150, '\0') << "Error Pricefile";
    }
    void DatabaseFailures()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        if (bytes.isEmpty())
            folder.Remove(file);
        else
            folder.Write(file, bytes);
        folder.WriteInstalledSettings();
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(!startup.State->StartupOk);
        QVERIFY(!startup.MainWindow->isVisible());
        QCOMPARE(answerer.Requests.size(), std::size_t{1});
        QCOMPARE(answerer.Requests[0].Caption, English(keys::ErrorCaption));
        QCOMPARE(answerer.Requests[0].Text, English({key.toStdString(), ""}));
        QCOMPARE(answerer.Requests[0].Icon, QMessageBox::Critical);
    }

    void MissingPriceFileIsNoFailure()
    {
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.Remove(QStringLiteral("Price.dat"));
        folder.WriteInstalledSettings();
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(startup.State->StartupOk);
        QVERIFY(startup.State->PriceRecords.empty());
        QVERIFY(answerer.Requests.empty());
    }

    void StartMenuIsCentredWithHiddenMenus()
    {
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.WriteInstalledSettings({Dword("Showmenu", 1)});
        const Startup startup = StartProgram(folder.Environment());
        TFormStartmenu& window = *startup.MainWindow;
        QVERIFY(window.OnStartMenu());
        QCOMPARE(window.size(), QSize(280, 300));
        QCOMPARE(window.pos(), QPoint((1280 - 280) / 2, (1024 - 300) / 2));
        QCOMPARE(window.minimumSize(), QSize(280, 300));
        QCOMPARE(window.maximumSize(), QSize(280, 300));
        const StartMenuControls& s = window.StartMenu;
        QCOMPARE(s.zBitmapLogoMenu->geometry(), QRect(40, 0, 200, 91));
        for (QWidget* control : std::initializer_list<QWidget*>{s.zColorBtnCalcSearch, s.zColorBtnProdInfo,
                                                                s.zColorBtnCompProfile, s.CheckBoxShowStartmenu})
            QCOMPARE(control->x(), (280 - 250) / 2);
        QCOMPARE(s.zColorBtnProdInfo->y(), 144);
        QCOMPARE(s.CheckBoxShowStartmenu->geometry(), QRect(15, 232, 250, 17));
        QVERIFY(window.menuBar()->isHidden());
    }

    void ListsOfTheDatabase()
    {
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        folder.WriteInstalledSettings();
        const Startup startup = StartProgram(folder.Environment());
        const AppState& state = *startup.State;
        TFormStartmenu& window = *startup.MainWindow;
        QComboBox* types = window.Known.ComboBoxSelectCooler;
        QCOMPARE(types->count(), static_cast<int>(state.Database.CoolerTypes.size()));
        QVERIFY(types->count() > 0);
        QCOMPARE(types->currentIndex(), -1);
        for (int i = 0; i < types->count(); ++i)
            QCOMPARE(types->itemText(i), types->itemText(i).toUpper());
        QCOMPARE(window.TechnicalScreen->Controls.ComboBoxDrawing->count(), static_cast<int>(state.Database.Drawings.size()));
        QCOMPARE(window.Calc.ComboBoxACDC->count(), 3);
        QCOMPARE(window.Calc.ComboBoxACDC->currentIndex(), 0);
        // With no cooler type chosen there is no drive to choose.
        for (QRadioButton* drive : {window.Known.RadioButtonACDC1, window.Known.RadioButtonHydralic1,
                                    window.Known.RadioButtonKRC1})
            QVERIFY(!drive->isEnabled());
        QVERIFY(!state.PriceRecords.empty());
    }

    void DatabaseBeginningWithAKrcTypeLeavesNoDriveChosen()
    {
        // The first KRC record moved to the front of the database.
        constexpr int RecordLength = 488;
        constexpr int TypeOffset = 35;
        RecordingAnswerer answerer;
        TestAppFolder folder;
        folder.CopyDistribution();
        QFile dist(QDir(QStringLiteral(KR_DIST_DIR)).filePath(QStringLiteral("Krdata.dat")));
        QVERIFY(dist.open(QIODevice::ReadOnly));
        const QByteArray records = dist.readAll();
        QByteArray reordered;
        for (qsizetype at = 0; at + RecordLength <= records.size(); at += RecordLength) {
            const QByteArray record = records.mid(at, RecordLength);
            const QByteArray type = record.mid(TypeOffset + 1, static_cast<uchar>(record[TypeOffset]));
            if (type.toUpper().startsWith("KRC")) {
                reordered = record + records.left(at) + records.mid(at + RecordLength);
                break;
            }
        }
        QVERIFY(!reordered.isEmpty());
        folder.Write(QStringLiteral("Krdata.dat"), reordered);
        folder.WriteInstalledSettings({Dword("Showmenu", 0)});
        const Startup startup = StartProgram(folder.Environment());
        QVERIFY(startup.State->StartupOk);
        TFormStartmenu& window = *startup.MainWindow;
        window.show();
        const KnownTabControls& k = window.Known;
        QCOMPARE(k.ComboBoxSelectCooler->currentIndex(), -1);
        QVERIFY(k.ComboBoxSelectCooler->itemText(0).startsWith(QStringLiteral("KRC")));
        // Loading the list chooses no type, so no drive is chosen for one.
        for (QRadioButton* drive : {k.RadioButtonACDC1, k.RadioButtonHydralic1, k.RadioButtonKRC1})
            QVERIFY2(!drive->isChecked(), qPrintable(drive->objectName()));
        QVERIFY(k.EditOilFlow1->isEnabled());
        QVERIFY(k.EditOilFlow1->text().isEmpty());
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::StartupTest)
#include "startup_test.moc"
