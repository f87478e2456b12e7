#include "krdata/price_file.h"

#include "core/quote/price_type.h"
#include "krdata/data_error.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

constexpr std::string_view Columns = "Record,DiskDate,DiskID,Publisher,EndDate,ItemNo,Price,Currency\n";

tPriceType RecordAt(const std::string& bytes, std::size_t n)
{
    tPriceType record;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(n * PriceRecordSize), PriceRecordSize,
                record.Record.begin());
    return record;
}

std::string ErrorOf(std::string_view csv)
{
    try {
        PriceFileFromCsv(csv);
    } catch (const DataError& error) {
        return error.what();
    }
    return "no error";
}

TEST(PriceFile, HeaderFirstThenItemsEachInItsFields)
{
    const std::string csv = std::string(Columns) +
                            "header,2024-03-01,41,\"Kalvorn Group, price list\",2024-12-31,,,\n"
                            "item,,,,,KR030-A4,7350,DKK\n"
                            "item,,,,,KRC040,2600.54,EUR\n";
    const std::string bytes = PriceFileFromCsv(csv);
    ASSERT_EQ(bytes.size(), 3 * PriceRecordSize);

    const tPriceType header = RecordAt(bytes, 0);
    EXPECT_EQ(header.DiskDate(), "2024-03-01");
    EXPECT_EQ(header.DiskID(), 41);
    EXPECT_EQ(header.Publisher(), "Kalvorn Group, price list");
    EXPECT_EQ(header.EndDate(), "2024-12-31");

    const tPriceType item = RecordAt(bytes, 2);
    EXPECT_EQ(item.ItemNo(), "KRC040");
    EXPECT_EQ(item.Price(), 2600.54L);
    EXPECT_EQ(item.Currency(), "EUR");
    EXPECT_EQ(item.Record[0], 0);
    for (std::size_t i = PriceField::Currency.offset + 1 + 3; i < PriceRecordSize; ++i)
        EXPECT_EQ(item.Record[i], 0) << "byte " << i;

    EXPECT_EQ(PriceCsvFromFile(bytes), csv);
}

TEST(PriceFile, ColumnsInAnyOrderAndAnEmptyList)
{
    const std::string bytes = PriceFileFromCsv("ItemNo,Record,Price\n,header,\nTB-075-40,item,650\n");
    ASSERT_EQ(bytes.size(), 2 * PriceRecordSize);
    EXPECT_EQ(RecordAt(bytes, 1).ItemNo(), "TB-075-40");
    EXPECT_EQ(RecordAt(bytes, 1).Price(), 650);
    EXPECT_EQ(RecordAt(bytes, 0).Publisher(), "");

    EXPECT_EQ(PriceFileFromCsv(Columns), "");
    EXPECT_EQ(PriceCsvFromFile(""), Columns);
}

TEST(PriceFile, BadInputNamesRowAndColumn)
{
    struct Case {
        std::string csv;
        std::string message;
    };
    const std::string c(Columns);
    const Case cases[] = {
        {"ItemNo,Price\n", "no error"},
        {"ItemNo,Price\nA,1\n", "no column Record saying which row is the header and which are items"},
        {c + "item,,,,,A,1,DKK\n", "row 2, column Record: the first data row must be the header record"},
        {c + "header,,,,,,,\nheader,,,,,,,\n", "row 3, column Record: only the first data row is the header record"},
        {c + "Header,,,,,,,\n", "row 2, column Record: \"Header\" is neither \"header\" nor \"item\""},
        {c + "header,,1,,,A,,\n", "row 2, column ItemNo: must be empty in a header row"},
        {c + "header,,,,,,,\nitem,,7,,,A,1,DKK\n", "row 3, column DiskID: must be empty in an item row"},
        {c + "header,,x,,,,,\n", "row 2, column DiskID: \"x\" is not a whole number in the 32-bit range"},
        {c + "header,,,,,,,\nitem,,,,,A,1 DKK,\n", "row 3, column Price: \"1 DKK\" is not a finite decimal number"},
        {c + "header,,,,,,,\nitem,,,,,12345678901234567,1,DKK\n",
         "row 3, column ItemNo: the text has 17 characters, the field holds at most 16"},
        {"Record,Discount\n", "row 1, column 2: unknown column name \"Discount\""},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ErrorOf(k.csv), k.message) << k.csv;
}

TEST(PriceFile, DumpRejectsAPartialRecord)
{
    EXPECT_THROW(PriceCsvFromFile(std::string(250, '\0')), DataError);
}

}  // namespace
}  // namespace kr
