#include "cli/command_quote.h"

#include "cli/chosen_cooler.h"
#include "cli/grid_table.h"
#include "core/common/delphi_format.h"
#include "core/common/json_writer.h"
#include "core/common/text_case.h"
#include "core/data/text_keys.h"
#include "core/quote/accessories.h"
#include "core/quote/quotation_file.h"
#include "core/settings/registry_path.h"
#include "core/settings/settings.h"

#include <charconv>
#include <limits>

namespace kr::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view QuotationOption = "--quotation";
constexpr std::string_view AccessoryOption = "--accessory";
constexpr std::string_view QuantityOption = "--quantity";
constexpr std::string_view JsonFlag = "--json";
constexpr int MoneyDecimals = 2;  // as the printed quotation shows its sums
constexpr char JsonPoint = '.';   // money in JSON, as in the file

// One unit of what is added: the item's designation and its price key.
struct Addition {
    std::string Designation;
    std::string PriceKey;
};

struct AdditionRead {
    std::optional<Addition> Item;
    int ExitCode = 0;
};

std::optional<int> WholeQuantity(const std::string& text)
{
    int quantity = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), quantity);
    if (ec != std::errc() || end != text.data() + text.size() || quantity < 1)
        return std::nullopt;
    return quantity;
}

// The accessory of the accessories dialog with that item number, named as
// its check list names it in the session's language.
AdditionRead AccessoryAddition(const Session& session, std::string_view itemNo, std::ostream& err)
{
    const AccessoryLists lists = MakeAccessoryLists(session.Folder.Database.CoolerRecords, session.Texts);
    for (const AccessoryList* list : {&lists.Adapters, &lists.ThermoSwitches, &lists.ThermoBypasses})
        for (const AccessoryEntry& entry : *list)
            if (SameText(entry.PriceKey, TrimText(itemNo)))
                return {Addition{entry.Text, entry.PriceKey}, 0};
    err << "krcool: --accessory: no accessory has the item number \"" << itemNo << "\" (krcool info lists them)\n";
    return {std::nullopt, UsageExitCode};
}

AdditionRead CoolerAddition(const Session& session, const Options& options, std::ostream& err)
{
    const ChosenCoolerRead chosen = ChooseCooler(session, options, err);
    if (!chosen.Chosen)
        return {std::nullopt, chosen.ExitCode};
    return {Addition{chosen.Chosen->Result.Designation(), chosen.Chosen->Result.ItemNo()}, 0};
}

// The discount of the settings the program would start with.
int SettingsDiscount(const Session& session)
{
    const RegistryStore store(DefaultRegistryPath());
    return ReadSettings(store, session.Folder.Dir.string(), 0, 0).PricePct;
}

struct QuotationLoad {
    std::optional<SavedQuotation> Quotation;
    int ExitCode = 0;
};

QuotationLoad LoadQuotation(const Session& session, const fs::path& file, bool createMissing, std::ostream& err)
{
    std::error_code ec;
    if (createMissing && fs::symlink_status(file, ec).type() == fs::file_type::not_found) {
        SavedQuotation fresh;
        fresh.DiscountPct = SettingsDiscount(session);
        return {std::move(fresh), 0};
    }
    QuotationFileRead read = ReadQuotationFile(file, session.Settings);
    if (read.Problem != QuotationFileProblem::None) {
        err << "krcool: " << QuotationFileProblemText(read, file.string(), session.Texts, session.Settings) << '\n';
        return {std::nullopt, FailureExitCode};
    }
    return {std::move(read.Quotation), 0};
}

