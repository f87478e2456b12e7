#include "gui/install/form_setup_language.h"

#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"
#include "core/install/install_locations.h"
#include "core/install/program_names.h"
#include "core/settings/registry_path.h"
#include "gui/app/app_state.h"
#include "gui/app/screen_texts.h"
#include "gui/install/flag_button.h"
#include "gui/platform/data_file_path.h"
#include "gui/platform/message_boxes.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>

#include <filesystem>
#include <memory>

namespace kr::gui {

namespace fs = std::filesystem;

namespace {

constexpr QSize ClientSize{480, 420};
constexpr QRect PagesRect{0, 64, 480, 356};
const QString WizardCaption = QStringLiteral("Setup");
// Shown until a language is chosen, when no language table is there yet.
const QString FirstTitle1 = QStringLiteral("KR Coolers");
const QString FirstTitle2 = QStringLiteral("Kestrel Range Coolers");
// The start-up's own words for a folder without language files; no
// language table exists to look them up in.
const QString NoLanguagesCaption = QStringLiteral("KR Oil Coolers - Error/Fejl/Fehler");
const QString NoLanguagesText = QStringLiteral("No language-files exist.");
// The switch that makes the server copy run the wizard again.
const QString SetupSwitch = QStringLiteral("/SETUP");

// A message, then why it came to it, as one text of the message box.
QString WithReason(const QString& message, const QString& reason)
{
    return message + QStringLiteral("\n\n") + reason;
}

bool StartDetached(const QString& program, const QStringList& arguments, const QString& workingDir)
{
    return QProcess::startDetached(program, arguments, workingDir);
}

}  // namespace

TFormSetupLanguage::TFormSetupLanguage(AppState& state) : state_(state), startProgram_(StartDetached)
{
    FormCreate();
}

// FormDestroy: the wizard's state is its members; nothing else to free.
TFormSetupLanguage::~TFormSetupLanguage() = default;

void TFormSetupLanguage::FormCreate()
{
    setObjectName(QStringLiteral("FormSetupLanguage"));
    setWindowTitle(WizardCaption);
    CreatePages();
    ConnectHandlers();
    setFixedSize(ClientSize);

    standardInstallDir_ = FromPath(DefaultInstallDir());
    installDir_ = standardInstallDir_;
    Special.EditPlacering2->setText(standardInstallDir_);
    Server.EditPlacering1->setText(FromPath(DefaultServerDir()));

    Title.LabelTitle1->setText(FirstTitle1);
    Title.LabelTitle2->setText(FirstTitle2);
    ShowPage(LanguagePage);
    if (state_.Languages.empty()) {
        closesAtOnce_ = true;
        setFixedSize(0, 0);
        MessageBoxes::ShowError(this, NoLanguagesCaption, NoLanguagesText);
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    ShowFlags();
}

void TFormSetupLanguage::CreatePages()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("SetupClient"));
    setCentralWidget(central);
    Title = CreateSetupTitle(central);
    PageControlInstallPages = new QStackedWidget(central);
    PageControlInstallPages->setObjectName(QStringLiteral("PageControlInstallPages"));
    PageControlInstallPages->setGeometry(PagesRect);

    const auto addPage = [this](const char* name) {
        auto* page = new QWidget(PageControlInstallPages);
        page->setObjectName(QString::fromLatin1(name));
        PageControlInstallPages->addWidget(page);
        return page;
    };
    Language = CreateLanguagePage(addPage("TabSheetLanguage"));
    Choice = CreateChoicePage(addPage("TabSheetIndstilValg"));
    Server = CreateServerPage(addPage("TabSheetServerValg"));
    Special = CreateSpecialPage(addPage("TabSheetSpecialValg"));
    DoInstall = CreateDoInstallPage(addPage("TabSheetDoInstall"));
}

void TFormSetupLanguage::ConnectHandlers()
{
    for (FlagButton* button : Language.zNWBitColBtn)
        connect(button, &QPushButton::clicked, this, &TFormSetupLanguage::zNWBitColBtn1Click);

    connect(Choice.Navigation.Back, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnForrige1Click);
    connect(Server.Navigation.Back, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnForrige2Click);
    connect(Special.Navigation.Back, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnForrige2Click);
    connect(Choice.Navigation.Next, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnNaeste1Click);
    connect(Server.Navigation.Next, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnNaeste2Click);
    connect(Special.Navigation.Next, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnNaeste3Click);
    for (const SetupNavigation* navigation : {&Choice.Navigation, &Server.Navigation, &Special.Navigation})
        connect(navigation->Cancel, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnAnnuller1Click);

    for (QWidget* label : {static_cast<QWidget*>(Choice.zBigLabelNormal), static_cast<QWidget*>(Choice.zBigLabelSpecial),
                           static_cast<QWidget*>(Choice.zBigLabelServer)})
        label->installEventFilter(this);

    connect(Server.zColorBtnPlacering1, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnPlacering1Click);
    connect(Special.zColorBtnPlacering2, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnPlacering2Click);
    connect(DoInstall.zColorBtnDoInstall, &QPushButton::clicked, this, &TFormSetupLanguage::zColorBtnDoInstallClick);
}

