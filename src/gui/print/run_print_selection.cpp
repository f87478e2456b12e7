#include "gui/print/run_print_selection.h"

#include "core/data/text_keys.h"
#include "core/print/print_selection.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/folder_dialog.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/save_dialog.h"
#include "gui/present/technical_page.h"
#include "gui/print/form_print_select.h"
#include "gui/print/print_destination.h"
#include "gui/print/print_jobs.h"
#include "gui/print/print_session.h"
#include "gui/print/state_print_context.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/string_grid.h"

#include <QLabel>
#include <QPrinter>

#include <memory>

namespace kr::gui {

namespace {

// The items grid has its heading row and the empty row after the items.
constexpr int ItemsGridFrameRows = 2;

PrintSituation SituationOf(const TFormStartmenu& window)
{
    const TechnicalPageControls& t = window.TechnicalScreen->Controls;
    PrintSituation situation;
    situation.CoolerShown = window.State().CurrentCooler.IsChosen;
    // The viewer's drawing can be printed unless it says it has none.
    situation.DrawingShown = t.LabelNoDrawing2->isHidden();
    situation.QuotationHasItems = window.Quotation->Controls.StringGridItems->RowCount() > ItemsGridFrameRows;
    return situation;
}

PrintJob JobOf(PrintDocument document, const TFormStartmenu& window, const PrintContext& context,
               bool includePrices)
{
    switch (document) {
    case PrintDocument::TechnicalData:
        return TechnicalDataJob(window, context, includePrices);
    case PrintDocument::Drawing:
        return DrawingJob(window, context);
    case PrintDocument::Curves:
        return CurvesJob(window, context);
    case PrintDocument::Quotation:
        return QuotationJob(window, context);
    case PrintDocument::Instructions:
        break;
    }
    return InstructionsJob(window, context);
}

// The printer, or PDF files in the unattended folder or in one the user
// picks; none when the user cancels the choice of folder.
std::unique_ptr<PrintDestination> ChooseDestination(TFormStartmenu& window, PrintSession& session, bool pdf)
{
    const AppState& state = window.State();
    QPrinter& printer = session.Printer();
    if (!pdf) {
        // Printing to a file set up in the printer dialog was turned down:
        // the jobs go to the printer itself.
        if (printer.outputFormat() != QPrinter::NativeFormat)
            printer.setOutputFormat(QPrinter::NativeFormat);
        return std::make_unique<PrinterDestination>(printer, state.Texts(), state.Format);
    }
    QString folder = UnattendedPdfFolder();
    if (folder.isEmpty()) {
        folder = AskFolder(&window, Text(state.Texts(), keys::PdfFolder),
                           session.PdfFolder.isEmpty() ? DocumentsFolder() : session.PdfFolder);
        if (folder.isEmpty())
            return nullptr;
        session.PdfFolder = folder;
    }
    return std::make_unique<PdfDestination>(folder, printer.pageLayout(), state.Texts(), state.Format);
}

void TellWherePdfFilesAre(TFormStartmenu& window, const PdfDestination& pdf)
{
    if (pdf.WrittenFiles().isEmpty() || !UnattendedPdfFolder().isEmpty())
        return;
    const AppState& state = window.State();
    const QString text = FormatText(state.Texts(), keys::PdfFilesSaved, {ToUtf8(pdf.Folder())}, state.Format) +
                         QStringLiteral("\n\n") + pdf.WrittenFiles().join(u'\n');
    MessageBoxes::Show({&window, Text(state.Texts(), keys::PrintSelection), text, QMessageBox::Information});
}

}  // namespace

void RunPrintSelection(TFormStartmenu& window, PrintMode mode)
{
    AppState& state = window.State();
    PrintSession& session = PrintSession::Of(window);
    TFormPrintSelect dialog(window, session);
    dialog.ShowSelection(OpenPrintSelection(mode, SituationOf(window)));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int language = dialog.ChosenLanguage();
    if (language < 0 || language >= static_cast<int>(state.Languages.size()))
        return;
    session.PrintLanguage = language;

    const PrintSelection selection = dialog.Selection();
    const std::unique_ptr<PrintDestination> destination = ChooseDestination(window, session, dialog.PdfChosen());
    if (!destination)
        return;
    const PrintContext context = MakePrintContext(state, state.Languages[static_cast<std::size_t>(language)].Table);
    for (PrintDocument document : DocumentsToPrint(selection)) {
        for (const QString& message : destination->Print(JobOf(document, window, context, selection.IncludePrices)))
            MessageBoxes::ShowError(&window, Text(state.Texts(), keys::ErrorCaption), message);
    }
    if (const auto* pdf = dynamic_cast<const PdfDestination*>(destination.get()))
        TellWherePdfFilesAre(window, *pdf);
}

void RunPrinterSetupFor(TFormStartmenu& window)
{
    RunPrinterSetup(&window, PrintSession::Of(window), Text(window.State().Texts(), keys::Ok));
}

}  // namespace kr::gui
