#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace kr::gui {

// What printing keeps from one print selection to the next while the main
// window lives: the printer as the user set it up, the language chosen last
// for printing and the folder the PDF files went to last.
class PrintSession : public QObject {
    Q_OBJECT
public:
    // The session of a main window, made when first asked for.
    static PrintSession& Of(QWidget& window);
    ~PrintSession() override;

    // The platform's default printer until the user sets up another; made
    // on first use, since finding the printers asks the print system.
    QPrinter& Printer();

    // An index into the language list; -1 until a selection was confirmed.
    int PrintLanguage = -1;
    // Empty until PDF files were written.
    QString PdfFolder;

private:
    explicit PrintSession(QWidget& window);

    std::unique_ptr<QPrinter> printer_;
};

// The folder named by KRCOOL_PRINT_DIR: every job goes to a PDF file there,
// without asking, for tests and unattended use. Empty when it is not set.
QString UnattendedPdfFolder();

// Where the jobs can go, as the print selection offers it.
struct DestinationChoice {
    QString PrinterName;   // the printer the jobs go to; empty while the platform knows none
    bool Pdf = false;      // PDF files are proposed: the printer was set up to print to a file
    bool PdfOnly = false;  // PDF files are the only choice: no printer, or an unattended folder
};
DestinationChoice DestinationChoiceOf(PrintSession& session);

}  // namespace kr::gui
