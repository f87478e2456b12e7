#include "gui/app/run_start.h"

#include "core/data/text_keys.h"
#include "core/install/program_icon.h"
#include "core/settings/registry_path.h"
#include "core/settings/settings.h"
#include "gui/app/app_dir.h"
#include "gui/app/app_state.h"
#include "gui/app/command_line.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/app/setup_mode.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/program_files.h"
#include "gui/platform/qt_translations.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/app_style.h"
#include "pdf/locale_formats.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QScreen>

#include <filesystem>
#include <system_error>

namespace kr::gui {

namespace {

namespace fs = std::filesystem;

// Shown before any language is chosen, so in all three languages.
const QString NoLanguageCaption = QStringLiteral("KR Oil Coolers - Error/Fejl/Fehler");
const QString NoLanguageText =
    QStringLiteral("No language-files exist.\r\nKeine sprache-datai.\r\nIngen sprogfiler findes.");

bool FileExists(const fs::path& file)
{
    std::error_code error;
    return fs::is_regular_file(file, error);
}

void ShowStartupError(const AppState& state, const TextKey& key)
{
    const LanguageTable& texts = state.Texts();
    MessageBoxes::ShowError(nullptr, Text(texts, keys::ErrorCaption), Text(texts, key));
}

bool ChooseScreenLanguage(AppState& state)
{
    const Language* language = FindLanguage(state.Languages, state.Settings.LanguageName);
    if (!language) {
        MessageBoxes::ShowError(nullptr, NoLanguageCaption, NoLanguageText);
        return false;
    }
    state.ScreenLanguage = static_cast<int>(language - state.Languages.data());
    UseQtTranslations(state.Texts());
    return true;
}

// The picture folder may be a CD or a server: the user may put it back and
// try again.
bool ReachDataFolder(const AppState& state)
{
    const fs::path marker = PathOf(state.Settings.BitmapDir) / PathOf(ToUtf8(ExecutableFileName(MainProgramName)));
    const LanguageTable& texts = state.Texts();
    while (!FileExists(marker)) {
        const QMessageBox::StandardButton answer =
            MessageBoxes::Show({nullptr, Text(texts, keys::ErrorCdCaption), Text(texts, keys::ErrorCdMissing),
                                QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry});
        if (answer != QMessageBox::Retry)
            return false;
    }
    return true;
}

void CreateMainWindow(Startup& startup, const StartEnvironment& environment)
{
    AppState& state = *startup.State;
    startup.MainWindow = std::make_unique<TFormStartmenu>(state);
    TFormStartmenu& window = *startup.MainWindow;
    window.SetSizeSnapping(true);
    window.ApplyMainWindowTexts();
    if (state.Settings.Showmenu)
        window.ShowStartMenuPage(environment.ScreenSize);
    else
        window.ShowMainPageAtSavedBounds();
}

bool LoadCoolerRecords(Startup& startup)
{
    AppState& state = *startup.State;
    CoolerDatabaseLoad load = LoadCoolerDatabase(PathOf(state.AppDir) / CoolerDatabaseFileName);
    state.Database = std::move(load.Database);
    if (!load.ErrorKey.empty()) {
        ShowStartupError(state, keys::ErrorDataMissing);
        return false;
    }
    startup.MainWindow->FillCoolerLists();
    return true;
}

bool LoadPrices(AppState& state)
{
    const std::string errorKey = LoadPriceRecords(PathOf(state.AppDir) / PriceFileName, state.PriceRecords);
    if (!errorKey.empty()) {
        ShowStartupError(state, keys::ErrorPricefile);
        return false;
    }
    return true;
}

// Every window of the program carries its icon, at the sizes that ship.
QIcon ProgramIcon(const std::string& appDir)
{
    QIcon icon;
    const QDir folder(FromUtf8(appDir));
    for (int size : ProgramIconSizes) {
        const QString file = folder.filePath(FromUtf8(ProgramIconPngName(size)));
        if (QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

}  // namespace

StartEnvironment CurrentStartEnvironment()
{
    StartEnvironment environment;
    environment.ProgramPath = QCoreApplication::applicationFilePath();
    environment.Arguments = QCoreApplication::arguments().mid(1);
    environment.RegistryFile = DefaultRegistryPath();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        environment.ScreenSize = screen->size();
    return environment;
}

Startup StartProgram(const StartEnvironment& environment)
{
    InstallAccessibleInterfaces();
    Startup startup;
    startup.State = std::make_unique<AppState>();
    AppState& state = *startup.State;
    state.StartupOk = true;
    state.SetupMode = false;
    state.AppDir = AppDirOf(ToUtf8(environment.ProgramPath));
    state.Format = LocaleFormatSettings(QLocale());
    state.DateFormat = ShortDateFormat(QLocale());

    state.Languages = LoadLanguageList(PathOf(state.AppDir));
    state.Store = std::make_unique<RegistryStore>(environment.RegistryFile);
    state.Settings = ReadSettings(*state.Store, state.AppDir, environment.ScreenSize.width(),
                                  environment.ScreenSize.height());

    state.SetupMode = ChooseSetupMode(state.Settings.Installed, environment.Arguments);
    if (state.SetupMode)
        return startup;

    if (!ChooseScreenLanguage(state) || !ReachDataFolder(state)) {
        state.StartupOk = false;
        return startup;
    }
    CreateMainWindow(startup, environment);
    if (!LoadCoolerRecords(startup)) {
        state.StartupOk = false;
        return startup;
    }
    startup.MainWindow->FinishLists();
    if (!LoadPrices(state))
        state.StartupOk = false;
    return startup;
}

int RunStart(QApplication& app)
{
    ApplyApplicationStyle(app);
    Startup startup = StartProgram(CurrentStartEnvironment());
    app.setWindowIcon(ProgramIcon(startup.State->AppDir));
    if (startup.State->SetupMode)
        return RunSetupMode(*startup.State);
    if (!startup.State->StartupOk)
        return 1;
    startup.MainWindow->show();
    return app.exec();
}

}  // namespace kr::gui
