#pragma once

#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/run_start.h"
#include "support/app_folder.h"

namespace kr::gui::test {

// A started program in a test folder with the built distribution's files.
struct RunningProgram {
    explicit RunningProgram(const RegistryValues& settings = {}, bool copyDistribution = true)
    {
        if (copyDistribution)
            Folder.CopyDistribution();
        Folder.WriteInstalledSettings(settings);
        Started = StartProgram(Folder.Environment());
    }

    TFormStartmenu& Window() const { return *Started.MainWindow; }
    AppState& State() const { return *Started.State; }

    TestAppFolder Folder;
    Startup Started;
};

}  // namespace kr::gui::test
