#include "gui/print/print_destination.h"

#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"
#include "core/settings/atomic_file.h"
#include "gui/app/screen_texts.h"
#include "gui/print/print_file_name.h"
#include "pdf/qpainter_canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace kr::gui {

PrinterDestination::PrinterDestination(QPrinter& printer, const LanguageTable& screenTexts,
                                       const FormatSettings& format)
    : printer_(printer), texts_(screenTexts), format_(format)
{
}

QStringList PrinterDestination::Print(const PrintJob& job)
{
    QStringList messages;
    {
        // The canvas ends a job that the printout left open.
        QPainterCanvas canvas(printer_, [this](const QString& title) { printer_.setDocName(title); });
        const QString message = job.Draw(canvas);
        if (!message.isEmpty())
            messages << message;
    }
    if (printer_.printerState() == QPrinter::Error) {
        messages << FormatText(texts_, keys::ErrorPrintJob, {ToUtf8(job.Document), ToUtf8(printer_.printerName())},
                               format_);
    }
    return messages;
}

PdfDestination::PdfDestination(const QString& folder, const QPageLayout& layout, const LanguageTable& screenTexts,
                               const FormatSettings& format)
    : folder_(folder), layout_(layout), texts_(screenTexts), format_(format)
{
}

QStringList PdfDestination::Print(const PrintJob& job)
{
    const PdfDocument pdf = DrawPdfDocument(job, layout_);
    QStringList messages;
    if (!pdf.Message.isEmpty())
        messages << pdf.Message;
    // A printout that started no job leaves no file.
    if (pdf.Bytes.isEmpty())
        return messages;

    const QString file = QDir(folder_).filePath(PdfFileName(job.Document, job.Subject));
    const FileWriteResult written = WritePdfFile(PathOf(file), pdf.Bytes);
    if (written.Ok())
        written_ << QFileInfo(file).fileName();
    else
        messages << FormatText(texts_, keys::ErrorPdfFile, {ToUtf8(file), FailureReasonText(texts_, written, format_)},
                               format_);
    return messages;
}

}  // namespace kr::gui
