#include "gui/print/print_jobs.h"

#include "core/data/text_keys.h"
#include "core/print/curves_print.h"
#include "core/print/drawing_print.h"
#include "core/print/instructions_print.h"
#include "core/print/quotation_print.h"
#include "core/print/print_settings.h"
#include "core/print/technical_print.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/present/technical_page.h"
#include "gui/quote/quotation_tab.h"

#include <QComboBox>
#include <QLineEdit>

namespace kr::gui {

namespace {

QString PrintText(const PrintContext& context, const TextKey& key)
{
    return Text(context.Texts, key);
}

QString DesignationOf(const AppState& state)
{
    return FromUtf8(state.CurrentCooler.Designation());
}

}  // namespace

PrintJob TechnicalDataJob(const TFormStartmenu& window, const PrintContext& context, bool includePrices)
{
    const AppState& state = window.State();
    return {PrintText(context, keys::TechnicalData), DesignationOf(state), [&state, &context, includePrices](Canvas& canvas) {
                PrintTechnicalData(canvas, context, state.CurrentCooler,
                                   TechnicalPrintOptionsOf(state.Settings, !state.PriceRecords.empty(), includePrices));
                return QString();
            }};
}

PrintJob DrawingJob(const TFormStartmenu& window, const PrintContext& context)
{
    const AppState& state = window.State();
    // The drawing the viewer shows, which need not be the current cooler's.
    const QString designation = window.TechnicalScreen->Controls.ComboBoxDrawing->currentText();
    return {PrintText(context, keys::Drawing), designation, [&state, &context, designation](Canvas& canvas) {
                PrintDrawingSheet(canvas, context, state.Database.CoolerRecords, ToUtf8(designation));
                return QString();
            }};
}

PrintJob CurvesJob(const TFormStartmenu& window, const PrintContext& context)
{
    const AppState& state = window.State();
    return {PrintText(context, keys::PerformanceCurves), DesignationOf(state), [&state, &context](Canvas& canvas) {
                const CurvesPrintOutcome outcome = PrintPerformanceCurves(canvas, context, state.CurrentCooler,
                                                                          state.Settings.PresssureLoss);
                return outcome == CurvesPrintOutcome::PageTooNarrow ? Text(state.Texts(), keys::ErrorCurvesPageNarrow)
                                                                    : QString();
            }};
}

PrintJob QuotationJob(const TFormStartmenu& window, const PrintContext& context)
{
    const AppState& state = window.State();
    const QuotationTab& quotation = *window.Quotation;
    return {PrintText(context, keys::Quotation), quotation.Controls.EditQuotationNr->text(),
            [&state, &quotation, &context](Canvas& canvas) {
                // The header as a saved quotation keeps it: an untouched
                // receiver prompt is not printed as the receiver.
                PrintQuotation(canvas, context, quotation.Header(), quotation.Items(),
                               QuotationTermsOf(state.Settings, quotation.DiscountPct()));
                return QString();
            }};
}

PrintJob InstructionsJob(const TFormStartmenu& window, const PrintContext& context)
{
    const AppState& state = window.State();
    return {PrintText(context, keys::InstallationInstructions), QString(), [&state, &context](Canvas& canvas) {
                const InstructionsPrint print = PrintInstallationInstructions(canvas, context, PathOf(state.AppDir));
                return FromUtf8(InstructionsPrintMessage(print, state.Texts()));
            }};
}

}  // namespace kr::gui
