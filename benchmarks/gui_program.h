#pragma once

#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/run_start.h"

#include <QTemporaryDir>

namespace kr::bench {

// The program as installed, with its pictures in the distribution folder,
// on its main screen after an AC search for 10 kW at 80 l/min, 30/60 °C.
// Offscreen: main() sets the platform before the QApplication exists.
class SearchedProgram {
public:
    SearchedProgram();
    gui::TFormStartmenu& Window() { return *started_.MainWindow; }
    const gui::AppState& State() const { return *started_.State; }

private:
    QTemporaryDir folder_;
    gui::Startup started_;
};

}  // namespace kr::bench
