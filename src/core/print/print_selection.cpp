#include "core/print/print_selection.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace kr {

namespace {

// The document a mode prints on its own; none for every available document.
std::optional<PrintDocument> OwnDocument(PrintMode mode)
{
    switch (mode) {
    case PrintMode::AllAvailable: return std::nullopt;
    case PrintMode::TechnicalData: return PrintDocument::TechnicalData;
    case PrintMode::Drawing: return PrintDocument::Drawing;
    case PrintMode::Curves: return PrintDocument::Curves;
    case PrintMode::Quotation: return PrintDocument::Quotation;
    case PrintMode::Instructions: return PrintDocument::Instructions;
    }
    return std::nullopt;
}

}  // namespace

PrintSelection OpenPrintSelection(PrintMode mode, const PrintSituation& situation)
{
    PrintSelection selection;
    selection[PrintDocument::TechnicalData].Enabled = situation.CoolerShown;
    selection[PrintDocument::Curves].Enabled = situation.CoolerShown;
    // The drawing tab can show a drawing of its own choosing: what it shows
    // is what can be printed.
    selection[PrintDocument::Drawing].Enabled = situation.DrawingShown;
    selection[PrintDocument::Quotation].Enabled = situation.QuotationHasItems;
    selection[PrintDocument::Instructions].Enabled = true;

    const std::optional<PrintDocument> own = OwnDocument(mode);
    for (const PrintDocument document : PrintOrder) {
        PrintChoice& choice = selection[document];
        choice.Ticked = choice.Enabled && (!own || *own == document);
    }
    return selection;
}

std::vector<PrintDocument> DocumentsToPrint(const PrintSelection& selection)
{
    std::vector<PrintDocument> documents;
    std::ranges::copy_if(PrintOrder, std::back_inserter(documents), [&](PrintDocument document) {
        return selection[document].Enabled && selection[document].Ticked;
    });
    return documents;
}

std::string PrintCaption(std::string_view text)
{
    std::string caption(text);
    if (const std::size_t ampersand = caption.find('&'); ampersand != std::string::npos)
        caption.erase(ampersand, 1);
    return caption;
}

int InitialPrintLanguage(const LanguageList& languages, std::string_view screenLanguage)
{
    const auto found = std::ranges::find(languages, screenLanguage, &Language::Name);
    return found == languages.end() ? -1 : static_cast<int>(found - languages.begin());
}

}  // namespace kr