// The k-th visible slot shows the k-th language: its flag and, below it,
// its "INSTALL" text. A flag that cannot be loaded leaves the button bare.
void TFormSetupLanguage::ShowFlags()
{
    slotLanguages_ = AssignFlagSlots(state_.Languages.size());
    const QDir appDir(QString::fromStdString(state_.AppDir));
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    for (std::size_t slot = 0; slot < FlagSlotCount; ++slot) {
        FlagButton* button = Language.zNWBitColBtn[slot];
        BigLabel* label = Language.zBigLabel[slot];
        const bool visible = slotLanguages_[slot].has_value();
        button->setVisible(visible);
        label->setVisible(visible);
        if (!visible)
            continue;
        const kr::Language& language = state_.Languages[*slotLanguages_[slot]];
        slotNames_[slot] = FromUtf8(language.Name);
        label->setText(Text(language.Table, keys::Install));
        button->setAccessibleName(label->text());
        const QString flag = PathInsideFolder(appDir.path(), Text(language.Table, keys::Flag));
        button->SetFlag(flag.isEmpty() ? QPixmap() : FlagButton::LoadFlag(flag, shadow, highlight));
    }
}

void TFormSetupLanguage::ShowPage(Page page)
{
    PageControlInstallPages->setCurrentIndex(page);
}

void TFormSetupLanguage::zNWBitColBtn1Click()
{
    const int slot = sender() ? sender()->property("Tag").toInt() : 0;
    if (slot < 1 || slot > FlagSlotCount || !slotLanguages_[static_cast<std::size_t>(slot - 1)])
        return;
    const std::size_t index = *slotLanguages_[static_cast<std::size_t>(slot - 1)];
    state_.ScreenLanguage = static_cast<int>(index);
    state_.Settings.LanguageName = state_.Languages[index].Name;
    ApplyTexts();
    ShowPage(ChoicePage);
}

void TFormSetupLanguage::zColorBtnNaeste1Click()
{
    if (Choice.RadioButtonNormal->isChecked())
        Install(InstallKind::Standard);
    else if (Choice.RadioButtonSpecial->isChecked())
        ShowPage(SpecialPage);
    else
        ShowPage(ServerPage);
}

void TFormSetupLanguage::zColorBtnNaeste2Click()
{
    Install(InstallKind::Server);
}

void TFormSetupLanguage::zColorBtnNaeste3Click()
{
    Install(InstallKind::Customised);
}

void TFormSetupLanguage::zColorBtnForrige1Click()
{
    ShowPage(LanguagePage);
}

void TFormSetupLanguage::zColorBtnForrige2Click()
{
    ShowPage(ChoicePage);
}

void TFormSetupLanguage::zColorBtnAnnuller1Click()
{
    close();
}

void TFormSetupLanguage::zBigLabelNormalClick()
{
    Choice.RadioButtonNormal->setChecked(true);
    Choice.RadioButtonNormal->setFocus();
}

void TFormSetupLanguage::zBigLabelSpecialClick()
{
    Choice.RadioButtonSpecial->setChecked(true);
    Choice.RadioButtonSpecial->setFocus();
}

void TFormSetupLanguage::zBigLabelServerClick()
{
    Choice.RadioButtonServer->setChecked(true);
    Choice.RadioButtonServer->setFocus();
}

void TFormSetupLanguage::zColorBtnPlacering1Click()
{
    BrowseFolder(Server.EditPlacering1, Server.zBigLabelPlacering1->text(), Server.zColorBtnPlacering1->text(),
                 ServerFolderName);
}

void TFormSetupLanguage::zColorBtnPlacering2Click()
{
    BrowseFolder(Special.EditPlacering2, Special.zBigLabelPlacering2->text(), Special.zColorBtnPlacering2->text(),
                 InstallFolderName);
}

void TFormSetupLanguage::zColorBtnDoInstallClick()
{
    close();
    StartInstalledProgram({});
}

bool TFormSetupLanguage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Choice.zBigLabelNormal)
            zBigLabelNormalClick();
        else if (watched == Choice.zBigLabelSpecial)
            zBigLabelSpecialClick();
        else if (watched == Choice.zBigLabelServer)
            zBigLabelServerClick();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The copy runs inside a click handler; closing the window half-way would
