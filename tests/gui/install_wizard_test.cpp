// The installation wizard driven offscreen: a distribution folder, a home
// and a settings file in a temporary folder, message boxes answered and
// started programs recorded by the test.

#include "core/settings/registry_store.h"
#include "core/settings/settings.h"
#include "gui/app/app_state.h"
#include "gui/install/flag_button.h"
#include "gui/install/form_setup_language.h"
#include "gui/platform/message_boxes.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"
#include "support/app_folder.h"
#include "support/modal.h"
#include "support/recording_answerer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace kr::gui {
namespace {

struct Started {
    QString Program;
    QStringList Arguments;
    QString WorkingDir;
};

// Sets environment variables for the life of the object.
class ScopedEnvironment {
public:
    void Set(const char* name, const QString& value)
    {
        if (!saved_.contains(name))
            saved_.insert(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnvironment()
    {
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it)
            it.value() ? qputenv(it.key().constData(), *it.value()) : qunsetenv(it.key().constData());
    }

private:
    QHash<QByteArray, std::optional<QByteArray>> saved_;
};

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FilesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The texts a test language file holds: enough to see each one applied.
QByteArray LanguageFile(const QString& name)
{
    const QString lines[] = {
        "LANGUAGE=" + name,
        "FLAG=Flag" + name + ".bmp",
        "INSTALL=Install " + name,
        "KR Coolers=KR " + name,
        "Kestrel Range Oil Coolers=Kestrel " + name,
        "Choice of installation=Choice " + name,
        "Standard=Standard " + name,
        "Customised=Customised " + name,
        "Server=Server " + name,
        "Back=Back " + name,
        "Next=Next " + name,
        "Cancel=Cancel " + name,
        "Hint Next=Hint next " + name,
        "Browse=Browse " + name,
        "Installation location=Location " + name,
        "Install now=Installing " + name,
        "OKInstall=Installed " + name,
        "Setup OK=Start " + name,
        "Error Caption=Error " + name,
        "Error Copy File=Cannot copy %s",
        "Error Directory=Cannot create %s",
        "Error Same folder=Cannot install into %s",
        "Error Relative folder=Not a full path: %s",
        "Error Settings file=Cannot record in %s",
        "OKInstall folder=Installed in %s",
        "Server copy made=Copied to %s",
        "Reason in the way=In the way",
        "Reason other=System: %s",
        // Qt's own dialogs in German for the second language.
        name == QStringLiteral("Bravo") ? QStringLiteral("Locale=de") : QString(),
    };
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

const QStringList LanguageNames{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot",
                               "Golf", "Hotel", "India", "Juliett", "Kilo", "Lima", "Mike"};

class InstallWizardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> temp_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::RecordingAnswerer> answerer_;
    QList<Started> started_;

    QString Dist() const { return temp_->filePath("dist"); }
    QString Home() const { return temp_->filePath("home"); }
    QString DataHome() const { return Home() + "/data"; }
    QString RegistryFile() const { return Home() + "/KRCool.reg"; }
    QString DesktopEntry() const { return Home() + "/Desktop/KR-Oil Coolers.desktop"; }
    QString MenuEntry() const { return DataHome() + "/applications/KR coolers/KR-Oil Coolers.desktop"; }

    // A distribution folder with languageCount languages, write-protected
    // as on a CD.
    void MakeDistribution(int languageCount)
    {
        QDir().mkpath(Dist());
        for (int i = 0; i < languageCount; ++i) {
            const QString name = LanguageNames[i];
            WriteFile(Dist() + "/" + name + ".SPROG", LanguageFile(name));
            QImage flag(24, 16, QImage::Format_RGB32);
            flag.fill(Qt::red);
            QVERIFY(flag.save(Dist() + "/Flag" + name + ".bmp", "BMP"));
        }
        for (const char* program : {"KR_Oil_Coolers", "Setup", "krcool"}) {
            WriteFile(Dist() + "/" + program, "#!/bin/sh\n");
            QFile::setPermissions(Dist() + "/" + program, QFile::ReadOwner | QFile::ExeOwner);
        }
        for (const char* data : {"Krdata.dat", "Price.dat", "kalvorn.bmp", "KR100ACb.bmp", "KR100AC.DXF", "notes.xyz"}) {
            WriteFile(Dist() + "/" + data, QByteArray("contents of ") + data);
            QFile::setPermissions(Dist() + "/" + data, QFile::ReadOwner);
        }
    }

    std::unique_ptr<TFormSetupLanguage> MakeWizard(int languageCount)
    {
        MakeDistribution(languageCount);
        return OpenWizard();
    }

    // The wizard on the distribution folder as it is now.
    std::unique_ptr<TFormSetupLanguage> OpenWizard()
    {
        state_ = std::make_unique<AppState>();
        state_->AppDir = QDir(Dist()).absolutePath().toStdString() + "/";
        state_->Languages = LoadLanguageList(state_->AppDir);
        state_->Store = std::make_unique<RegistryStore>(RegistryFile().toStdString());
        auto wizard = std::make_unique<TFormSetupLanguage>(*state_);
        wizard->SetProgramStarter([this](const QString& program, const QStringList& arguments, const QString& dir) {
            started_.append({program, arguments, dir});
            return true;
        });
        wizard->show();
        return wizard;
    }

    // The wizard with the first language chosen, on the choice page.
    std::unique_ptr<TFormSetupLanguage> WizardOnChoicePage()
    {
        auto wizard = MakeWizard(2);
        wizard->Language.zNWBitColBtn[0]->click();
        return wizard;
    }

    int Page(const TFormSetupLanguage& wizard) const { return wizard.PageControlInstallPages->currentIndex(); }

    std::optional<Settings> Stored() const
    {
        if (!QFile::exists(RegistryFile()))
            return std::nullopt;
        RegistryStore store(RegistryFile().toStdString());
        return ReadSettings(store, "/unused/", 1024, 768);
    }

    static int Validate(const QString& entry)
    {
        return QProcess::execute(QStringLiteral("desktop-file-validate"), {entry});
    }

    // Answers the next folder dialog with folder, or cancels it when folder
    // is empty.
    static void AnswerFolderDialog(const QString& folder)
    {
        test::WhenDialogShown<QFileDialog>([folder](QFileDialog& dialog) {
            if (folder.isEmpty()) {
                dialog.reject();
                return;
            }
            dialog.setDirectory(folder);
            static_cast<QDialog&>(dialog).accept();  // QFileDialog makes its accept protected
        });
    }

private slots:
    void init()
    {
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        QDir().mkpath(Home() + "/Desktop");
        environment_ = std::make_unique<ScopedEnvironment>();
        environment_->Set("HOME", Home());
        environment_->Set("XDG_DATA_HOME", DataHome());
        environment_->Set("XDG_CONFIG_HOME", Home() + "/config");
        environment_->Set("KRCOOL_REGISTRY", RegistryFile());
        answerer_ = std::make_unique<test::RecordingAnswerer>();
        started_.clear();
    }

    void cleanup()
    {
        answerer_.reset();
        environment_.reset();
        state_.reset();
        temp_.reset();
    }

    void flagSlotsFollowTheNumberOfLanguages_data()
    {
        QTest::addColumn<int>("languages");
        QTest::addColumn<QList<int>>("visibleSlots");
        QTest::newRow("1") << 1 << QList<int>{2};
        QTest::newRow("4") << 4 << QList<int>{1, 3, 4, 6};
        QTest::newRow("7") << 7 << QList<int>{1, 2, 3, 4, 6, 7, 9};
        QTest::newRow("12") << 12 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("13") << 13 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    }

    void flagSlotsFollowTheNumberOfLanguages()
    {
        QFETCH(int, languages);
        QFETCH(QList<int>, visibleSlots);
        const auto wizard = MakeWizard(languages);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Setup"));
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::LanguagePage));
        QCOMPARE(wizard->Title.LabelTitle1->text(), QStringLiteral("KR Coolers"));
        QCOMPARE(wizard->Title.LabelTitle2->text(), QStringLiteral("Kestrel Range Coolers"));

