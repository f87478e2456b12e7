#include "gui/print/print_session.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace kr::gui {

namespace {
const QString SessionName = QStringLiteral("PrintSession");
}  // namespace

PrintSession::PrintSession(QWidget& window) : QObject(&window)
{
    setObjectName(SessionName);
}

PrintSession::~PrintSession() = default;

PrintSession& PrintSession::Of(QWidget& window)
{
    auto* session = window.findChild<PrintSession*>(SessionName, Qt::FindDirectChildrenOnly);
    return session ? *session : *new PrintSession(window);
}

QPrinter& PrintSession::Printer()
{
    // High resolution: the printer's own dots, so that lines and text are
    // as sharp as it prints them.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QString UnattendedPdfFolder()
{
    return qEnvironmentVariable("KRCOOL_PRINT_DIR");
}

DestinationChoice DestinationChoiceOf(PrintSession& session)
{
    DestinationChoice choice;
    const bool printerExists = !QPrinterInfo::availablePrinterNames().isEmpty();
    choice.PdfOnly = !printerExists || !UnattendedPdfFolder().isEmpty();
    if (printerExists) {
        const QString chosen = session.Printer().printerName();
        choice.PrinterName = chosen.isEmpty() ? QPrinterInfo::defaultPrinterName() : chosen;
    }
    choice.Pdf = choice.PdfOnly || session.Printer().outputFormat() == QPrinter::PdfFormat;
    return choice;
}

}  // namespace kr::gui
