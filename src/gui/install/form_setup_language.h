#pragma once

#include "core/install/flag_slots.h"
#include "core/install/installation.h"
#include "gui/install/setup_controls.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string_view>

class QLineEdit;
class QStackedWidget;

namespace kr::gui {

struct AppState;

// The installation wizard, the main window of setup mode: the user picks a
// language by its flag, then a Standard, Customised or Server installation;
// the wizard copies the program from the folder it runs from, makes the
// shortcuts and records the installation in the settings. Closing it ends
// the program.
class TFormSetupLanguage : public QMainWindow {
    Q_OBJECT
public:
    enum Page { LanguagePage = 0, ChoicePage = 1, ServerPage = 2, SpecialPage = 3, DoInstallPage = 4 };

    // Starts program as a process of its own without waiting for it; false
    // when it could not be started. Tests put a recorder in its place.
    using ProgramStarter =
        std::function<bool(const QString& program, const QStringList& arguments, const QString& workingDir)>;

    explicit TFormSetupLanguage(AppState& state);
    ~TFormSetupLanguage() override;

    QStackedWidget* PageControlInstallPages = nullptr;
    SetupTitleControls Title;
    SetupLanguagePage Language;
    SetupChoicePage Choice;
    SetupServerPage Server;
    SetupSpecialPage Special;
    SetupDoInstallPage DoInstall;

    // The target of the Standard installation, and of the last one run.
    const QString& InstallDir() const { return installDir_; }
    // The language shown in each slot (slot n at n - 1); empty when hidden.
    const std::array<QString, FlagSlotCount>& SlotLanguageNames() const { return slotNames_; }
    // True when there is no language to offer: the wizard has said so and
    // closes as soon as the event loop runs.
    bool ClosesAtOnce() const { return closesAtOnce_; }

    void SetProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }

public slots:
    void zNWBitColBtn1Click();
    void zColorBtnNaeste1Click();
    void zColorBtnNaeste2Click();
    void zColorBtnNaeste3Click();
    void zColorBtnForrige1Click();
    void zColorBtnForrige2Click();
    void zColorBtnAnnuller1Click();
    void zBigLabelNormalClick();
    void zBigLabelSpecialClick();
    void zBigLabelServerClick();
    void zColorBtnPlacering1Click();
    void zColorBtnPlacering2Click();
    void zColorBtnDoInstallClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void CreatePages();
    void ConnectHandlers();
    void ShowFlags();
    void ApplyTexts();
    void ShowPage(Page page);
    void Install(InstallKind kind);
    void ReportFailure(const InstallOutcome& outcome, InstallKind kind);
    void BrowseFolder(QLineEdit* edit, const QString& instruction, const QString& caption, std::string_view folderName);
    void StartInstalledProgram(const QStringList& arguments);
    void ShowCopyProgress(std::size_t copied, std::size_t total);

    AppState& state_;
    QString standardInstallDir_;  // the default target, whatever the Customised page holds
    QString installDir_;
    std::array<QString, FlagSlotCount> slotNames_;
    FlagSlotAssignment slotLanguages_{};
    bool closesAtOnce_ = false;
    bool installing_ = false;
    ProgramStarter startProgram_;
};

}  // namespace kr::gui