        int next = 0;  // languages are listed by file name, as the names above
        for (int slot = 1; slot <= FlagSlotCount; ++slot) {
            FlagButton* button = wizard->findChild<FlagButton*>(QStringLiteral("zNWBitColBtn%1").arg(slot));
            BigLabel* label = wizard->findChild<BigLabel*>(QStringLiteral("zBigLabel%1").arg(slot));
            QVERIFY(button && label);
            const bool shown = visibleSlots.contains(slot);
            QCOMPARE(button->isVisible(), shown);
            QCOMPARE(label->isVisible(), shown);
            if (!shown)
                continue;
            const QString name = LanguageNames[next++];
            QCOMPARE(label->text(), "Install " + name);
            QCOMPARE(wizard->SlotLanguageNames()[slot - 1], name);
            const QImage flag = button->Flag().toImage();
            QCOMPARE(flag.size(), QSize(24, 16));
            const QRgb shadow = wizard->palette().color(QPalette::Dark).rgb();
            const QRgb highlight = wizard->palette().color(QPalette::Light).rgb();
            QCOMPARE(flag.pixel(10, 0), shadow);  // top
            QCOMPARE(flag.pixel(0, 8), shadow);   // left
            QCOMPARE(flag.pixel(10, 15), highlight);  // bottom
            QCOMPARE(flag.pixel(23, 8), highlight);   // right
            QCOMPARE(flag.pixel(5, 5), QColor(Qt::red).rgb());
        }
    }

