#pragma once

#include "core/data/cool_type.h"
#include "core/data/cooler_database.h"
#include "core/print/print_context.h"
#include "core/print/quotation_print.h"
#include "core/print/technical_print.h"
#include "core/quote/quotation.h"
#include "pdf/pdf_job.h"

#include <filesystem>
#include <string>

namespace kr::cli {

// The print jobs of krcool's documents: the program's printouts drawn from
// what the command line chose. Each job refers to the context and to what
// it prints, which must outlive it. What a printout has to tell the user
// (a cooler without curves or drawing, a missing picture) is said in the
// print language.

gui::PrintJob TechnicalDataDocument(const PrintContext& context, const tCoolType& cooler,
                                    const TechnicalPrintOptions& options);
// The dimension drawing of the cooler with this designation.
gui::PrintJob DrawingDocument(const PrintContext& context, const CoolerRecordList& records,
                              const std::string& designation);
gui::PrintJob CurvesDocument(const PrintContext& context, const tCoolType& cooler, int pressureUnit);
gui::PrintJob QuotationDocument(const PrintContext& context, const QuotationLetter& letter,
                                const QuotationItems& items, const QuotationTerms& terms);
// The installation instructions of the print language from the program's folder.
gui::PrintJob InstructionsDocument(const PrintContext& context, const std::filesystem::path& programDir);

}  // namespace kr::cli
