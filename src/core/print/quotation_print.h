#pragma once

#include "core/canvas/canvas.h"
#include "core/print/print_context.h"
#include "core/quote/quotation.h"
#include "core/quote/quotation_file.h"

#include <string>
#include <vector>

namespace kr {

// The offer's header as the quotation tab holds it and a file saves it.
using QuotationLetter = QuotationHeader;

// The terms of the options, printed as they stand, and the discount that
// only the printed offer grants.
struct QuotationTerms {
    std::string LeadTime;
    std::string Delivery;
    std::string Payment;
    std::string UserName;  // signs the letter
    int PricePct = 0;      // discount in whole percent
};

// The quotation as an offer letter, one job of its own: the logo with the
// sender under it, the receiver, references and quotation number, the
// items with their gross sum, the discount and the nett sum in the first
// item's currency, the terms, the closing paragraphs and the signature.
// Where the items or the closing run past the foot of a page, a
// continuation note ends it and the letter goes on at the top of the next.
void PrintQuotation(Canvas& canvas, const PrintContext& context, const QuotationLetter& letter,
                    const QuotationItems& items, const QuotationTerms& terms);

}  // namespace kr
