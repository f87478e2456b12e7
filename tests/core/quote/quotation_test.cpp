#include "core/quote/quotation.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace kr {
namespace {

PriceRecordList Prices()
{
    PriceRecordList table;
    tPriceType header;
    header.SetText(PriceField::Publisher, "Kalvorn Sales");
    table.push_back({"Kalvorn Sales", header});
    const auto item = [&](std::string_view itemNo, Extended price, std::string_view currency) {
        tPriceType r;
        r.SetText(PriceField::ItemNo, itemNo);
        r.SetNumber(PriceField::Price, price);
        r.SetText(PriceField::Currency, currency);
        table.push_back({std::string(itemNo), r});
    };
    item("100-10", 1234.5L, "DKK");
    item("100-20", 0.125L, "EUR");
    item("100-99", 1e300L, "DKK");  // damaged records
    item("100-NaN", std::numeric_limits<Extended>::quiet_NaN(), "DKK");
    return table;
}

// A script of the user's steps, one word each: "A" and "a" add the cooler
// "KR 10 AC" in two letter cases (priced), "E" adds it with an empty price
// list, "B" adds "KR 20 AC" (priced 0.125), "X" an item whose key has no
// price, "D" and "N" items whose price is damaged (huge, not a number), "+3" / "-3" change the quantity at position 3, "d2" deletes
// position 2, "R" resets. "!" records each refusal.
struct Script {
    const char* Name;
    const char* Steps;
    char Separator;
    std::vector<std::string> Rows;  // position|designation|quantity|unit price|total|currency
    std::string Refusals;
};

class QuotationScript : public testing::TestWithParam<Script> {};

TEST_P(QuotationScript, GivesTheGridRows)
{
    const Script& script = GetParam();
    const PriceRecordList prices = Prices();
    QuotationItems quotation({script.Separator, '\0'});
    std::string refusals;
    std::istringstream steps(script.Steps);
    for (std::string step; steps >> step;) {
        const int position = step.size() > 1 ? std::stoi(step.substr(1)) : 0;
        QuantityChange change = QuantityChange::Changed;
        switch (step[0]) {
        case 'A': quotation.AddQuotationItem("KR 10 AC", "100-10", prices); break;
        case 'a': quotation.AddQuotationItem("kr 10 ac", "100-10", prices); break;
        case 'E': quotation.AddQuotationItem("KR 10 AC", "100-10", {}); break;
        case 'B': quotation.AddQuotationItem("KR 20 AC", "100-20", prices); break;
        case 'X': quotation.AddQuotationItem("TB 60", "no-such-item", prices); break;
        case 'D': quotation.AddQuotationItem("KR 99", "100-99", prices); break;
        case 'N': quotation.AddQuotationItem("KR 98", "100-NaN", prices); break;
        case '+': change = quotation.IncreaseQuantity(position); break;
        case '-': change = quotation.DecreaseQuantity(position); break;
        case 'd': quotation.DeleteItem(position); break;
        case 'R': quotation.Reset(); break;
        }
        if (change == QuantityChange::Refused)
            refusals += '!';
    }
    const ItemsGrid cells = ItemsGridCells(quotation, LanguageTable({"Position=Pos.", "Total=Sum"}));
    EXPECT_EQ(cells[0][ItemColumn::Position] + cells[0][ItemColumn::Total], "Pos.Sum");
    ASSERT_EQ(cells.size(), script.Rows.size() + 2);
    for (std::size_t r = 0; r < script.Rows.size(); ++r) {
        const auto& row = cells[r + 1];
        ASSERT_EQ(row.size(), static_cast<std::size_t>(ItemColumn::Count));
        EXPECT_EQ(row[ItemColumn::Delete], "");
        std::string shown = row[ItemColumn::Position];
        for (int col = ItemColumn::Designation; col < ItemColumn::Count; ++col)
            shown += "|" + row[static_cast<std::size_t>(col)];
        EXPECT_EQ(shown, script.Rows[r]) << "row " << r + 1;
    }
    EXPECT_EQ(cells.back(), std::vector<std::string>(ItemColumn::Count));  // the empty last row
    EXPECT_EQ(refusals, script.Refusals);
}

INSTANTIATE_TEST_SUITE_P(
    QuotationItems, QuotationScript,
    testing::Values(
        Script{"SameCoolerInAnyCaseCountsUp", "A B a", '.',
               {"1|KR 10 AC|2|1234.50|2469.00|DKK", "2|KR 20 AC|1|0.13|0.13|EUR"}, ""},
        // 2 x "0.13" as shown, not 2 x 0.125 from the price list.
        Script{"TotalFromTheShownUnitPrice", "B B +1", '.', {"1|KR 20 AC|3|0.13|0.39|EUR"}, ""},
        Script{"UnknownPriceStaysUnknown", "X X +1 -1 E a", '.', {"1|TB 60|2|??|??|??", "2|KR 10 AC|2|??|??|??"}, ""},
        Script{"DamagedPricesAreUnknown", "D N +1", '.', {"1|KR 99|2|??|??|??", "2|KR 98|1|??|??|??"}, ""},
        Script{"DeletingRenumbers", "A B X d2", '.', {"1|KR 10 AC|1|1234.50|1234.50|DKK", "2|TB 60|1|??|??|??"}, ""},
        Script{"DeletedCoolerComesBackAtTheEnd", "A B d1 a", '.',
               {"1|KR 20 AC|1|0.13|0.13|EUR", "2|kr 10 ac|1|1234.50|1234.50|DKK"}, ""},
        Script{"NeverBelowOne", "A -1 +1 -1 -1 +2 -2 d5", '.', {"1|KR 10 AC|1|1234.50|1234.50|DKK"}, "!!!!"},
        Script{"DecimalComma", "A a a", ',', {"1|KR 10 AC|3|1234,50|3703,50|DKK"}, ""},
        Script{"ResetEmpties", "A X R B", '.', {"1|KR 20 AC|1|0.13|0.13|EUR"}, ""}),
    [](const testing::TestParamInfo<Script>& param) { return std::string(param.param.Name); });

}  // namespace
}  // namespace kr
