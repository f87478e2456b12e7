#pragma once

#include "core/print/print_context.h"

namespace kr::gui {

struct AppState;

// What every printout reads from the program's state, with the texts of the
// language chosen for printing: the number format, the picture folder, the
// sender of the options and today's date in the locale's short format.
PrintContext MakePrintContext(const AppState& state, const LanguageTable& printTexts);

}  // namespace kr::gui
