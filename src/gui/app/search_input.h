#pragma once

#include "core/engine/duty_input.h"
#include "gui/app/main_window_controls.h"

namespace kr::gui {

// What a search tab's controls hold, as the engine reads it: the texts as
// typed, the unit lists by index, the drive by its radio button.
CalculationInput ReadCalculationInput(const CalcTabControls& c);
KnownInput ReadKnownInput(const KnownTabControls& k);

}  // namespace kr::gui
