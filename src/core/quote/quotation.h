#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/quote/price_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace kr {

// Shown for the unit price, total and currency of an item without a price.
inline constexpr std::string_view UnknownPrice = "??";

// A price as the quotation shows it: "%.2f" with the format's separator.
std::string QuotationPriceText(Extended price, const FormatSettings& format);

// A price of the price list or a record that can be offered: a number, and
// none beyond what any real price comes near. Any other is damaged and is
// shown as an unknown price.
bool IsRealPrice(Extended price);

// One line of a quotation, its money as the texts shown and printed.
struct QuotationItem {
    std::string ItemNo;     // the key of its price: a cooler's ItemNo, an accessory's PriceKey
    std::string Designation;
    int Quantity = 1;       // a whole number, never below 1
    std::string UnitPrice;  // "%.2f" with the locale's separator, or "??"
    std::string Total;      // Quantity times UnitPrice as read back, or "??"
    std::string Currency;   // of the price record, or "??"
};

enum class QuantityChange { Changed, Refused };

// The items of an offer in the order they came in; the item at position p
// (1, 2, ...) is Items()[p - 1]. An item is known by its designation, in
// any letter case: adding it again counts one more of it. A total is always
// worked out from the unit price text the item shows, so that what is
// printed adds up.
class QuotationItems {
public:
    explicit QuotationItems(const FormatSettings& format = {});

    // One more unit of the item, or a new item at the end with the price
    // of its key ("??" when the price list is empty or lacks the key).
    // Returns the item's position.
    int AddQuotationItem(std::string_view designation, std::string_view priceKey, const PriceRecordList& prices);

    // An item as it was saved, its unit price and currency kept as they
    // were offered (UnitPrice a text of this format or "??"); its total is
    // worked out again. An item of the same designation takes its quantity
    // on top (up to the largest whole number). Returns the item's position.
    int AddSavedItem(const QuotationItem& item);

    // Refused (the caller beeps) below a quantity of 1, beyond the largest
    // whole number and for a position without an item.
    QuantityChange IncreaseQuantity(int position);
    QuantityChange DecreaseQuantity(int position);

    // The items after it move up one position; false when there is none.
    bool DeleteItem(int position);
    void Reset();

    const std::vector<QuotationItem>& Items() const { return items_; }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const FormatSettings& Format() const { return format_; }

private:
    QuotationItem* ItemAt(int position);
    void SetQuantity(QuotationItem& item, int quantity) const;

    FormatSettings format_;
    std::vector<QuotationItem> items_;
};

// Columns of the items grid: the fixed column that holds the delete button,
// then position, designation, quantity, unit price, total and currency.
namespace ItemColumn {
inline constexpr int Delete = 0;
inline constexpr int Position = 1;
inline constexpr int Designation = 2;
inline constexpr int Quantity = 3;
inline constexpr int UnitPrice = 4;
inline constexpr int Total = 5;
inline constexpr int Currency = 6;
inline constexpr int Count = 7;
}  // namespace ItemColumn

// The texts of the items grid, row by row: the headings, one row per item,
// and the empty row that always ends the grid.
using ItemsGrid = std::vector<std::vector<std::string>>;
ItemsGrid ItemsGridCells(const QuotationItems& quotation, const LanguageTable& texts);

// The sums of an offer as the printed quotation states them: the totals the
// items show added up ("??" counts as 0), the discount of the offer and what
// is left, all in the first item's currency.
struct QuotationSums {
    Extended Gross = 0;
    Extended Discount = 0;  // Gross times the discount percentage
    Extended Nett = 0;
    std::string Currency;   // empty without items
};
QuotationSums SumQuotation(const QuotationItems& quotation, int discountPct);

}  // namespace kr