// leave a half-made installation behind a closed window.
void TFormSetupLanguage::closeEvent(QCloseEvent* event)
{
    if (installing_)
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

void TFormSetupLanguage::BrowseFolder(QLineEdit* edit, const QString& instruction, const QString& caption,
                                      std::string_view folderName)
{
    QFileDialog dialog(this, caption, FromUtf8(FolderPartOf(edit->text().toStdString())));
    dialog.setObjectName(QStringLiteral("BrowseForFolder"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setLabelText(QFileDialog::LookIn, instruction);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    edit->setText(FromUtf8(AppendFolderName(dialog.selectedFiles().constFirst().toStdString(), folderName)));
}

void TFormSetupLanguage::Install(InstallKind kind)
{
    QString typed = standardInstallDir_;
    if (kind == InstallKind::Customised)
        typed = Special.EditPlacering2->text();
    else if (kind == InstallKind::Server)
        typed = Server.EditPlacering1->text();
    const fs::path target = ResolveTypedFolder(ToUtf8(typed));
    if (target.empty()) {
        // Nothing is done yet: the user corrects the field on the page.
        MessageBoxes::ShowError(this, Text(state_.Texts(), keys::ErrorCaption),
                                FormatText(state_.Texts(), keys::ErrorRelativeFolder, {ToUtf8(typed)}, state_.Format));
        return;
    }

    InstallChoice choice;
    choice.Kind = kind;
    choice.AppDir = PathOf(state_.AppDir);
    choice.InstallDir = target;
    choice.DesktopShortcut = Special.CheckBoxSkrivebord->isChecked();
    choice.MenuShortcut = Special.CheckBoxMenu->isChecked();
    choice.CopyPictures = Special.CheckBoxKopier->isChecked();
    choice.LanguageName = state_.Texts().Lookup(keys::Language.Key);
    installDir_ = FromPath(choice.InstallDir);

    ShowPage(DoInstallPage);
    QCoreApplication::processEvents();

    std::unique_ptr<RegistryStore> ownStore;
    if (!state_.Store)
        ownStore = std::make_unique<RegistryStore>(DefaultRegistryPath());
    RegistryStore& store = state_.Store ? *state_.Store : *ownStore;

    installing_ = true;
    const InstallOutcome outcome =
        RunInstallation(choice, state_.Languages, UserShortcutFolders(), store,
                        [this](std::size_t copied, std::size_t total) { ShowCopyProgress(copied, total); });
    installing_ = false;

    const LanguageTable& texts = state_.Texts();
    if (outcome.Status != InstallStatus::Installed) {
        ReportFailure(outcome, kind);
    } else if (kind == InstallKind::Server) {
        // The wizard of the copy opens on its flag page; without a word the
        // user would take it for this one starting over.
        MessageBoxes::Show({this, Text(texts, keys::KrCoolers),
                            FormatText(texts, keys::ServerCopyMade, {ToUtf8(installDir_)}, state_.Format),
                            QMessageBox::Information});
        close();
        StartInstalledProgram({SetupSwitch});
    } else {
        DoInstall.zBigLabelDoInstall->setText(
            Text(texts, keys::OkInstall) + QStringLiteral("\n\n") +
            FormatText(texts, keys::OkInstallFolder, {ToUtf8(installDir_)}, state_.Format));
        DoInstall.zColorBtnDoInstall->setVisible(true);
    }
}

void TFormSetupLanguage::ShowCopyProgress(std::size_t copied, std::size_t total)
{
    DoInstall.zGaugeDoInstall->setMaximum(static_cast<int>(total));
    DoInstall.zGaugeDoInstall->setValue(static_cast<int>(copied));
    QCoreApplication::processEvents();
}

// Every failure is told in the chosen language, with the reason the system
// gave, and ends the wizard, except the refusal to install into the
// program's own folder: nothing was done, so the user goes back to choose
// another folder or kind.
void TFormSetupLanguage::ReportFailure(const InstallOutcome& outcome, InstallKind kind)
{
    const LanguageTable& texts = state_.Texts();
    const QString caption = Text(texts, keys::ErrorCaption);
    const std::string failedPath = ToUtf8(FromPath(outcome.FailedPath));
    const QString reason = FromUtf8(FailureReasonText(texts, outcome.Reason, state_.Format));
    const auto show = [&](const TextKey& key) {
        MessageBoxes::ShowError(this, caption, WithReason(FormatText(texts, key, {failedPath}, state_.Format), reason));
    };
    switch (outcome.Status) {
    case InstallStatus::SameFolder:
        MessageBoxes::ShowError(this, caption, FormatText(texts, keys::ErrorSameFolder, {failedPath}, state_.Format));
        DoInstall.zGaugeDoInstall->setValue(0);
        ShowPage(kind == InstallKind::Standard ? ChoicePage : kind == InstallKind::Server ? ServerPage : SpecialPage);
        return;
    case InstallStatus::DirectoryFailed:
        show(keys::ErrorDirectory);
        break;
    case InstallStatus::CopyFailed:
        show(keys::ErrorCopyFile);
        break;
    case InstallStatus::SettingsFailed:
        show(keys::ErrorSettingsFile);
        break;
    case InstallStatus::Installed:
        return;
    }
    close();
}

void TFormSetupLanguage::StartInstalledProgram(const QStringList& arguments)
{
    const QDir dir(installDir_);
    startProgram_(dir.filePath(FromUtf8(ExecutableName(MainProgramBaseName))), arguments, installDir_);
}

}  // namespace kr::gui