int RunAdd(const Session& session, const Options& options, std::ostream& out, std::ostream& err)
{
    const std::optional<int> quantity = WholeQuantity(options.Value(QuantityOption, "1"));
    if (!quantity) {
        err << "krcool: " << QuantityOption << " takes a whole number from 1 (not \""
            << options.Value(QuantityOption) << "\")\n";
        return UsageExitCode;
    }
    const fs::path file = options.Value(QuotationOption);
    QuotationLoad load = LoadQuotation(session, file, true, err);
    if (!load.Quotation)
        return load.ExitCode;

    const AdditionRead addition = options.Has(AccessoryOption)
                                      ? AccessoryAddition(session, options.Value(AccessoryOption), err)
                                      : CoolerAddition(session, options, err);
    if (!addition.Item)
        return addition.ExitCode;

    // One unit as the tab's transfer adds it, the rest on top of it.
    QuotationItems items = QuotationItemsOf(*load.Quotation, session.Settings);
    const int position = items.AddQuotationItem(addition.Item->Designation, addition.Item->PriceKey,
                                                session.Folder.Prices);
    if (*quantity > 1) {
        QuotationItem more = items.Items()[static_cast<std::size_t>(position - 1)];
        more.Quantity = *quantity - 1;
        items.AddSavedItem(more);
    }
    load.Quotation->Items = items.Items();
    const FileWriteResult written = WriteQuotationFile(file, *load.Quotation);
    if (!written.Ok()) {
        err << "krcool: " << QuotationFileWriteText(written, file.string(), session.Texts, session.Settings) << '\n';
        return FailureExitCode;
    }
    const QuotationItem& item = items.Items()[static_cast<std::size_t>(position - 1)];
    PrintTable(out, {{std::to_string(position), item.ItemNo, item.Designation, std::to_string(item.Quantity),
                      item.UnitPrice, item.Total, item.Currency}},
               [](int column) { return column != 1 && column != 2; });
    return 0;
}

std::string Label(const Session& session, const TextKey& key)
{
    return session.Texts.Lookup(key.Key);
}

void PrintQuotation(const Session& session, const SavedQuotation& quotation, const QuotationItems& items,
                    const QuotationSums& sums, std::ostream& out)
{
    const QuotationHeader& header = quotation.Header;
    out << Label(session, keys::NameAndAddressOfReceiver) << '\n';
    for (const std::string& line : header.Receiver)
        out << "  " << line << '\n';
    PrintTable(out,
               {{Label(session, keys::PrintAtt), header.Att},
                {Label(session, keys::YourRef), header.YourRef},
                {Label(session, keys::OurRef), header.OurRef},
                {Label(session, keys::Date), header.Date},
                {Label(session, keys::QuotationNr), header.QuotationNr}},
               [](int) { return false; });
    out << '\n';

    // The grid's columns with the item number after the position.
    const ItemsGrid grid = ItemsGridCells(items, session.Texts);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t row = 0; row + 1 < grid.size(); ++row) {
        std::vector<std::string> cells(grid[row].begin() + ItemColumn::Position, grid[row].end());
        const std::string itemNo =
            row == 0 ? Label(session, keys::PrintVarenummer) : items.Items()[row - 1].ItemNo;
        cells.insert(cells.begin() + 1, itemNo);
        rows.push_back(std::move(cells));
    }
    constexpr int ItemNoColumn = 1;
    constexpr int DesignationColumn = 2;
    PrintTable(out, rows, [](int column) { return column != ItemNoColumn && column != DesignationColumn; });
    out << '\n';

    const char separator = session.DecimalSeparator();
    std::vector<std::vector<std::string>> sumRows{
        {Label(session, keys::PrintGrossPrice), sums.Currency, FormatFixed(sums.Gross, MoneyDecimals, separator)}};
    if (quotation.DiscountPct != 0)
        sumRows.push_back({Format(Label(session, keys::PrintDiscount), {quotation.DiscountPct}, session.Settings),
                           sums.Currency, FormatFixed(sums.Discount, MoneyDecimals, separator)});
    sumRows.push_back(
        {Label(session, keys::PrintNettPrice), sums.Currency, FormatFixed(sums.Nett, MoneyDecimals, separator)});
    PrintTable(out, sumRows, [](int column) { return column == 2; });
}

