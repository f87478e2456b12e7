#include "cli/command_document.h"

#include "cli/chosen_cooler.h"
#include "cli/document_jobs.h"
#include "cli/pdf_output.h"
#include "cli/session.h"
#include "cli/settings_file.h"
#include "core/print/print_settings.h"
#include "core/quote/quotation_file.h"
#include "pdf/locale_formats.h"

#include <QDate>
#include <QLocale>

#include <array>
#include <optional>

namespace kr::cli {

namespace {

enum class DocumentKind { TechnicalData, Drawing, Curves, Quotation, Instructions };

struct NamedKind {
    std::string_view Name;
    DocumentKind Kind;
};

constexpr std::array<NamedKind, 5> DocumentKinds{{
    {"technical", DocumentKind::TechnicalData},
    {"drawing", DocumentKind::Drawing},
    {"curves", DocumentKind::Curves},
    {"quotation", DocumentKind::Quotation},
    {"instructions", DocumentKind::Instructions},
}};

constexpr std::string_view PdfOption = "--pdf";
constexpr std::string_view QuotationOption = "--quotation";
constexpr std::string_view PricesFlag = "--prices";

std::optional<DocumentKind> KindNamed(std::string_view name)
{
    for (const NamedKind& kind : DocumentKinds)
        if (kind.Name == name)
            return kind.Kind;
    return std::nullopt;
}

std::string KindNames()
{
    std::string names;
    for (const NamedKind& kind : DocumentKinds)
        names += (names.empty() ? "" : ", ") + std::string(kind.Name);
    return names;
}

bool PrintsCooler(DocumentKind kind)
{
    return kind == DocumentKind::TechnicalData || kind == DocumentKind::Drawing || kind == DocumentKind::Curves;
}

std::set<std::string_view> ValueOptionsOf(DocumentKind kind)
{
    std::set<std::string_view> options{PdfOption};
    if (PrintsCooler(kind))
        options.insert(ChosenCoolerValueOptions().begin(), ChosenCoolerValueOptions().end());
    if (kind == DocumentKind::Quotation)
        options.insert(QuotationOption);
    return WithSessionOptions(std::move(options));
}

std::set<std::string_view> FlagsOf(DocumentKind kind)
{
    std::set<std::string_view> flags;
    if (PrintsCooler(kind))
        flags.insert(ChosenCoolerFlags.begin(), ChosenCoolerFlags.end());
    if (kind == DocumentKind::TechnicalData)
        flags.insert(PricesFlag);
    return flags;
}

int Usage(std::ostream& err, const std::string& message)
{
    err << "krcool: " << message << '\n';
    return UsageExitCode;
}

std::filesystem::path PathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Today as the program dates its printouts: the locale's short date format
// with a four-digit year.
std::string TodayText()
{
    return QDate::currentDate().toString(gui::ShortDateFormat(QLocale())).toStdString();
}

// What a document is printed with: the session, the settings and the
// print context over the session's texts.
struct Printing {
    const Session& Opened;
    Settings ProgramSettings;
    PrintContext Context;
    std::filesystem::path File;
};

int PrintCoolerDocument(DocumentKind kind, const Printing& printing, const Options& options, std::ostream& err)
{
    const Session& session = printing.Opened;
    const ChosenCoolerRead chosen = ChooseCooler(session, options, err);
    if (!chosen.Chosen)
        return chosen.ExitCode;
    const tCoolType cooler = MakeCurrentCooler(chosen.Chosen->Result, chosen.Chosen->Choices, session.Folder.Prices,
                                               session.DecimalSeparator());
    const std::string designation = cooler.Designation();
    const Settings& settings = printing.ProgramSettings;
    const PrintContext& context = printing.Context;
    const gui::PrintJob job =
        kind == DocumentKind::TechnicalData
            ? TechnicalDataDocument(context, cooler,
                                    TechnicalPrintOptionsOf(settings, session.HasPrices(), options.Flag(PricesFlag)))
        : kind == DocumentKind::Drawing ? DrawingDocument(context, session.Folder.Database.CoolerRecords, designation)
                                        : CurvesDocument(context, cooler, settings.PresssureLoss);
    return WritePdfDocument(job, printing.File, session.Texts, session.Settings, err);
}

int PrintQuotationDocument(const Printing& printing, const Options& options, std::ostream& err)
{
    const Session& session = printing.Opened;
    const std::string file = options.Value(QuotationOption);
    const QuotationFileRead read = ReadQuotationFile(PathOf(file), session.Settings);
    if (read.Problem != QuotationFileProblem::None) {
        err << "krcool: " << QuotationFileProblemText(read, file, session.Texts, session.Settings) << '\n';
        return FailureExitCode;
    }
    const SavedQuotation& saved = read.Quotation;
    const QuotationHeader& header = saved.Header;
    const QuotationLetter letter{header.Receiver, header.Att,  header.YourRef,
                                 header.OurRef,   header.Date, header.QuotationNr};
    const QuotationItems items = QuotationItemsOf(saved, session.Settings);
    const QuotationTerms terms = QuotationTermsOf(printing.ProgramSettings, saved.DiscountPct);
    return WritePdfDocument(QuotationDocument(printing.Context, letter, items, terms), printing.File, session.Texts,
                            session.Settings, err);
}

}  // namespace

int RunDocument(std::span<const std::string_view> args, std::ostream&, std::ostream& err)
{
    if (args.empty())
        return Usage(err, "document needs a KIND: " + KindNames());
    const std::optional<DocumentKind> kind = KindNamed(args[0]);
    if (!kind)
        return Usage(err, "unknown document \"" + std::string(args[0]) + "\"; the documents are " + KindNames());
    Options options;
    if (!ParseOptions(args.subspan(1), ValueOptionsOf(*kind), FlagsOf(*kind), options, err))
        return UsageExitCode;
    if (options.Value(PdfOption).empty())
        return Usage(err, "document needs --pdf FILE, the PDF file to write");
    if (*kind == DocumentKind::Quotation && options.Value(QuotationOption).empty())
        return Usage(err, "document quotation needs --quotation FILE, a saved quotation");
    if (PrintsCooler(*kind) && !ChoosesCooler(options))
        return Usage(err, "document " + std::string(args[0]) +
                              " needs a cooler: the duty options of select, or --type and the options of rate");

    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    const Session& session = *open.Opened;
    const Settings settings = ReadProgramSettings(session.Folder);
    const Printing printing{session, settings, PrintContextOf(settings, session.Texts, session.Settings, TodayText()),
                            PathOf(options.Value(PdfOption))};
    switch (*kind) {
    case DocumentKind::Quotation:
        return PrintQuotationDocument(printing, options, err);
    case DocumentKind::Instructions:
        return WritePdfDocument(InstructionsDocument(printing.Context, session.Folder.Dir), printing.File,
                                session.Texts, session.Settings, err);
    case DocumentKind::TechnicalData:
    case DocumentKind::Drawing:
    case DocumentKind::Curves:
        break;
    }
    return PrintCoolerDocument(*kind, printing, options, err);
}

}  // namespace kr::cli
