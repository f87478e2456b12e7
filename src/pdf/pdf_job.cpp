#include "pdf/pdf_job.h"

#include "pdf/qpainter_canvas.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <string_view>

namespace kr::gui {

namespace {

// The margins of a fresh printer job on every side, in points.
constexpr double FreshJobMarginPoints = 10.0;

}  // namespace

QPageLayout DefaultPdfPageLayout()
{
    const QMarginsF margins(FreshJobMarginPoints, FreshJobMarginPoints, FreshJobMarginPoints, FreshJobMarginPoints);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Point);
}

PdfDocument DrawPdfDocument(const PrintJob& job, const QPageLayout& layout)
{
    PdfDocument document;
    QBuffer pdf(&document.Bytes);
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(PdfDotsPerInch);
        writer.setPageLayout(layout);
        // The canvas ends a job that the printout left open.
        QPainterCanvas canvas(writer);
        document.Message = job.Draw(canvas);
    }
    return document;
}

FileWriteResult WritePdfFile(const std::filesystem::path& file, const QByteArray& pdf)
{
    return ReplaceFileAtomically(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace kr::gui
