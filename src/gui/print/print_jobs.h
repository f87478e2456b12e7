#pragma once

#include "core/print/print_context.h"
#include "gui/print/print_destination.h"

namespace kr::gui {

class TFormStartmenu;

// The print job of each document, drawn by its printout from what the main
// window holds at the moment of printing. Context holds the print
// language's texts and must outlive the job; what a printout has to tell
// the user is said in the screen language.
PrintJob TechnicalDataJob(const TFormStartmenu& window, const PrintContext& context, bool includePrices);
PrintJob DrawingJob(const TFormStartmenu& window, const PrintContext& context);
PrintJob CurvesJob(const TFormStartmenu& window, const PrintContext& context);
PrintJob QuotationJob(const TFormStartmenu& window, const PrintContext& context);
PrintJob InstructionsJob(const TFormStartmenu& window, const PrintContext& context);

}  // namespace kr::gui
