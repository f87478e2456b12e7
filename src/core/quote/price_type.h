#pragma once

#include "core/common/extended.h"
#include "core/data/fixed_record.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kr {

inline constexpr std::size_t PriceRecordSize = 100;

// Price.dat: the first record is a header, every later one an item. Both are
// 100 bytes and differ only in how the bytes are read.
namespace PriceField {
inline constexpr RecordField DiskDate = ShortStringField("DiskDate", 1, 22);
inline constexpr RecordField DiskID = Int32Field("DiskID", 24);
inline constexpr RecordField Publisher = ShortStringField("Publisher", 28, 50);
inline constexpr RecordField EndDate = ShortStringField("EndDate", 79, 20);

inline constexpr RecordField ItemNo = ShortStringField("ItemNo", 1, 16);
inline constexpr RecordField Price = ExtendedField("Price", 18);
inline constexpr RecordField Currency = ShortStringField("Currency", 28, 50);

inline constexpr std::array HeaderFields = {DiskDate, DiskID, Publisher, EndDate};
inline constexpr std::array ItemFields = {ItemNo, Price, Currency};
}  // namespace PriceField

// One record of the price file, kept verbatim.
struct tPriceType : FixedRecord<PriceRecordSize> {

    using FixedRecord::FixedRecord;

    // Header reading.
    std::string DiskDate() const { return Text(PriceField::DiskDate); }
    std::int32_t DiskID() const { return Integer(PriceField::DiskID); }
    std::string Publisher() const { return Text(PriceField::Publisher); }
    std::string EndDate() const { return Text(PriceField::EndDate); }
    // Item reading.
    std::string ItemNo() const { return Text(PriceField::ItemNo); }
    Extended Price() const { return Number(PriceField::Price); }
    std::string Currency() const { return Text(PriceField::Currency); }
};

}  // namespace kr