    void withoutLanguagesTheWizardSaysSoAndCloses()
    {
        const auto wizard = MakeWizard(0);
        QVERIFY(wizard->ClosesAtOnce());
        QCOMPARE(answerer_->Requests.size(), 1u);
        QCOMPARE(answerer_->Requests[0].Caption, QStringLiteral("KR Oil Coolers - Error/Fejl/Fehler"));
        QCOMPARE(answerer_->Requests[0].Text, QStringLiteral("No language-files exist."));
        QCOMPARE(answerer_->Requests[0].Icon, QMessageBox::Critical);
        QTRY_VERIFY(!wizard->isVisible());
    }

    void aFlagThatCannotBeLoadedLeavesTheButtonBare()
    {
        MakeDistribution(0);
        WriteFile(Dist() + "/Bad.SPROG", "LANGUAGE=Bad\r\nFLAG=missing.bmp\r\nINSTALL=Bad\r\n");
        const auto wizard = OpenWizard();
        QVERIFY(wizard->Language.zNWBitColBtn[1]->isVisible());
        QVERIFY(wizard->Language.zNWBitColBtn[1]->Flag().isNull());
    }

    void choosingALanguageAppliesItsTexts()
    {
        const auto wizard = MakeWizard(2);
        wizard->Language.zNWBitColBtn[2]->click();  // slot 3: the second language
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::ChoicePage));
        QCOMPARE(state_->ScreenLanguage, 1);
        QCOMPARE(state_->Settings.LanguageName, std::string("Bravo"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Choose"), QStringLiteral("&Auswählen"));
        QCOMPARE(wizard->Title.LabelTitle1->text(), QStringLiteral("KR Bravo"));
        QCOMPARE(wizard->Title.LabelTitle2->text(), QStringLiteral("Kestrel Bravo"));
        QCOMPARE(wizard->Choice.GroupBoxIndstilValg->title(), QStringLiteral(" Choice Bravo "));
        QCOMPARE(wizard->Server.GroupBoxIndstilValg1->title(), QStringLiteral(" Choice Bravo - Server Bravo "));
        QCOMPARE(wizard->Special.GroupBoxIndstilValg2->title(), QStringLiteral(" Choice Bravo - Customised Bravo "));
        QCOMPARE(wizard->Choice.RadioButtonNormal->text(), QStringLiteral("Standard Bravo"));
        QCOMPARE(wizard->Special.Navigation.Back->text(), QStringLiteral("<< Back Bravo"));
        QCOMPARE(wizard->Server.Navigation.Next->text(), QStringLiteral("Next Bravo >>"));
        QCOMPARE(wizard->Server.Navigation.Next->toolTip(), QStringLiteral("Hint next Bravo"));
        QCOMPARE(wizard->Special.zColorBtnPlacering2->text(), QStringLiteral("Browse Bravo"));
        QCOMPARE(wizard->DoInstall.zBigLabelDoInstall->text(), QStringLiteral("Installing Bravo"));
        QVERIFY(wizard->Choice.RadioButtonNormal->isChecked());
        QVERIFY(wizard->Special.CheckBoxSkrivebord->isChecked());
        QVERIFY(wizard->Special.CheckBoxMenu->isChecked());
        QVERIFY(!wizard->Special.CheckBoxKopier->isChecked());
        QVERIFY(!wizard->DoInstall.zColorBtnDoInstall->isVisible());
    }

    void navigationBetweenThePages()
    {
        const auto wizard = WizardOnChoicePage();
        QTest::mouseClick(wizard->Choice.zBigLabelSpecial, Qt::LeftButton);
        QVERIFY(wizard->Choice.RadioButtonSpecial->isChecked());
        wizard->Choice.Navigation.Next->click();
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::SpecialPage));
        wizard->Special.Navigation.Back->click();
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::ChoicePage));

        QTest::mouseClick(wizard->Choice.zBigLabelServer, Qt::LeftButton);
        QVERIFY(wizard->Choice.RadioButtonServer->isChecked());
        wizard->Choice.Navigation.Next->click();
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::ServerPage));
        wizard->Server.Navigation.Back->click();
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::ChoicePage));
        wizard->Choice.Navigation.Back->click();
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::LanguagePage));

        QCOMPARE(wizard->Special.EditPlacering2->text(), DataHome() + "/KR coolers");
        QCOMPARE(wizard->Server.EditPlacering1->text(), DataHome() + "/KR coolers copy");
        QVERIFY(FilesIn(DataHome()).isEmpty());
        QVERIFY(!QFile::exists(RegistryFile()));

        wizard->Language.zNWBitColBtn[0]->click();
        wizard->Choice.Navigation.Cancel->click();
        QVERIFY(!wizard->isVisible());
        QVERIFY(started_.isEmpty());
    }

    void standardInstallationThenFinish()
    {
        const auto wizard = WizardOnChoicePage();
        wizard->Special.EditPlacering2->setText(Home() + "/not used");
        wizard->Special.CheckBoxKopier->setChecked(true);
        wizard->Choice.Navigation.Next->click();

        const QString installDir = DataHome() + "/KR coolers";
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::DoInstallPage));
        QCOMPARE(wizard->InstallDir(), installDir);
        QVERIFY(answerer_->Requests.empty());
        QCOMPARE(FilesIn(installDir), (QStringList{"Alpha.SPROG", "Bravo.SPROG", "FlagAlpha.bmp", "FlagBravo.bmp",
                                                   "KR_Oil_Coolers", "Krdata.dat", "Price.dat", "Setup",
                                                   "krcool"}));
        QVERIFY(!QFile::exists(Home() + "/not used"));
        QVERIFY(QFileInfo(installDir + "/Price.dat").isWritable());
        QVERIFY(QFileInfo(installDir + "/KR_Oil_Coolers").isExecutable());
        QCOMPARE(wizard->DoInstall.zGaugeDoInstall->maximum(), 9);
        QCOMPARE(wizard->DoInstall.zGaugeDoInstall->value(), 9);
        QCOMPARE(wizard->DoInstall.zBigLabelDoInstall->text(), "Installed Alpha\n\nInstalled in " + installDir);
        QVERIFY(wizard->DoInstall.zColorBtnDoInstall->isVisible());
        QCOMPARE(wizard->DoInstall.zColorBtnDoInstall->text(), QStringLiteral("Start Alpha"));

        QCOMPARE(Validate(DesktopEntry()), 0);
        QCOMPARE(Validate(MenuEntry()), 0);
        QVERIFY(QFileInfo(DesktopEntry()).isExecutable());
        const std::optional<Settings> stored = Stored();
        QVERIFY(stored);
        QVERIFY(stored->Installed);
        QCOMPARE(QString::fromStdString(stored->BitmapDir), QDir(Dist()).absolutePath() + "/");
        QCOMPARE(QString::fromStdString(stored->ProgramDir), installDir + "/");
        QCOMPARE(stored->LanguageName, std::string("Alpha"));

        wizard->DoInstall.zColorBtnDoInstall->click();
        QVERIFY(!wizard->isVisible());
        QCOMPARE(started_.size(), 1);
        QCOMPARE(started_[0].Program, installDir + "/KR_Oil_Coolers");
        QCOMPARE(started_[0].Arguments, QStringList());
        QCOMPARE(started_[0].WorkingDir, installDir);
    }

    void customisedInstallationHonoursItsChoices()
    {
        const auto wizard = WizardOnChoicePage();
        wizard->Choice.RadioButtonSpecial->setChecked(true);
        wizard->Choice.Navigation.Next->click();
        const QString installDir = Home() + "/programs/KR coolers";
        wizard->Special.EditPlacering2->setText(installDir + "//");
        wizard->Special.CheckBoxSkrivebord->setChecked(false);
        wizard->Special.CheckBoxKopier->setChecked(true);
        wizard->Special.Navigation.Next->click();

        QCOMPARE(wizard->InstallDir(), installDir);
        QVERIFY(QFile::exists(installDir + "/KR100ACb.bmp"));
        QVERIFY(QFile::exists(installDir + "/KR100AC.DXF"));
        QVERIFY(!QFile::exists(installDir + "/notes.xyz"));
        QVERIFY(!QFile::exists(DesktopEntry()));
        QCOMPARE(Validate(MenuEntry()), 0);
        const std::optional<Settings> stored = Stored();
        QVERIFY(stored);
        QCOMPARE(QString::fromStdString(stored->BitmapDir), installDir + "/");
        QCOMPARE(QString::fromStdString(stored->ProgramDir), installDir + "/");
        QVERIFY(wizard->DoInstall.zColorBtnDoInstall->isVisible());
    }

    void serverInstallationCopiesEverythingAndRestartsFromTheCopy()
    {
        const auto wizard = WizardOnChoicePage();
        wizard->Choice.RadioButtonServer->setChecked(true);
        wizard->Choice.Navigation.Next->click();
        const QString installDir = Home() + "/server/KR coolers copy";
        wizard->Server.EditPlacering1->setText(installDir);
        wizard->Server.Navigation.Next->click();

        QCOMPARE(FilesIn(installDir), FilesIn(Dist()));
        // Told where the copy is before the copy's own wizard opens.
        QCOMPARE(answerer_->Requests.size(), 1u);
        QCOMPARE(answerer_->Requests[0].Text, "Copied to " + installDir);
        QCOMPARE(answerer_->Requests[0].Caption, QStringLiteral("KR Alpha"));
        QCOMPARE(answerer_->Requests[0].Icon, QMessageBox::Information);
        QVERIFY(!QFile::exists(RegistryFile()));
        QVERIFY(!QFile::exists(DesktopEntry()));
        QVERIFY(!QFile::exists(MenuEntry()));
        QVERIFY(!wizard->isVisible());
        QCOMPARE(started_.size(), 1);
        QCOMPARE(started_[0].Program, installDir + "/KR_Oil_Coolers");
        QCOMPARE(started_[0].Arguments, QStringList{"/SETUP"});
    }

    void aFailedCopyNamesTheFileAndWritesNoSettings()
    {
        const auto wizard = WizardOnChoicePage();
        const QString installDir = DataHome() + "/KR coolers";
        QDir().mkpath(installDir + "/Krdata.dat");
        wizard->Choice.Navigation.Next->click();

        QCOMPARE(answerer_->Requests.size(), 1u);
        QCOMPARE(answerer_->Requests[0].Caption, QStringLiteral("Error Alpha"));
        QCOMPARE(answerer_->Requests[0].Text, "Cannot copy " + installDir + "/Krdata.dat\n\nIn the way");
        QCOMPARE(answerer_->Requests[0].Icon, QMessageBox::Critical);
        QVERIFY(!wizard->isVisible());
        QVERIFY(QFile::exists(installDir + "/KR_Oil_Coolers"));
        QVERIFY(!QFile::exists(RegistryFile()));
        QVERIFY(!QFile::exists(MenuEntry()));
        QVERIFY(started_.isEmpty());
    }

    void aTargetFolderThatCannotBeMadeIsReported()
    {
        const auto wizard = WizardOnChoicePage();
        WriteFile(Home() + "/blocked", "a file");
        wizard->Choice.RadioButtonServer->setChecked(true);
        wizard->Choice.Navigation.Next->click();
        wizard->Server.EditPlacering1->setText(Home() + "/blocked/KR coolers copy");
        wizard->Server.Navigation.Next->click();
        QCOMPARE(answerer_->Requests.size(), 1u);
        QCOMPARE(answerer_->Requests[0].Text, "Cannot create " + Home() + "/blocked/KR coolers copy\n\nIn the way");
        QVERIFY(!wizard->isVisible());
        QVERIFY(started_.isEmpty());
    }

    // Without settings that say so the program is not installed, and a
    // shortcut would only start the wizard again: none is made.
    void settingsThatCannotBeWrittenAreReportedInTheLanguageAndLeaveNoShortcut()
    {
        const auto wizard = WizardOnChoicePage();
        WriteFile(Home() + "/blocked", "a file");
        state_->Store = std::make_unique<RegistryStore>((Home() + "/blocked/KRCool.reg").toStdString());
        wizard->Choice.Navigation.Next->click();
        QCOMPARE(answerer_->Requests.size(), 1u);
        QCOMPARE(answerer_->Requests[0].Text, "Cannot record in " + Home() + "/blocked/KRCool.reg\n\nIn the way");
        QVERIFY(QFile::exists(DataHome() + "/KR coolers/KR_Oil_Coolers"));
        QVERIFY(!QFile::exists(DesktopEntry()));
        QVERIFY(!QFile::exists(MenuEntry()));
        QVERIFY(!wizard->isVisible());
    }

    // "~" is the home folder, as in a shell; a relative folder would land
    // wherever the wizard was started and is refused on its page.
    void typedFoldersLeadFromTheHomeFolderOrTheRoot()
    {
        const auto wizard = WizardOnChoicePage();
        wizard->Choice.RadioButtonSpecial->setChecked(true);
        wizard->Choice.Navigation.Next->click();
        for (const QString& relative : {QStringLiteral("KR coolers"), QStringLiteral("~other/KR coolers")}) {
            answerer_->Requests.clear();
            wizard->Special.EditPlacering2->setText(relative);
            wizard->Special.Navigation.Next->click();
            QCOMPARE(answerer_->Requests.size(), 1u);
            QCOMPARE(answerer_->Requests[0].Text, "Not a full path: " + relative);
            QCOMPARE(Page(*wizard), int(TFormSetupLanguage::SpecialPage));
            QVERIFY(!QFileInfo::exists(relative));
        }
        answerer_->Requests.clear();
        wizard->Special.EditPlacering2->setText(QStringLiteral("~/mine/KR coolers/"));
        wizard->Special.Navigation.Next->click();
        QVERIFY(answerer_->Requests.empty());
        QCOMPARE(wizard->InstallDir(), Home() + "/mine/KR coolers");
        QVERIFY(QFile::exists(Home() + "/mine/KR coolers/KR_Oil_Coolers"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("~")));
    }

    void installingIntoTheProgramsOwnFolderIsRefused()
    {
        const auto wizard = WizardOnChoicePage();
        wizard->Choice.RadioButtonSpecial->setChecked(true);
        wizard->Choice.Navigation.Next->click();
        wizard->Special.EditPlacering2->setText(Dist() + "/");
        const QByteArray before = ReadFile(Dist() + "/Krdata.dat");
        wizard->Special.Navigation.Next->click();

        QCOMPARE(answerer_->Requests.size(), 1u);
        QCOMPARE(answerer_->Requests[0].Text, "Cannot install into " + Dist());
        QVERIFY(wizard->isVisible());
        QCOMPARE(Page(*wizard), int(TFormSetupLanguage::SpecialPage));
        QCOMPARE(ReadFile(Dist() + "/Krdata.dat"), before);
        QCOMPARE(ReadFile(Dist() + "/Price.dat"), QByteArray("contents of Price.dat"));
        QVERIFY(!QFile::exists(RegistryFile()));
        QVERIFY(!QFile::exists(MenuEntry()));

        // Standard still goes to its own default folder afterwards.
        wizard->Special.Navigation.Back->click();
        wizard->Choice.RadioButtonNormal->setChecked(true);
        wizard->Choice.Navigation.Next->click();
        QCOMPARE(wizard->InstallDir(), DataHome() + "/KR coolers");
        QVERIFY(wizard->DoInstall.zColorBtnDoInstall->isVisible());
    }

    void browsingAppendsTheFolderNameAfterOneSeparator()
    {
        const auto wizard = WizardOnChoicePage();
        const QString chosen = Home() + "/chosen";
        QDir().mkpath(chosen);

        AnswerFolderDialog(chosen + "/");
        wizard->Special.zColorBtnPlacering2->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(wizard->Special.EditPlacering2->text(), chosen + "/KR coolers");

        AnswerFolderDialog(chosen);
        wizard->Server.zColorBtnPlacering1->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(wizard->Server.EditPlacering1->text(), chosen + "/KR coolers copy");

        AnswerFolderDialog(QStringLiteral("/"));  // the one folder the dialog gives with its separator
        wizard->Special.zColorBtnPlacering2->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(wizard->Special.EditPlacering2->text(), QStringLiteral("/KR coolers"));
        wizard->Special.EditPlacering2->setText(chosen + "/KR coolers");

        AnswerFolderDialog(QString());
        wizard->Special.zColorBtnPlacering2->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(wizard->Special.EditPlacering2->text(), chosen + "/KR coolers");
    }

    // The shipped language files hold every text the wizard shows, and each
    // of them gets its flag.
    void theShippedLanguagesFillEveryText()
    {
        test::TestAppFolder folder;
        folder.CopyDistribution();
        state_ = std::make_unique<AppState>();
        state_->AppDir = folder.Dir().toStdString();
        state_->Languages = LoadLanguageList(state_->AppDir);
        QVERIFY(state_->Languages.size() >= 3);
        TFormSetupLanguage wizard(*state_);
        wizard.show();

        const std::size_t english = static_cast<std::size_t>(
            std::ranges::find(wizard.SlotLanguageNames(), QStringLiteral("English")) - wizard.SlotLanguageNames().begin());
        QVERIFY(english < FlagSlotCount);
        for (std::size_t slot = 0; slot < FlagSlotCount; ++slot) {
            if (!wizard.Language.zNWBitColBtn[slot]->isVisible())
                continue;
            QVERIFY(!wizard.Language.zBigLabel[slot]->text().isEmpty());
            const Language* language = FindLanguage(state_->Languages, wizard.SlotLanguageNames()[slot].toStdString());
            QVERIFY(language);
            const QString flag = QString::fromStdString(language->Table.Lookup("FLAG"));
            QCOMPARE(wizard.Language.zNWBitColBtn[slot]->Flag().isNull(), !QFile::exists(folder.Dir() + flag));
        }
        wizard.Language.zNWBitColBtn[english]->click();

        for (QAbstractButton* button : wizard.findChildren<QAbstractButton*>()) {
            if (!qobject_cast<FlagButton*>(button)) {
                QVERIFY2(!button->text().trimmed().isEmpty(), qPrintable(button->objectName()));
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
            }
        }
        for (QLabel* label : wizard.findChildren<QLabel*>())
            if (!label->isHidden())  // not the labels of unused flag slots
                QVERIFY2(!label->text().trimmed().isEmpty(), qPrintable(label->objectName()));
        for (QGroupBox* group : wizard.findChildren<QGroupBox*>())
            QVERIFY2(!group->title().trimmed().isEmpty(), qPrintable(group->objectName()));
    }

    void everyControlCarriesItsName()
    {
        const auto wizard = MakeWizard(1);
        const char* names[] = {
            "PageControlInstallPages", "TabSheetLanguage", "TabSheetIndstilValg", "TabSheetServerValg",
            "TabSheetSpecialValg", "TabSheetDoInstall", "LabelTitle1", "LabelTitle2", "GroupBoxIndstilValg",
            "GroupBoxIndstilValg1", "GroupBoxIndstilValg2", "RadioButtonNormal", "RadioButtonSpecial",
            "RadioButtonServer", "zBigLabelNormal", "zBigLabelSpecial", "zBigLabelServer", "zBigLabelPlacering1",
            "EditPlacering1", "zColorBtnPlacering1", "zBigLabelPlacering2", "EditPlacering2", "zColorBtnPlacering2",
            "CheckBoxSkrivebord", "CheckBoxMenu", "CheckBoxKopier", "zColorBtnForrige1", "zColorBtnNaeste1",
            "zColorBtnAnnuller1", "zColorBtnForrige2", "zColorBtnNaeste2", "zColorBtnAnnuller2", "zColorBtnForrige3",
            "zColorBtnNaeste3", "zColorBtnAnnuller3", "zBigLabelDoInstall", "zGaugeDoInstall", "zColorBtnDoInstall",
            "zNWBitColBtn1", "zNWBitColBtn12", "zBigLabel1", "zBigLabel12",
        };
        for (const char* name : names)
            QVERIFY2(wizard->findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(wizard->PageControlInstallPages->count(), 5);
    }
};

}  // namespace
}  // namespace kr::gui

QTEST_MAIN(kr::gui::InstallWizardTest)
#include "install_wizard_test.moc"
