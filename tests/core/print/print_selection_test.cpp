#include "core/print/print_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kr {
namespace {

// One character a box, in print order: '-' disabled, 'o' enabled, 'x' ticked.
std::string Boxes(const PrintSelection& selection)
{
    std::string boxes;
    for (const PrintChoice& choice : selection.Documents)
        boxes += !choice.Enabled ? '-' : choice.Ticked ? 'x' : 'o';
    return boxes;
}

TEST(PrintSelection, BoxesByModeAndWhatIsShown)
{
    const PrintSituation fresh{.CoolerShown = false, .DrawingShown = true, .QuotationHasItems = false};
    const PrintSituation everything{.CoolerShown = true, .DrawingShown = true, .QuotationHasItems = true};
    const PrintSituation noDrawing{.CoolerShown = true, .DrawingShown = false, .QuotationHasItems = false};
    struct Case {
        PrintSituation Situation;
        std::vector<std::string> ByMode;  // modes 0 to 5
    };
    const std::vector<Case> cases{
        {fresh, {"-x--x", "-o--o", "-x--o", "-o--o", "-o--o", "-o--x"}},
        {everything, {"xxxxx", "xoooo", "oxooo", "ooxoo", "oooxo", "oooox"}},
        {noDrawing, {"x-x-x", "x-o-o", "o-o-o", "o-x-o", "o-o-o", "o-o-x"}},
    };
    for (const Case& c : cases) {
        for (int mode = 0; mode < 6; ++mode) {
            const PrintSelection selection = OpenPrintSelection(static_cast<PrintMode>(mode), c.Situation);
            EXPECT_EQ(Boxes(selection), c.ByMode[mode]) << "mode " << mode << ", expected " << c.ByMode[mode];
            EXPECT_FALSE(selection.IncludePrices);
        }
    }
}

TEST(PrintSelection, PrintsTickedEnabledDocumentsInFixedOrder)
{
    PrintSelection selection = OpenPrintSelection(PrintMode::Instructions, {.CoolerShown = true});
    for (PrintChoice& choice : selection.Documents)
        choice.Ticked = true;  // a disabled box stays out even when ticked
    selection[PrintDocument::TechnicalData].Ticked = false;
    EXPECT_EQ(DocumentsToPrint(selection), (std::vector{PrintDocument::Curves, PrintDocument::Instructions}));
    EXPECT_EQ(DocumentsToPrint(OpenPrintSelection(PrintMode::AllAvailable, {true, true, true})),
              (std::vector<PrintDocument>(PrintOrder.begin(), PrintOrder.end())));
}

TEST(PrintSelection, CaptionLosesOnlyItsFirstAmpersand)
{
    for (const auto& [text, caption] : std::vector<std::pair<std::string, std::string>>{
             {"&Print", "Print"}, {"Pr&int &now", "Print &now"}, {"&&", "&"}, {"Print", "Print"}, {"", ""}})
        EXPECT_EQ(PrintCaption(text), caption) << text;
}

TEST(PrintSelection, OffersTheScreenLanguageFirst)
{
    LanguageList languages(3);
    languages[0].Name = "Dansk";
    languages[1].Name = "English";
    languages[2].Name = "English";
    EXPECT_EQ(InitialPrintLanguage(languages, "English"), 1);
    EXPECT_EQ(InitialPrintLanguage(languages, "Deutsch"), -1);
}

}  // namespace
}  // namespace kr
