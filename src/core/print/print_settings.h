#pragma once

#include "core/print/print_context.h"
#include "core/print/quotation_print.h"
#include "core/print/technical_print.h"
#include "core/settings/settings.h"

#include <string>

namespace kr {

// What the printouts take from the program's settings, in one place for the
// program and for krcool, so that both print the same pages.

// The print context: the sender (NameOnPrint, NameAddress) and the picture
// folder (BitmapDir) of the settings, with the print language's texts, the
// number format and the date as the page header shows it. printTexts must
// outlive the context.
PrintContext PrintContextOf(const Settings& settings, const LanguageTable& printTexts, const FormatSettings& format,
                            std::string dateText);

// The options' display units of the technical data; the price line needs a
// price list with records and the user's wish for prices on paper.
TechnicalPrintOptions TechnicalPrintOptionsOf(const Settings& settings, bool hasPrices, bool includePrices);

// The terms and the signature of the options, with the discount the offer
// is made with (an offer opened again keeps its own).
QuotationTerms QuotationTermsOf(const Settings& settings, int discountPct);

}  // namespace kr
