#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>

class QApplication;

namespace kr::gui {

struct AppState;
class TFormStartmenu;

// What the start-up reads from its surroundings.
struct StartEnvironment {
    QString ProgramPath;                   // the running program's full path
    QStringList Arguments;                 // the command line after the program's name
    std::filesystem::path RegistryFile;    // where the settings are kept
    QSize ScreenSize;
};

StartEnvironment CurrentStartEnvironment();

// What the start-up made: the program's state and, in normal mode when all
// went well, its main window (not yet shown).
struct Startup {
    std::unique_ptr<AppState> State;
    std::unique_ptr<TFormStartmenu> MainWindow;
};

// The start-up before the message loop: state, languages, settings, mode,
// language, data folder, main window, cooler database and price file. Each
// failure is shown in a message box and clears State->StartupOk.
Startup StartProgram(const StartEnvironment& environment);

// The program's main block: start-up, the wizard or the message loop, and
// the exit code.
int RunStart(QApplication& app);

}  // namespace kr::gui
