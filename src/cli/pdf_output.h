#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "pdf/pdf_job.h"

#include <filesystem>
#include <ostream>

namespace kr::cli {

// Prints the job as the program prints it to a PDF file (the QPainter canvas
// on a PDF writer, A4 portrait turned by the printout, at the printer's
// resolution) and writes it over file in one step. Qt starts on its
// offscreen platform unless QT_QPA_PLATFORM names another, so that no
// display is needed.
//
// A file is written only when the printout printed everything without a
// message: a printout that tells the user something (a missing picture, a
// cooler without curves) writes that to err and leaves file as it was, so
// that a script never finds part of a document under the name it asked
// for. Returns 0, or FailureExitCode after writing the message (in the
// language of texts) to err.
int WritePdfDocument(const gui::PrintJob& job, const std::filesystem::path& file, const LanguageTable& texts,
                     const FormatSettings& format, std::ostream& err);

}  // namespace kr::cli
