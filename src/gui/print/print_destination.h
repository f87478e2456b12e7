#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "pdf/pdf_job.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

class QPrinter;

namespace kr::gui {

// Where the jobs of one print selection go. Print returns what to tell the
// user, in the screen language: the printout's own message and a failure
// of the printer or the file; nothing when all went well.
class PrintDestination {
public:
    virtual ~PrintDestination() = default;
    virtual QStringList Print(const PrintJob& job) = 0;
};

// The printer as the user set it up: each job is its own job on it.
class PrinterDestination final : public PrintDestination {
public:
    PrinterDestination(QPrinter& printer, const LanguageTable& screenTexts, const FormatSettings& format);
    QStringList Print(const PrintJob& job) override;

private:
    QPrinter& printer_;
    const LanguageTable& texts_;
    FormatSettings format_;
};

// One PDF file per job in a folder, named after the document and its
// subject. A file is written whole or not at all: the PDF is made in
// memory and then replaces any file of that name in one step, so that a
// failure leaves no cut-off PDF and an older file of that name as it was.
class PdfDestination final : public PrintDestination {
public:
    // The pages take the size and margins of layout, which the jobs turn
    // to their orientation.
    PdfDestination(const QString& folder, const QPageLayout& layout, const LanguageTable& screenTexts,
                   const FormatSettings& format);
    QStringList Print(const PrintJob& job) override;

    const QString& Folder() const { return folder_; }
    // The names of the files written, in the order of the jobs.
    const QStringList& WrittenFiles() const { return written_; }

private:
    QString folder_;
    QPageLayout layout_;
    const LanguageTable& texts_;
    FormatSettings format_;
    QStringList written_;
};

}  // namespace kr::gui
