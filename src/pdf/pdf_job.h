#pragma once

#include "core/canvas/canvas.h"
#include "core/settings/atomic_file.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <filesystem>
#include <functional>

namespace kr::gui {

// One printed document: what it is called and how it is drawn. Draw begins
// and ends the document's own job on the canvas it is given and returns
// what the printout has to tell the user (a page too narrow for the
// charts, a missing picture), empty when nothing.
struct PrintJob {
    QString Document;  // its name in the print language
    QString Subject;   // the cooler's designation, the quotation's number; may be empty
    std::function<QString(Canvas&)> Draw;
};

// The resolution of a high-resolution printer job in a PDF file: text and
// lines are placed to the same fine grid whatever the screen.
inline constexpr int PdfDotsPerInch = 1200;

// The page of a PDF file when no printer was set up: A4 portrait with the
// margins a fresh printer job has. Each printout turns it to its own
// orientation.
QPageLayout DefaultPdfPageLayout();

// One job drawn as a PDF document in memory.
struct PdfDocument {
    QString Message;  // what the printout had to tell the user; empty when nothing
    QByteArray Bytes; // the PDF file; empty when the printout started no job
};

// Draws the job on the QPainter canvas over a PDF writer with the page
// layout and the PDF resolution.
PdfDocument DrawPdfDocument(const PrintJob& job, const QPageLayout& layout);

// Replaces file with the PDF in one step: a failure leaves no cut-off PDF
// and an older file of that name as it was.
FileWriteResult WritePdfFile(const std::filesystem::path& file, const QByteArray& pdf);

}  // namespace kr::gui
