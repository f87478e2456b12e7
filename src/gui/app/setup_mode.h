#pragma once

namespace kr::gui {

struct AppState;

// Runs the installation wizard as the program's main window until it
// closes; returns the program's exit code.
int RunSetupMode(AppState& state);

}  // namespace kr::gui
