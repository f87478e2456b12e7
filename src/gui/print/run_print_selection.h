#pragma once

#include "core/print/print_selection.h"

namespace kr::gui {

class TFormStartmenu;

// The print selection for a print mode: every document that can be
// printed is ticked, or the mode's own document when it can be. On Print the chosen language becomes the print language and
// the ticked documents are printed one after the other, each as its own
// job, on the printer or as PDF files; Cancel prints nothing.
void RunPrintSelection(TFormStartmenu& window, PrintMode mode);

// Qt's printer dialog for the printer the print jobs go to.
void RunPrinterSetupFor(TFormStartmenu& window);

}  // namespace kr::gui
