// krcool document: each printout written as a PDF file and read back with
// poppler's pdftotext and pdfinfo, on the distribution folder of the build
// and a settings file of the test's own.
#include "cli_support.h"
#include "json_reader.h"
#include "cli/options.h"
#include "core/quote/quotation_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace kr::test {

namespace {

const std::vector<std::string> Duty{"--heat", "10", "--flow", "80", "--ambient", "30", "--inlet", "60", "--drive", "400"};
constexpr std::string_view Sender = "Hydraulik Nord GmbH";

std::string Output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            text.append(buffer.data(), n);
        pclose(pipe);
    }
    return text;
}

std::string PdfText(const std::filesystem::path& pdf) { return Output("pdftotext -q '" + pdf.string() + "' -"); }

bool Landscape(const std::filesystem::path& pdf)
{
    // "Page size:      841.89 x 595.28 pts (A4)"
    const std::string info = Output("pdfinfo '" + pdf.string() + "'");
    double width = 0;
    double height = 0;
    const auto at = info.find("Page size:");
    return at != std::string::npos && std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &width, &height) == 2 &&
           width > height;
}

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Installed, with the pictures of the build and the user's own name on paper.
        const std::string settings = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vossbridge\\Kalvorn\\KRCool]\n"
                                     "\"Installed\"=dword:00000001\n\"BitmapDir\"=\"" +
                                     DistDir.string() + "/\"\n\"NameOnPrint\"=dword:00000001\n\"NameAddress\"=\"" +
                                     std::string(Sender) + "\"\n";
        setenv("KRCOOL_REGISTRY", dir_.Write("KRCool.reg", settings).c_str(), 1);
    }
    void TearDown() override { unsetenv("KRCOOL_REGISTRY"); }

    CliRun Document(const std::string& kind, const std::vector<std::string>& options, const std::string& pdf)
    {
        return RunOnDist(Joined(Joined({"document", kind}, options), {"--pdf", (dir_ / pdf).string()}));
    }

    TempDir dir_;
};

