#pragma once

#include "core/data/language.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The documents of the print selection, in the order they are printed.
enum class PrintDocument { TechnicalData, Drawing, Curves, Quotation, Instructions };

inline constexpr std::size_t PrintDocumentCount = 5;
inline constexpr std::array<PrintDocument, PrintDocumentCount> PrintOrder{
    PrintDocument::TechnicalData, PrintDocument::Drawing, PrintDocument::Curves, PrintDocument::Quotation,
    PrintDocument::Instructions};

// What the print selection is opened for: every document that can be
// printed, or the one document of the button or menu item that opened it.
enum class PrintMode { AllAvailable = 0, TechnicalData, Drawing, Curves, Quotation, Instructions };

// What the program shows when the print selection opens.
struct PrintSituation {
    bool CoolerShown = false;        // a cooler has been shown on the technical data page
    bool DrawingShown = false;       // the drawing tab shows a drawing, not its "no drawing" label
    bool QuotationHasItems = false;  // the quotation holds at least one item
};

struct PrintChoice {
    bool Enabled = false;
    bool Ticked = false;
    bool operator==(const PrintChoice&) const = default;
};

// The document boxes of the print selection, indexed by PrintDocument, and
// whether the technical data shows prices.
struct PrintSelection {
    std::array<PrintChoice, PrintDocumentCount> Documents{};
    bool IncludePrices = false;

    PrintChoice& operator[](PrintDocument document) { return Documents[static_cast<std::size_t>(document)]; }
    const PrintChoice& operator[](PrintDocument document) const
    {
        return Documents[static_cast<std::size_t>(document)];
    }
};

// The boxes as the dialog opens: the cooler's three documents need a shown
// cooler, but the drawing is enabled exactly when one is shown; the
// quotation needs items; the instructions can always be printed. The mode
// ticks every enabled box, or only its own when that is enabled. Prices
// start left out.
PrintSelection OpenPrintSelection(PrintMode mode, const PrintSituation& situation);

// The documents to print, in print order: those ticked and enabled.
std::vector<PrintDocument> DocumentsToPrint(const PrintSelection& selection);

// The text of "Print" as the dialog's group box and button show it: its
// first "&" removed, so that it marks no shortcut.
std::string PrintCaption(std::string_view text);

// The language the dialog offers first: the position of the first language
// whose name is the screen language's, or -1 when none is.
int InitialPrintLanguage(const LanguageList& languages, std::string_view screenLanguage);

}  // namespace kr
