// Feeds bytes as a saved quotation file to the reader the Quotation tab
// opens it with, then turns what was read into the tab's items, its
// problem text, and a saved file again, which must read back the same.
#include "core/quote/quotation_file.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

int kr::fuzz::FeedQuotationFile(const std::uint8_t* data, std::size_t size)
{
    using namespace kr;
    if (size > 64 * 1024)
        return -1;
    const FormatSettings format{',', '.'};
    const QuotationFileRead read = ParseQuotationFile(std::string_view(reinterpret_cast<const char*>(data), size), format);
    const std::string problem = QuotationFileProblemText(read, "fuzz.krq", fuzz::EnglishTexts(), format);
    if (problem.empty() != (read.Problem == QuotationFileProblem::None))
        std::abort();
    if (read.Problem != QuotationFileProblem::None)
        return 0;

    const QuotationItems items = QuotationItemsOf(read.Quotation, format);
    const SavedQuotation saved = SavedQuotationOf(read.Quotation.Header, read.Quotation.DiscountPct, items);
    const QuotationFileRead again = ParseQuotationFile(QuotationFileText(saved), format);
    if (again.Problem != QuotationFileProblem::None || again.Quotation.Header != saved.Header ||
        again.Quotation.DiscountPct != saved.DiscountPct || again.Quotation.Items.size() != saved.Items.size())
        std::abort();
    return 0;
}