// A money text of the grid with a '.' point, or "??".
std::string JsonMoney(const std::string& shown, char separator)
{
    if (shown == UnknownPrice)
        return shown;
    std::string text = shown;
    std::ranges::replace(text, separator, JsonPoint);
    return text;
}

void WriteQuotationJson(const Session& session, const SavedQuotation& quotation, const QuotationItems& items,
                        const QuotationSums& sums, std::ostream& out)
{
    const QuotationHeader& header = quotation.Header;
    const char separator = session.DecimalSeparator();
    JsonWriter json(out);
    json.BeginObject();
    json.Key("receiver").BeginArray();
    for (const std::string& line : header.Receiver)
        json.String(line);
    json.EndArray();
    json.Field("att", header.Att).Field("yourRef", header.YourRef).Field("ourRef", header.OurRef);
    json.Field("date", header.Date).Field("quotationNr", header.QuotationNr);
    json.Field("discountPct", quotation.DiscountPct);
    json.Key("items").BeginArray();
    int position = 0;
    for (const QuotationItem& item : items.Items()) {
        json.BeginObject().Field("position", ++position).Field("itemNo", item.ItemNo);
        json.Field("designation", item.Designation).Field("quantity", item.Quantity);
        json.Field("unitPrice", JsonMoney(item.UnitPrice, separator)).Field("total", JsonMoney(item.Total, separator));
        json.Field("currency", item.Currency).EndObject();
    }
    json.EndArray();
    json.Key("totals").BeginObject();
    json.Field("gross", FormatFixed(sums.Gross, MoneyDecimals, JsonPoint));
    json.Field("discount", FormatFixed(sums.Discount, MoneyDecimals, JsonPoint));
    json.Field("nett", FormatFixed(sums.Nett, MoneyDecimals, JsonPoint));
    json.Field("currency", sums.Currency);
    json.EndObject();
    json.EndObject();
    out << '\n';
}

int RunShow(const Session& session, const Options& options, std::ostream& out, std::ostream& err)
{
    const QuotationLoad load = LoadQuotation(session, options.Value(QuotationOption), false, err);
    if (!load.Quotation)
        return load.ExitCode;
    const QuotationItems items = QuotationItemsOf(*load.Quotation, session.Settings);
    const QuotationSums sums = SumQuotation(items, load.Quotation->DiscountPct);
    if (options.Flag(JsonFlag))
        WriteQuotationJson(session, *load.Quotation, items, sums, out);
    else
        PrintQuotation(session, *load.Quotation, items, sums, out);
    return 0;
}

int Usage(std::ostream& err, std::string_view message)
{
    err << "krcool: " << message << '\n';
    return UsageExitCode;
}

}  // namespace

int RunQuote(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || (args[0] != "add" && args[0] != "show"))
        return Usage(err, "quote takes add or show");
    const bool add = args[0] == "add";
    std::set<std::string_view> valueOptions{QuotationOption};
    std::set<std::string_view> flags;
    if (add) {
        valueOptions.insert({AccessoryOption, QuantityOption});
        valueOptions.insert(ChosenCoolerValueOptions().begin(), ChosenCoolerValueOptions().end());
        flags = ChosenCoolerFlags;
    } else {
        flags.insert(JsonFlag);
    }
    Options options;
    if (!ParseOptions(args.subspan(1), WithSessionOptions(std::move(valueOptions)), flags, options, err))
        return UsageExitCode;
    if (!options.Has(QuotationOption) || options.Value(QuotationOption).empty())
        return Usage(err, "quote " + std::string(args[0]) + " needs --quotation FILE");
    if (add && options.Has(AccessoryOption) == ChoosesCooler(options))
        return Usage(err, "quote add takes either --accessory ITEMNO or the options of select or rate with --row");

    const SessionOpen open = OpenSession(options, err);
    if (!open.Opened)
        return open.ExitCode;
    return add ? RunAdd(*open.Opened, options, out, err) : RunShow(*open.Opened, options, out, err);
}

}  // namespace kr::cli
