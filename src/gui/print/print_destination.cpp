#include "gui/print/print_destination.h"

#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"
#include "core/settings/atomic_file.h"
#include "gui/app/screen_texts.h"
#include "gui/present/qpainter_canvas.h"
#include "gui/print/print_file_name.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>

#include <string_view>

namespace kr::gui {

namespace {

// The resolution of a high-resolution printer job in a PDF file: text and
// lines are placed to the same fine grid whatever the screen.
constexpr int PdfDotsPerInch = 1200;

// The job drawn on a canvas over the device; the canvas ends a job that the
// printout left open.
QStringList DrawJob(const PrintJob& job, QPaintDevice& device)
{
    QPainterCanvas canvas(device);
    const QString message = job.Draw(canvas);
    return message.isEmpty() ? QStringList() : QStringList{message};
}

}  // namespace

PrinterDestination::PrinterDestination(QPrinter& printer, const LanguageTable& screenTexts,
                                       const FormatSettings& format)
    : printer_(printer), texts_(screenTexts), format_(format)
{
}

QStringList PrinterDestination::Print(const PrintJob& job)
{
    QStringList messages = DrawJob(job, printer_);
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
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QStringList messages;
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(PdfDotsPerInch);
        writer.setPageLayout(layout_);
        messages = DrawJob(job, writer);
    }
    // A printout that started no job leaves no file.
    if (pdf.data().isEmpty())
        return messages;

    const QString file = QDir(folder_).filePath(PdfFileName(job.Document, job.Subject));
    const QByteArray& bytes = pdf.data();
    const FileWriteResult written = ReplaceFileAtomically(
        PathOf(file), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (written.Ok())
        written_ << QFileInfo(file).fileName();
    else
        messages << FormatText(texts_, keys::ErrorPdfFile, {ToUtf8(file), FailureReasonText(texts_, written, format_)},
                               format_);
    return messages;
}

}  // namespace kr::gui
