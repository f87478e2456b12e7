#include "core/print/quotation_print.h"

#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace kr {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

const LanguageTable Texts({
    "Kalvorn Group=KG", "Address=Ad", "Post=Po", "Country=Co", "Phone=Ph", "Fax=Fx", "Quotation=Quotation",
    "Print att=Att.", "Your ref.:=Your", "Our ref.:=Our", "Date=Date", "Quotation nr.:=No.", "Dear=Dear %s,", "Dear unnamed=Dear all,",
    "Print POS=Pos", "Print DESIGNATION=Item", "Print QTY=Qty", "Print PRICE/UNIT=Price", "Print TOTAL=Total",
    "Print Gross price=Gross", "Print discount=Discount %d%%", "Print Nett price=Nett", "Lead time=Lead",
    "Delivery=Deliv", "Payment=Pay", "Print Valid=Valid", "Print cost=Cost", "Print hope=Hope",
    "Print regards=Regards", "Print continue=More",
});

PriceRecordList Prices()
{
    PriceRecordList prices;
    for (const auto& [key, price, currency] : {std::tuple{"A", 600.0L, "EUR"}, {"B", 200.0L, "EUR"}, {"C", 50.0L, "USD"}}) {
        tPriceType record;
        record.SetText(PriceField::ItemNo, key);
        record.SetNumber(PriceField::Price, price);
        record.SetText(PriceField::Currency, currency);
        prices.push_back({key, record});
    }
    return prices;
}

// Each key adds one unit of item "KR <key>", priced by that key ("X" has no price).
QuotationItems Items(std::string_view keys, char separator = '.')
{
    QuotationItems items({separator, '\0'});
    const PriceRecordList prices = Prices();
    for (const char key : keys)
        items.AddQuotationItem("KR " + std::string(1, key), std::string(1, key), prices);
    return items;
}

// The texts line by line: "page/y: text@x ...", bold texts marked with "*".
std::vector<std::string> Letter(const RecordingCanvas& canvas)
{
    std::map<std::pair<int, int>, std::map<int, std::string>> lines;
    int page = 1;
    for (const auto& call : canvas.Calls()) {
        page += call.What == Kind::NewPage;
        if (call.What == Kind::Text)
            lines[{page, call.Points[0].Y}][call.Points[0].X] = call.Text + (call.TextFont.Bold ? "*" : "");
    }
    std::vector<std::string> result;
    for (const auto& [where, texts] : lines) {
        std::string line = std::to_string(where.first) + "/" + std::to_string(where.second) + ":";
        for (const auto& [x, text] : texts)
            line += " " + text + "@" + std::to_string(x);
        result.push_back(line);
    }
    return result;
}

std::vector<std::string> LetterOf(const QuotationItems& items, int pricePct, char separator = '.',
                                  RecordingCanvas* keep = nullptr, const std::string& att = "Ann")
{
    RecordingCanvas local({600, 900}, {96, 96});
    RecordingCanvas& canvas = keep ? *keep : local;
    canvas.Bitmaps[std::filesystem::path("pics") / "kalvorn.bmp"] = {100, 50};
    const PrintContext context{Texts, {separator, '\0'}, "pics", false, {}, {}};
    const QuotationLetter letter{{"Firm", "Street"}, att, "R1", "O1", "1.2.26", "Q1"};
    PrintQuotation(canvas, context, letter, items, {"4 weeks", "Ex works", "30 days", "Ann Signer", pricePct});
    return Letter(canvas);
}

