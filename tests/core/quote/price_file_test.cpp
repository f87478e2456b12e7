#include "core/quote/price_file.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

tPriceType Header(std::string_view publisher)
{
    tPriceType r;
    r.SetText(PriceField::Publisher, publisher);
    r.SetText(PriceField::DiskDate, "2026-01-01");
    r.SetInteger(PriceField::DiskID, 7);
    return r;
}

tPriceType Item(std::string_view itemNo, Extended price, std::string_view currency)
{
    tPriceType r;
    r.SetText(PriceField::ItemNo, itemNo);
    r.SetNumber(PriceField::Price, price);
    r.SetText(PriceField::Currency, currency);
    return r;
}

std::string FileBytes(const std::vector<tPriceType>& records)
{
    std::string bytes;
    for (const auto& r : records)
        bytes.append(reinterpret_cast<const char*>(r.Record.data()), r.Record.size());
    return bytes;
}

TEST(PriceFile, KeysTheHeaderByPublisherAndItemsByItemNo)
{
    PriceRecordList table;
    std::vector<std::size_t> progress;
    const auto error = ParsePriceRecords(
        FileBytes({Header("Kalvorn Sales"), Item("100-200", 1234.5L, "DKK"), Item("100-200", 99, "EUR")}), table,
        [&](std::size_t done, std::size_t total) { progress.push_back(done * 10 + total); });
    EXPECT_EQ(error, "");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].Key, "Kalvorn Sales");
    EXPECT_EQ(table[0].Record.DiskID(), 7);
    EXPECT_EQ(table[1].Key, "100-200");
    EXPECT_EQ(progress, (std::vector<std::size_t>{13, 23, 33}));
}

TEST(PriceFile, PartialRecordKeepsTheWholeOnesAndFails)
{
    PriceRecordList table;
    const std::string bytes = FileBytes({Header("P"), Item("A", 1, "DKK"), Item("B", 2, "DKK")}).substr(0, 250);
    EXPECT_EQ(ParsePriceRecords(bytes, table), "Error Pricefile");
    EXPECT_EQ(table.size(), 2u);
}

TEST(PriceFile, MissingOrEmptyFileGivesAnEmptyTableWithoutError)
{
    test::TempDir dir;
    PriceRecordList table;
    EXPECT_EQ(LoadPriceRecords(dir / "Price.dat", table), "");
    EXPECT_EQ(LoadPriceRecords(dir.Write("Price.dat", ""), table), "");
    EXPECT_TRUE(table.empty());

    EXPECT_EQ(LoadPriceRecords(dir.Write("Price.dat", FileBytes({Header("Only a header")})), table), "");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].Key, "Only a header");

    std::filesystem::create_directory(dir / "Folder.dat");
    EXPECT_EQ(LoadPriceRecords(dir / "Folder.dat", table), "Error Pricefile");
}

TEST(PriceLookup, FirstMatchIgnoringCaseElseZeroAndDkk)
{
    PriceRecordList table;
    ParsePriceRecords(FileBytes({Header("P"), Item("kr-30-a4", 5000, "EUR"), Item("KR-30-A4", 1, "DKK")}), table);

    const PriceLookup found = LookUpPrice(table, "KR-30-A4");
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Price, 5000);
    EXPECT_EQ(found.Currency, "EUR");

    const PriceLookup missing = LookUpPrice(table, "KR-99");
    EXPECT_FALSE(missing.Found);
    EXPECT_EQ(missing.Price, 0);
    EXPECT_EQ(missing.Currency, "DKK");
    EXPECT_FALSE(LookUpPrice({}, "").Found);
}

}  // namespace
}  // namespace kr
