#include "core/quote/price_disk.h"

#include "core/data/text_keys.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace kr {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const tPriceType& record)
{
    return std::string(reinterpret_cast<const char*>(record.Record.data()), record.Record.size());
}

// A header and two items.
std::string PriceDisk(std::string_view publisher)
{
    tPriceType header;
    header.SetText(PriceField::DiskDate, "2024-09-01");
    header.SetInteger(PriceField::DiskID, -42);
    header.SetText(PriceField::Publisher, publisher);
    header.SetText(PriceField::EndDate, "2025-06-30");
    std::string bytes = Bytes(header);
    for (const char* itemNo : {"KR010-A2", "KR010-A4"}) {
        tPriceType item;
        item.SetText(PriceField::ItemNo, itemNo);
        item.SetNumber(PriceField::Price, 4750);
        item.SetText(PriceField::Currency, "DKK");
        bytes += Bytes(item);
    }
    return bytes;
}

const LanguageTable& English()
{
    static const LanguageList languages = LoadLanguageList(fs::path(KR_SOURCE_DIR) / "data" / "lang");
    return FindLanguage(languages, "English")->Table;
}

std::vector<std::string> Contents(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

class PriceDiskTest : public ::testing::Test {
protected:
    void SetUp() override { folder.Write("Price.dat", oldPrices); }

    test::TempDir folder;
    const std::string oldPrices = PriceDisk("Old prices");
    const fs::path priceFile = folder / "Price.dat";
};

TEST_F(PriceDiskTest, ShowsTheHeaderAsLabelTabValueAndReplacesThePriceFile)
{
    const std::string newPrices = PriceDisk("Kalvorn Group, price list DK 2024/2");
    const fs::path source = folder.Write("disk.dat", newPrices);
    const PriceDiskCheck check = CheckPriceDisk(source);
    ASSERT_TRUE(check.Fit());
    EXPECT_EQ(check.Size, 300u);
    EXPECT_EQ(PriceDiskHeaderLines(check.Header, English()),
              (std::vector<std::string>{"Issue date\t2024-09-01", "Price disk no.\t-42",
                                        "Issued by\tKalvorn Group, price list DK 2024/2", "Valid until\t2025-06-30"}));

    const PriceFileReplacement done = ReplacePriceFile(source, priceFile);
    ASSERT_TRUE(done.Replaced()) << done.Written.error;
    EXPECT_EQ(PriceUpdateFailureText(done, English(), {}), "");
    EXPECT_EQ(test::ReadText(priceFile), newPrices);
    EXPECT_EQ(Contents(folder.Path()), (std::vector<std::string>{"Price.dat", "disk.dat"}));
}

TEST_F(PriceDiskTest, RefusedFilesLeaveThePriceFileAsItWasAndSayWhy)
{
    const std::string fine = PriceDisk("New prices");
    const struct {
        const char* Name;
        std::string Contents;  // none: a folder of that name
        PriceDiskFault Fault;
        const char* Says;
    } cases[] = {
        {"cut.dat", fine.substr(0, 250), PriceDiskFault::PartialRecord, "its size of 250 bytes is not a whole number"},
        {"empty.dat", "", PriceDiskFault::NoHeader, "shorter than the header"},
        {"folder.dat", {}, PriceDiskFault::Unreadable, "cannot be read. The system reports: Is a directory"},
        {"missing.dat", {}, PriceDiskFault::Unreadable, "The system reports: No such file or directory"},
    };
    fs::create_directory(folder / "folder.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path source = folder / c.Name;
        if (!c.Contents.empty() || c.Fault == PriceDiskFault::NoHeader)
            folder.Write(c.Name, c.Contents);
        const auto before = Contents(folder.Path());

        EXPECT_EQ(CheckPriceDisk(source).Fault, c.Fault);
        const PriceFileReplacement refused = ReplacePriceFile(source, priceFile);
        EXPECT_FALSE(refused.Replaced());
        EXPECT_EQ(refused.Source.Fault, c.Fault);
        EXPECT_EQ(test::ReadText(priceFile), oldPrices);
        EXPECT_EQ(Contents(folder.Path()), before);

        const std::string text = PriceUpdateFailureText(refused, English(), {});
        EXPECT_NE(text.find(source.string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.Says), std::string::npos) << text;
        EXPECT_TRUE(text.ends_with("\n\nThe present prices are kept.")) << text;
    }
}

TEST_F(PriceDiskTest, AFailedWriteLeavesThePriceFileAsItWasAndSaysWhy)
{
    const fs::path source = folder.Write("disk.dat", PriceDisk("New prices") + PriceDisk("More"));
    // The disk fills up before the new file is whole.
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit full{oldPrices.size(), saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    const PriceFileReplacement failed = ReplacePriceFile(source, priceFile);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);
    EXPECT_TRUE(failed.Source.Fit());
    EXPECT_FALSE(failed.Replaced());
    EXPECT_EQ(failed.Written.code, std::errc::file_too_large);
    EXPECT_EQ(test::ReadText(priceFile), oldPrices);
    EXPECT_EQ(Contents(folder.Path()), (std::vector<std::string>{"Price.dat", "disk.dat"}));
    EXPECT_EQ(PriceUpdateFailureText(failed, English(), {}),
              English().Lookup(keys::ErrorPricefile.Key) +
                  "\n\nThe file is too large for the target drive.\n\nThe present prices are kept.");
}

}  // namespace
}  // namespace kr
