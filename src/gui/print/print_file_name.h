#pragma once

#include <QString>

namespace kr::gui {

// The name of the PDF file of one printed document: the document's name in
// the print language and what it is about (the cooler's designation, the
// quotation's number), e.g. "Technical data KR 30 AC 400V 4-pol.pdf".
// Characters that a file name cannot hold on any of the usual systems
// become '_', and blanks and dots at the ends are dropped, so that the name
// stays one file in the chosen folder.
QString PdfFileName(const QString& document, const QString& subject);

}  // namespace kr::gui
