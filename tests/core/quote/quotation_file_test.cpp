#include "core/quote/quotation_file.h"

#include "../decimal_separator.h"
#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace kr {
namespace {

namespace fs = std::filesystem;

const LanguageTable& English()
{
    static const LanguageList languages = LoadLanguageList(fs::path(KR_SOURCE_DIR) / "data" / "lang");
    return FindLanguage(languages, "English")->Table;
}

SavedQuotation Sample(const FormatSettings& format)
{
    QuotationItems items(format);
    const auto add = [&](std::string itemNo, std::string designation, int quantity, std::string price,
                         std::string currency) {
        items.AddSavedItem({itemNo, designation, quantity, WithSeparator(price, format.DecimalSeparator), "",
                            currency});
    };
    add("KR30-400-4", "KR 30 AC 400V 4-pol", 2, "1234.50", "EUR");
    add("TB-60", "Thermo-Bypass 60 °C „Ölkühler“ ÄÖÜ äöü ß €", 3, "??", "??");
    add("", "kr 30 ac 400v 4-POL", 1, "99.00", "DKK");  // the same designation: its quantity adds up
    add("AD-1", "Adapter \"G 1\" \\ tab\there", 1, "-0.5", "EUR");
    return SavedQuotationOf({{"Hydraulik GmbH", "Hafenstraße 4", "20457 Hamburg"}, "Frau Müller", "RFQ 118", "JS",
                             "08.12.2026", "Q-17/3 €"},
                            10, items);
}

// A file saved with either decimal separator opens with either, with the
// same texts, quantities, prices and sums.
TEST(QuotationFile, RoundTripsEveryFieldInBothDecimalFormats)
{
    test::TempDir dir;
    for (const char saved : {'.', ','}) {
        for (const char opened : {'.', ','}) {
            const FormatSettings savedFormat{saved, '\0'};
            const FormatSettings openedFormat{opened, saved};
            const SavedQuotation quotation = Sample(savedFormat);
            const fs::path file = dir / "offer.krq";
            ASSERT_TRUE(WriteQuotationFile(file, quotation).Ok());
            const std::string text = test::ReadText(file);
            EXPECT_NE(text.find(R"("unitPrice": "1234.50")"), std::string::npos) << text;
            EXPECT_NE(text.find("„Ölkühler“ ÄÖÜ äöü ß €"), std::string::npos) << "UTF-8 as it stands";

            const QuotationFileRead read = ReadQuotationFile(file, openedFormat);
            ASSERT_EQ(read.Problem, QuotationFileProblem::None) << read.Detail;
            EXPECT_EQ(read.Version, QuotationFileVersion);
            EXPECT_EQ(read.Quotation.Header, quotation.Header);
            EXPECT_EQ(read.Quotation.DiscountPct, 10);
            const auto p = [&](std::string text) { return WithSeparator(text, opened); };
            const std::vector<std::vector<std::string>> expected = {
                {"KR30-400-4", "KR 30 AC 400V 4-pol", "3", p("1234.50"), p("3703.50"), "EUR"},
                {"TB-60", "Thermo-Bypass 60 °C „Ölkühler“ ÄÖÜ äöü ß €", "3", "??", "??", "??"},
                {"AD-1", "Adapter \"G 1\" \\ tab\there", "1", p("-0.50"), p("-0.50"), "EUR"},
            };
            std::vector<std::vector<std::string>> items;
            for (const QuotationItem& item : read.Quotation.Items)
                items.push_back({item.ItemNo, item.Designation, std::to_string(item.Quantity), item.UnitPrice,
                                 item.Total, item.Currency});
            EXPECT_EQ(items, expected) << saved << " to " << opened;

            const QuotationSums sums = SumQuotation(QuotationItemsOf(read.Quotation, openedFormat), 10);
            EXPECT_DOUBLE_EQ(static_cast<double>(sums.Gross), 3703.0);
            EXPECT_DOUBLE_EQ(static_cast<double>(sums.Discount), 370.3);
            EXPECT_DOUBLE_EQ(static_cast<double>(sums.Nett), 3332.7);
            EXPECT_EQ(sums.Currency, "EUR");
        }
    }
}

TEST(QuotationFile, RefusesWhatIsNoWholeQuotationOfThisVersion)
{
    using P = QuotationFileProblem;
    const std::string head = R"({"format": "krcool-quotation", "version": 1, )";
    const auto withItem = [&](std::string item) { return head + R"("items": [)" + item + "]}"; };
    const std::string good = R"("itemNo": "X", "designation": "KR 10", "currency": "EUR")";
    struct Case {
        std::string Text;
        P Problem;
        std::string Detail;  // a part of Detail
    };
    const Case cases[] = {
        {"KR 30 AC, 2 pieces", P::NotAQuotation, "not JSON: expected a value at line 1, column 1"},
        {"[1, 2]", P::NotAQuotation, "not a JSON object"},
        {R"({"format": "krcool-price", "version": 1, "items": []})", P::NotAQuotation, "\"format\""},
        {R"({"version": 1, "items": []})", P::NotAQuotation, "\"format\""},
        {R"({"format": "krcool-quotation", "version": 999, "items": "later"})", P::NewerVersion, "999"},
        {R"({"format": "krcool-quotation", "version": 0, "items": []})", P::Damaged, "\"version\""},
        {head + R"("date": "1.1."})", P::Damaged, "\"items\" is missing"},
        {head + R"("att": 7, "items": []})", P::Damaged, "\"att\" is not a text"},
        {head + R"("receiver": ["a", 2], "items": []})", P::Damaged, "\"receiver\""},
        {head + R"("discountPct": 101, "items": []})", P::Damaged, "\"discountPct\""},
        {withItem(R"({"designation": "KR 10", "quantity": 1, "unitPrice": "1.00"})"), P::Damaged,
         "\"currency\" of item 1 is missing"},
        {withItem("{" + good + R"(, "quantity": 0, "unitPrice": "1.00"})"), P::Damaged,
         "\"quantity\" of item 1 is not a whole number from 1"},
        {withItem("{" + good + R"(, "quantity": 1.5, "unitPrice": "1.00"})"), P::Damaged, "(1.5)"},
        {withItem("{" + good + R"(, "quantity": "2", "unitPrice": "1.00"})"), P::Damaged, "\"quantity\""},
        {withItem("{" + good + R"(, "quantity": 1, "unitPrice": "1.00"}, {)" + good +
                  R"(, "quantity": 1, "unitPrice": "abc"})"),
         P::Damaged, "\"unitPrice\" of item 2 is not a price"},
        {withItem("{" + good + R"(, "quantity": 1, "unitPrice": "1,00"})"), P::Damaged, "\"unitPrice\""},
        {withItem("7"), P::Damaged, "item 1 of \"items\" is not an object"},
        {std::string(10000, '[') + std::string(10000, ']'), P::NotAQuotation, "nested deeper than 64"},
        {head + "\"att\": \"\xC3\x28\", \"items\": []}", P::NotAQuotation, "not UTF-8 at line 1, column 54"},
        {head + R"("att": "\ud800", "items": []})", P::NotAQuotation, "surrogate"},
        {head + R"("items": [], "items": []})", P::NotAQuotation, "\"items\" is given twice"},
        {head + R"("items": [],})", P::NotAQuotation, "expected a member name"},
        {head + "\n\"items\": [] } x", P::NotAQuotation, "text after the value at line 2, column 15"},
        {head + R"("items": [], "later": {"a": [null, true, false, -1.5e3]}})", P::None, ""},
    };
    for (const Case& c : cases) {
        const QuotationFileRead read = ParseQuotationFile(c.Text, {});
        EXPECT_EQ(read.Problem, c.Problem) << c.Text.substr(0, 120) << "\n" << read.Detail;
        EXPECT_NE(read.Detail.find(c.Detail), std::string::npos) << read.Detail;
        if (c.Problem != P::None)
            EXPECT_TRUE(read.Quotation.Items.empty());
    }

    const QuotationFileRead newer = ParseQuotationFile(cases[4].Text, {});
    EXPECT_EQ(newer.Version, 999);
    EXPECT_EQ(QuotationFileProblemText(newer, "/q/offer.krq", English(), {}),
              "The quotation file /q/offer.krq was saved by a newer version of the program (file version 999; "
              "this version reads files up to version 1). Please update the program to open it.");
    const QuotationFileRead missing = ReadQuotationFile("/nonexistent/offer.krq", {});
    EXPECT_EQ(missing.Problem, P::Unreadable);
    EXPECT_EQ(missing.Reason, std::errc::no_such_file_or_directory);
}

// The disk fills up while the new file is written: the old one stays whole.
TEST(QuotationFile, AnInterruptedSaveLeavesTheOldFileWhole)
{
    test::TempDir dir;
    const fs::path file = dir / "offer.krq";
    SavedQuotation small = Sample({});
    small.Items.resize(1);
    ASSERT_TRUE(WriteQuotationFile(file, small).Ok());
    const std::string old = test::ReadText(file);

    SavedQuotation large = Sample({});
    large.Header.Receiver.assign(200, std::string(100, 'x'));
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit full{old.size() + 100, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    const FileWriteResult failed = WriteQuotationFile(file, large);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_FALSE(failed.Ok());
    EXPECT_EQ(test::ReadText(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
    EXPECT_EQ(QuotationFileWriteText(failed, file.string(), English(), {}),
              "The quotation cannot be saved in " + file.string() + ". The file is too large for the target drive.");
    EXPECT_EQ(ReadQuotationFile(file, {}).Quotation.Items.size(), 1u);
}

}  // namespace
}  // namespace kr
