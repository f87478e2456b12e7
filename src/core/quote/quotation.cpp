#include "core/quote/quotation.h"

#include "core/common/number_text.h"
#include "core/common/text_case.h"
#include "core/data/text_keys.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kr {

namespace {
constexpr std::string_view PricePattern = "%.2f";
constexpr Extended Percent = 0.01L;
}  // namespace

bool IsRealPrice(Extended price)
{
    // Not a number fails the comparison too.
    constexpr Extended LargestPrice = 1e15L;
    return std::fabs(price) <= LargestPrice;
}

std::string QuotationPriceText(Extended price, const FormatSettings& format)
{
    return kr::Format(PricePattern, {price}, format);
}

QuotationItems::QuotationItems(const FormatSettings& format) : format_(format) {}

int QuotationItems::AddQuotationItem(std::string_view designation, std::string_view priceKey,
                                const PriceRecordList& prices)
{
    const auto known = std::ranges::find_if(
        items_, [&](const QuotationItem& item) { return SameText(item.Designation, designation); });
    if (known != items_.end()) {
        // The unit price it shows counts; the price list is not asked again.
        IncreaseQuantity(static_cast<int>(known - items_.begin()) + 1);
        return static_cast<int>(known - items_.begin()) + 1;
    }

    QuotationItem item;
    item.ItemNo = std::string(priceKey);
    item.Designation = std::string(designation);
    item.UnitPrice = item.Total = item.Currency = std::string(UnknownPrice);
    if (!prices.empty()) {
        const PriceLookup price = LookUpPrice(prices, priceKey);
        if (price.Found && IsRealPrice(price.Price)) {
            item.UnitPrice = item.Total = QuotationPriceText(price.Price, format_);
            item.Currency = price.Currency;
        }
    }
    items_.push_back(std::move(item));
    return ItemCount();
}

int QuotationItems::AddSavedItem(const QuotationItem& item)
{
    const auto known = std::ranges::find_if(
        items_, [&](const QuotationItem& shown) { return SameText(shown.Designation, item.Designation); });
    if (known != items_.end()) {
        const int room = std::numeric_limits<int>::max() - known->Quantity;
        SetQuantity(*known, known->Quantity + std::min(room, std::max(item.Quantity, 0)));
        return static_cast<int>(known - items_.begin()) + 1;
    }
    QuotationItem& added = items_.emplace_back(item);
    SetQuantity(added, std::max(item.Quantity, 1));
    if (added.UnitPrice == UnknownPrice)
        added.Total = UnknownPrice;
    return ItemCount();
}

QuotationItem* QuotationItems::ItemAt(int position)
{
    return position >= 1 && position <= ItemCount() ? &items_[static_cast<std::size_t>(position - 1)] : nullptr;
}

void QuotationItems::SetQuantity(QuotationItem& item, int quantity) const
{
    item.Quantity = quantity;
    if (item.UnitPrice == UnknownPrice)
        return;
    const Extended unitPrice = TextToNumber(item.UnitPrice, 0, format_.DecimalSeparator);
    item.Total = QuotationPriceText(static_cast<Extended>(quantity) * unitPrice, format_);
}

QuantityChange QuotationItems::IncreaseQuantity(int position)
{
    QuotationItem* item = ItemAt(position);
    if (!item || item->Quantity == std::numeric_limits<int>::max())
        return QuantityChange::Refused;
    SetQuantity(*item, item->Quantity + 1);
    return QuantityChange::Changed;
}

QuantityChange QuotationItems::DecreaseQuantity(int position)
{
    QuotationItem* item = ItemAt(position);
    if (!item || item->Quantity < 2)
        return QuantityChange::Refused;
    SetQuantity(*item, item->Quantity - 1);
    return QuantityChange::Changed;
}

bool QuotationItems::DeleteItem(int position)
{
    if (!ItemAt(position))
        return false;
    items_.erase(items_.begin() + (position - 1));
    return true;
}

void QuotationItems::Reset()
{
    items_.clear();
}

ItemsGrid ItemsGridCells(const QuotationItems& quotation, const LanguageTable& texts)
{
    const auto row = [] { return std::vector<std::string>(ItemColumn::Count); };
    ItemsGrid cells;
    auto& headings = cells.emplace_back(row());
    headings[ItemColumn::Position] = texts.Lookup(keys::Position.Key);
    headings[ItemColumn::Designation] = texts.Lookup(keys::KrCoolerItem.Key);
    headings[ItemColumn::Quantity] = texts.Lookup(keys::Quantity.Key);
    headings[ItemColumn::UnitPrice] = texts.Lookup(keys::GrossUnitPrice.Key);
    headings[ItemColumn::Total] = texts.Lookup(keys::Total.Key);

    int position = 0;
    for (const QuotationItem& item : quotation.Items()) {
        auto& cell = cells.emplace_back(row());
        cell[ItemColumn::Position] = std::to_string(++position);
        cell[ItemColumn::Designation] = item.Designation;
        cell[ItemColumn::Quantity] = std::to_string(item.Quantity);
        cell[ItemColumn::UnitPrice] = item.UnitPrice;
        cell[ItemColumn::Total] = item.Total;
        cell[ItemColumn::Currency] = item.Currency;
    }
    cells.push_back(row());
    return cells;
}

QuotationSums SumQuotation(const QuotationItems& quotation, int discountPct)
{
    QuotationSums sums;
    for (const QuotationItem& item : quotation.Items())
        sums.Gross += TextToNumber(item.Total, 0, quotation.Format().DecimalSeparator);
    sums.Discount = sums.Gross * Percent * discountPct;
    sums.Nett = sums.Gross - sums.Discount;
    if (!quotation.Items().empty())
        sums.Currency = quotation.Items().front().Currency;
    return sums;
}

}  // namespace kr