TEST_F(DocumentTest, EachDocumentPrintsItsPagesOrTellsWhyNot)
{
    const CliRun select = RunOnDist(Joined({"select", "--json"}, Duty));
    ASSERT_EQ(select.ExitCode, 0) << select.Err;
    const std::string firstRow = JsonReader::Parse(select.Out)["rows"][0]["Designation"].Text;
    const std::string secondRow = JsonReader::Parse(select.Out)["rows"][1]["Designation"].Text;

    SavedQuotation saved;
    saved.Header = {{"Maschinenbau Ost", "Hafenstr. 4"}, "Mr Berg", "RFQ 118", "JS", "08.12.2026", "Q-17/3"};
    saved.DiscountPct = 10;
    saved.Items.push_back({});
    saved.Items.back().ItemNo = "KR30-400-4";
    saved.Items.back().Designation = firstRow;
    saved.Items.back().Quantity = 2;
    saved.Items.back().UnitPrice = "1234.50";
    saved.Items.back().Currency = "EUR";
    ASSERT_TRUE(WriteQuotationFile(dir_ / "offer.krq", saved).Ok());
    const std::string future = QuotationFileText(saved);
    dir_.Write("future.krq", future.substr(0, future.find("\"version\"")) + "\"version\": 999," +
                                 future.substr(future.find(',', future.find("\"version\"")) + 1));

    struct Case {
        std::string Kind;
        std::vector<std::string> Options;
        int ExitCode;
        std::vector<std::string> Texts;  // in the PDF, or in the message when it fails
        bool Landscape = false;
    };
    const std::vector<Case> cases{
        {"technical", Joined(Duty, {"--row", "1", "--lang", "Deutsch"}), 0,
         {firstRow, "Technische Daten", "Kühlleistung", std::string(Sender)}},
        {"technical", Joined(Duty, {"--row", "2", "--prices"}), 0, {secondRow, "Price"}},
        {"curves", Duty, 0, {firstRow, "Cooling performance", "Pressure loss"}, true},
        {"drawing", Duty, 0, {firstRow, "Cooler", "Fan"}, true},
        {"technical", {"--type", "KR 10", "--drive", "AC", "--motor", "24 V", "--flow", "30", "--ambient", "30",
                       "--inlet", "60"}, 0, {"KR 10 DC 24V"}},
        {"curves", {"--type", "KRC 30", "--drive", "KRC", "--ambient", "30", "--inlet", "60"}, 1,
         {"no performance curves"}},
        {"instructions", {"--lang", "Deutsch"}, 0, {"Allgemeines", "Sicherheitshinweise"}},
        {"quotation", {"--quotation", (dir_ / "offer.krq").string()}, 0,
         {"Maschinenbau Ost", "RFQ 118", "Q-17/3", firstRow, "1234.50", "2469.00", "2222.10"}},
        {"quotation", {"--quotation", (dir_ / "future.krq").string()}, 1, {"999"}},
        {"quotation", {"--quotation", (dir_ / "missing.krq").string()}, 1, {"missing.krq"}},
        {"technical", Joined(Duty, {"--row", "99"}), cli::UsageExitCode, {"--row 99"}},
        {"technical", {"--heat", "10", "--drive", "400"}, 2, {"1."}},
        {"brochure", {}, cli::UsageExitCode, {"technical, drawing, curves, quotation, instructions"}},
        {"technical", {}, cli::UsageExitCode, {"needs a cooler"}},
        {"quotation", {}, cli::UsageExitCode, {"--quotation"}},
        {"instructions", {"--prices"}, cli::UsageExitCode, {"--prices"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string pdf = "case" + std::to_string(i) + ".pdf";
        SCOPED_TRACE(c.Kind + " " + pdf);
        const CliRun run = Document(c.Kind, c.Options, pdf);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Err;
        EXPECT_EQ(std::filesystem::exists(dir_ / pdf), c.ExitCode == 0);
        const std::string shown = c.ExitCode == 0 ? PdfText(dir_ / pdf) : run.Err;
        for (const std::string& text : c.Texts)
            EXPECT_NE(shown.find(text), std::string::npos) << text << " not in:\n" << shown;
        if (c.ExitCode == 0) {
            EXPECT_EQ(Landscape(dir_ / pdf), c.Landscape);
        }
    }

    // Without --pdf nothing is printed.
    EXPECT_EQ(RunOnDist({"document", "instructions"}).ExitCode, cli::UsageExitCode);
}

TEST_F(DocumentTest, AFailedPrintLeavesTheOlderFileWhole)
{
    // A target that cannot be replaced: a folder of that name keeps what it holds.
    std::filesystem::create_directories(dir_ / "taken.pdf");
    dir_.Write("taken.pdf/inside.txt", "kept");
    const CliRun folder = Document("instructions", {}, "taken.pdf");
    EXPECT_EQ(folder.ExitCode, 1);
    EXPECT_NE(folder.Err.find("taken.pdf"), std::string::npos) << folder.Err;
    EXPECT_EQ(Output("cat '" + (dir_ / "taken.pdf/inside.txt").string() + "'"), "kept");

    // Instructions whose picture is missing end with a message, and the
    // older PDF stays as it was rather than half a document.
    TempDir appDir;
    std::filesystem::copy(DistDir, appDir.Path(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(appDir / "InstMounting.bmp");
    setenv("KRCOOL_REGISTRY", (dir_ / "none.reg").c_str(), 1);  // not installed: the folder's own pictures
    const std::string older = "%PDF older";
    const std::filesystem::path pdf = dir_.Write("old.pdf", older);
    const CliRun cut = RunCli({"document", "instructions", "--appdir", appDir.Path().string(), "--pdf", pdf.string()});
    EXPECT_EQ(cut.ExitCode, 1);
    EXPECT_NE(cut.Err.find("InstMounting.bmp"), std::string::npos) << cut.Err;
    EXPECT_EQ(Output("cat '" + pdf.string() + "'"), older);
}

}  // namespace

}  // namespace kr::test