// On a 600 x 900 page at 96 dpi: margins 60, column unit 40, 12-point
// letters 8 pixels wide and lines 18 high.
TEST(QuotationPrint, LetterFromLetterheadToSignature)
{
    RecordingCanvas canvas({600, 900}, {96, 96});
    EXPECT_EQ(LetterOf(Items("ABB"), 10, '.', &canvas),
              (std::vector<std::string>{
                  "1/121: Firm@60", "1/139: Street@60", "1/140: KG@440", "1/153: Ad@440", "1/166: Po@440",
                  "1/175: Att. Ann@60", "1/179: Co@440", "1/192: Ph@440", "1/205: Fx@440",
                  "1/308: Your R1@60 Our O1@225 Date 1.2.26@390", "1/344: No. Q1*@60", "1/371: Dear Ann,@60",
                  "1/407: Pos@60 Item@92 Qty@300 Price@332 Total@444",
                  "1/443: 1@60 KR A@92 1@300 EUR@332 600.00@388 EUR@444 600.00@508",
                  "1/461: 2@60 KR B@92 2@300 EUR@332 200.00@388 EUR@444 400.00@508",
                  "1/515: Gross@60 EUR@444 1000.00@500", "1/533: Discount 10%@60 EUR@444 100.00@508",
                  "1/555: Nett*@60 EUR*@444 900.00*@508", "1/591: Lead@60 4 weeks@150",
                  "1/609: Deliv@60 Ex works@150", "1/627: Pay@60 30 days@150", "1/663: Valid@60", "1/699: Cost@60",
                  "1/735: Hope@60", "1/840: More@519",
                  // The greeting needs four lines above the bottom margin, so it goes on with the signature.
                  "2/60: Regards@60", "2/114: Ann Signer@60"}));

    std::vector<std::pair<Point, Point>> rules;
    for (const auto& line : canvas.CallsOf(Kind::Line))
        rules.emplace_back(line.Points[0], line.Points[1]);
    EXPECT_EQ(rules, (std::vector<std::pair<Point, Point>>{
                         {{60, 425}, {548, 425}}, {{60, 497}, {548, 497}}, {{444, 551}, {548, 551}}}));
    const auto logo = canvas.CallsOf(Kind::Bitmap);
    ASSERT_EQ(logo.size(), 1u);
    EXPECT_EQ(logo[0].Box, (Rect{440, 60, 540, 110}));
    EXPECT_EQ(canvas.Calls().front().Text, "Quotation Q1");
    EXPECT_EQ(canvas.Calls().back().What, Kind::EndDocument);
}

TEST(QuotationPrint, GreetingWithoutAContactPersonNamesNobody)
{
    for (const std::string att : {"", "   "}) {
        const std::vector<std::string> letter = LetterOf(Items("A"), 0, '.', nullptr, att);
        EXPECT_NE(std::ranges::find(letter, "1/371: Dear all,@60"), letter.end()) << '"' << att << '"';
    }
}

struct SumsCase {
    std::string_view Keys;
    int PricePct;
    char Separator;
    std::vector<std::string> Sums;  // the lines from the gross price to the nett price
};

TEST(QuotationPrint, SumsInTheFirstItemsCurrencyWithTheDiscountOnlyWhenGranted)
{
    const SumsCase cases[] = {
        {"AB", 0, '.', {"1/515: Gross@60 EUR@444 800.00@508", "1/537: Nett*@60 EUR*@444 800.00*@508"}},
        {"AB", 10, ',', {"1/515: Gross@60 EUR@444 800,00@508", "1/533: Discount 10%@60 EUR@444 80,00@516",
                         "1/555: Nett*@60 EUR*@444 720,00*@508"}},
        // Unpriced items print zero in "??" and add nothing; a later currency is not the sums'.
        {"XAC", 0, '.', {"1/533: Gross@60 ??@444 650.00@508", "1/555: Nett*@60 ??*@444 650.00*@508"}},
        {"", 25, '.', {"1/479: Gross@60 @444 0.00@524", "1/497: Discount 25%@60 @444 0.00@524",
                       "1/519: Nett*@60 *@444 0.00*@524"}},
    };
    for (const SumsCase& c : cases) {
        const std::vector<std::string> letter = LetterOf(Items(c.Keys, c.Separator), c.PricePct, c.Separator);
        const auto gross = std::ranges::find_if(letter, [](const auto& line) { return line.find(" Gross@") != std::string::npos; });
        const auto nett = std::ranges::find_if(letter, [](const auto& line) { return line.find(" Nett*@") != std::string::npos; });
        ASSERT_TRUE(gross != letter.end() && nett != letter.end()) << c.Keys;
        EXPECT_EQ(std::vector<std::string>(gross, nett + 1), c.Sums) << c.Keys << " " << c.PricePct;
    }
}

TEST(QuotationPrint, ItemsPastTheFootContinueAtTheTopOfTheNextPage)
{
    QuotationItems items;
    const PriceRecordList prices = Prices();
    for (int i = 1; i <= 21; ++i)
        items.AddQuotationItem("KR " + std::to_string(i), "C", prices);
    const std::vector<std::string> letter = LetterOf(items, 0);
    const auto at = [&letter](std::string_view start) {
        return std::ranges::find_if(letter, [&](const auto& line) { return line.starts_with(start); });
    };
    // The item at 785 leaves three lines above the bottom margin; the next would not.
    ASSERT_NE(at("1/785: 20@60"), letter.end());
    EXPECT_EQ(*std::next(at("1/785: 20@60")), "1/840: More@519");
    EXPECT_EQ(*std::next(at("1/840:")), "2/60: 21@60 KR 21@92 1@300 USD@332 50.00@396 USD@444 50.00@516");
    EXPECT_NE(at("2/114: Gross@60 USD@444 1050.00@500"), letter.end());
}

}  // namespace
}  // namespace kr
