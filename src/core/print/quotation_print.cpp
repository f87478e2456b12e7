#include "core/print/quotation_print.h"

#include "core/common/delphi_format.h"
#include "core/common/extended.h"
#include "core/common/number_text.h"
#include "core/common/wrap_text.h"
#include "core/data/text_keys.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

namespace kr {

namespace {

constexpr int LetterPoints = 12;
constexpr int SenderPoints = 9;
constexpr int ReferencePoints = 8;
constexpr int ContinuePoints = 8;

// Lines are as high, and column offsets as wide, as these samples.
constexpr std::string_view LineSample = "W";
constexpr std::string_view DigitSample = "1";

// The letter is laid out on the screen's pixels, scaled to the printer:
// the reference line stands this far below the top margin's middle, and
// the date this far left of the right margin.
constexpr int ReferenceTop = 200;
constexpr int DateFromRight = 150;
// The text width is twelve column units; the columns stand at whole units.
constexpr int ColumnUnits = 12;
constexpr int QuantityUnits = 6;
constexpr int UnitPriceUnits = 7;
constexpr int TotalUnits = 10;
constexpr int TotalRightUnits = 13;
// The terms' values line up at this many left margins.
constexpr double TermValueMargins = 2.5;
constexpr int MoneyDecimals = 2;

Font LetterFont(bool bold = false)
{
    return SerifFont(LetterPoints, bold);
}

// The x positions of the item table, measured in the letter's font.
struct ItemColumns {
    int Position = 0;
    int Designation = 0;
    int Quantity = 0;
    int UnitCurrency = 0;    // also where the unit price heading starts
    int UnitPriceRight = 0;  // right edge of the unit prices
    int TotalCurrency = 0;   // also where the total heading and the sums' currency start
    int TotalRight = 0;      // right edge of the totals and sums
    int RuleEnd = 0;         // the table's rules reach a letter past the right margin
};

ItemColumns ItemColumnsOf(const Canvas& canvas, int margin)
{
    const int unit = (canvas.PageSize().Width - 2 * margin) / ColumnUnits;
    const auto width = [&canvas](std::string_view text) { return canvas.TextExtent(text).Width; };
    ItemColumns columns;
    columns.Position = margin;
    columns.Designation = margin + unit - width(LineSample);
    columns.Quantity = QuantityUnits * unit + margin;
    columns.UnitCurrency = UnitPriceUnits * unit + margin - width(DigitSample);
    columns.UnitPriceRight = TotalUnits * unit + margin - width("WWW");
    columns.TotalCurrency = TotalUnits * unit + margin - width("WW");
    columns.TotalRight = TotalRightUnits * unit + margin - width("WWW");
    columns.RuleEnd = canvas.PageSize().Width - margin + width(LineSample);
    return columns;
}

// The letter's pages and the position y of its next line. Where a block
// might not fit above the foot, a continuation note ends the page and the
// letter goes on at the top margin of the next.
class LetterPages {
public:
    LetterPages(Canvas& canvas, const PrintContext& context)
        : canvas_(canvas), context_(context), page_(canvas.PageSize()), geometry_(PageGeometryOf(canvas))
    {
    }

    Canvas& On() { return canvas_; }
    const PageGeometry& Geometry() const { return geometry_; }
    int Left() const { return geometry_.MarginX; }
    int PageWidth() const { return page_.Width; }
    int TextWidth() const { return page_.Width - 2 * geometry_.MarginX; }
    int LineHeight() const { return canvas_.TextExtent(LineSample).Height; }
    int& Y() { return y_; }

    // Room for three more lines above the bottom margin, or a new page.
    void CheckPage() { KeepLines(3); }
    void KeepLines(int lines)
    {
        if (y_ + lines * LineHeight() + geometry_.MarginY >= page_.Height)
            ContinueOnNewPage();
    }

    void Write(int x, std::string_view text) { canvas_.TextOut(x, y_, text); }
    void WriteRightAligned(int right, std::string_view text)
    {
        canvas_.TextOut(right - canvas_.TextExtent(text).Width, y_, text);
    }
    void Rule(int from, int to)
    {
        canvas_.MoveTo(from, y_);
        canvas_.LineTo(to, y_);
    }

private:
    void ContinueOnNewPage()
    {
        const Font font = canvas_.CurrentFont();
        canvas_.SetFont(SansFont(ContinuePoints));
        const std::string note = context_.Texts.Lookup(keys::PrintContinue.Key);
        canvas_.TextOut(page_.Width - geometry_.MarginX - canvas_.TextExtent(note).Width,
                        page_.Height - geometry_.MarginY, note);
        canvas_.NewPage();
        canvas_.SetFont(font);
        y_ = geometry_.MarginY;
    }

    Canvas& canvas_;
    const PrintContext& context_;
    Size page_;
    PageGeometry geometry_;
    int y_ = 0;
};

// The logo at the top right and the sender under it. Without a logo the
// block ends at the right margin with its widest line.
void PrintLetterhead(LetterPages& pages, const PrintContext& context)
{
    Canvas& canvas = pages.On();
    const PageGeometry& page = pages.Geometry();
    const Size logo = DrawLogo(canvas, context, page);
    canvas.SetFont(SansFont(SenderPoints));
    const std::vector<std::string> lines = SenderLines(context);
    int left = pages.PageWidth() - logo.Width - page.MarginX;
    if (logo.Width == 0) {
        for (const std::string& line : lines)
            left = std::min(left, pages.PageWidth() - page.MarginX - canvas.TextExtent(line).Width);
    }
    pages.Y() = logo.Height + page.MarginY / 2 + page.MarginY;
    for (const std::string& line : lines) {
        pages.Write(left, line);
        pages.Y() += pages.LineHeight();
    }
}

void PrintWrapped(LetterPages& pages, std::string_view text, bool checkEachLine)
{
    Canvas& canvas = pages.On();
    const auto width = [&canvas](std::string_view piece) { return canvas.TextExtent(piece).Width; };
    for (const std::string& line : WrapTextToWidth(text, pages.TextWidth(), width)) {
        pages.Write(pages.Left(), line);
        pages.Y() += pages.LineHeight();
        if (checkEachLine)
            pages.CheckPage();
    }
}

// The receiver with the contact person, the references and date, the
// quotation number and the salutation.
void PrintAddressAndReferences(LetterPages& pages, const PrintContext& context, const QuotationLetter& letter)
{
    Canvas& canvas = pages.On();
    const PageGeometry& page = pages.Geometry();
    const LanguageTable& texts = context.Texts;
    const int left = pages.Left();

    canvas.SetFont(LetterFont());
    pages.Y() = page.ContentTop - 2 * pages.LineHeight();
    for (const std::string& line : letter.Receiver) {
        pages.Write(left, line);
        pages.Y() += pages.LineHeight();
    }
    pages.Y() += pages.LineHeight();
    pages.Write(left, texts.Lookup(keys::PrintAtt.Key) + " " + letter.Att);

    const int dateLeft = pages.PageWidth() - DateFromRight * page.ScaleX - left;
    pages.Y() = ReferenceTop * page.ScaleY + page.MarginY / 2 + page.MarginY + pages.LineHeight();
    canvas.SetFont(SerifFont(ReferencePoints));
    pages.Write(left, texts.Lookup(keys::YourRef.Key) + " " + letter.YourRef);
    pages.Write((dateLeft - left) / 2 + left, texts.Lookup(keys::OurRef.Key) + " " + letter.OurRef);
    pages.Write(dateLeft, texts.Lookup(keys::Date.Key) + " " + letter.Date);
    pages.Y() += 3 * pages.LineHeight();

    canvas.SetFont(LetterFont(true));
    pages.Write(left, texts.Lookup(keys::QuotationNr.Key) + " " + letter.QuotationNr);
    pages.Y() += static_cast<int>(1.5 * pages.LineHeight());

    canvas.SetFont(LetterFont());
    // Without a contact person the greeting names nobody, rather than
    // leaving a gap where the name would stand.
    const bool unnamed = letter.Att.find_first_not_of(' ') == std::string::npos;
    PrintWrapped(pages,
                 unnamed ? texts.Lookup(keys::DearUnnamed.Key)
                         : Format(texts.Lookup(keys::Dear.Key), {letter.Att}, context.Format),
                 false);
    pages.Y() += pages.LineHeight();
}

// The items with their totals.
void PrintItems(LetterPages& pages, const PrintContext& context, const ItemColumns& columns,
                const QuotationItems& items)
{
    const LanguageTable& texts = context.Texts;
    pages.Write(columns.Position, texts.Lookup(keys::PrintPos.Key));
    pages.Write(columns.Designation, texts.Lookup(keys::PrintDesignation.Key));
    pages.Write(columns.Quantity, texts.Lookup(keys::PrintQty.Key));
    pages.Write(columns.UnitCurrency, texts.Lookup(keys::PrintPriceUnit.Key));
    pages.Write(columns.TotalCurrency, texts.Lookup(keys::PrintTotal.Key));
    pages.Y() += pages.LineHeight();
    pages.Rule(pages.Left(), columns.RuleEnd);
    pages.Y() += pages.LineHeight();

    // The grid's texts are read back as the tab wrote them: "??" reads as 0.
    const char separator = items.Format().DecimalSeparator;
    int position = 0;
    for (const QuotationItem& item : items.Items()) {
        pages.CheckPage();
        pages.Write(columns.Position, std::to_string(++position));
        pages.Write(columns.Designation, item.Designation);
        pages.Write(columns.Quantity, std::to_string(item.Quantity));
        pages.Write(columns.UnitCurrency, item.Currency);
        const Extended unitPrice = TextToNumber(item.UnitPrice, 0, separator);
        pages.WriteRightAligned(columns.UnitPriceRight, FormatFixed(unitPrice, MoneyDecimals, context.Format.DecimalSeparator));
        pages.Write(columns.TotalCurrency, item.Currency);
        const Extended total = TextToNumber(item.Total, 0, separator);
        pages.WriteRightAligned(columns.TotalRight, FormatFixed(total, MoneyDecimals, context.Format.DecimalSeparator));
        pages.Y() += pages.LineHeight();
    }
}

// Gross, discount and nett, all in the first item's currency.
void PrintSums(LetterPages& pages, const PrintContext& context, const ItemColumns& columns,
               const QuotationItems& items, int pricePct)
{
    Canvas& canvas = pages.On();
    const LanguageTable& texts = context.Texts;
    const QuotationSums sums = SumQuotation(items, pricePct);
    const auto sumLine = [&](const std::string& label, Extended amount) {
        pages.Write(pages.Left(), label);
        pages.Write(columns.TotalCurrency, sums.Currency);
        pages.WriteRightAligned(columns.TotalRight, FormatFixed(amount, MoneyDecimals, context.Format.DecimalSeparator));
    };

    pages.Y() += pages.LineHeight();
    pages.CheckPage();
    pages.Rule(pages.Left(), columns.RuleEnd);
    pages.Y() += pages.LineHeight();
    pages.CheckPage();

    sumLine(texts.Lookup(keys::PrintGrossPrice.Key), sums.Gross);
    pages.Y() += pages.LineHeight();
    pages.CheckPage();

    if (pricePct != 0) {
        sumLine(Format(texts.Lookup(keys::PrintDiscount.Key), {pricePct}, context.Format), sums.Discount);
        pages.Y() += pages.LineHeight();
    }

    pages.CheckPage();
    pages.Rule(columns.TotalCurrency, columns.RuleEnd);
    pages.Y() += pages.LineHeight() / 4;

    canvas.SetFont(LetterFont(true));
    sumLine(texts.Lookup(keys::PrintNettPrice.Key), sums.Nett);
    pages.Y() += 2 * pages.LineHeight();
    canvas.SetFont(LetterFont());
}

// The terms, the closing paragraphs and the signature.
void PrintTermsAndClosing(LetterPages& pages, const PrintContext& context, const QuotationTerms& terms)
{
    const LanguageTable& texts = context.Texts;
    const int valueLeft = static_cast<int>(std::nearbyint(TermValueMargins * pages.Left()));
    const std::pair<TextKey, const std::string*> termLines[] = {
        {keys::LeadTime, &terms.LeadTime}, {keys::Delivery, &terms.Delivery}, {keys::Payment, &terms.Payment}};
    for (const auto& [key, value] : termLines) {
        pages.CheckPage();
        pages.Write(pages.Left(), texts.Lookup(key.Key));
        pages.Write(valueLeft, *value);
        pages.Y() += pages.LineHeight();
    }
    pages.Y() += pages.LineHeight();

    pages.CheckPage();
    pages.Write(pages.Left(), texts.Lookup(keys::PrintValid.Key));
    pages.Y() += 2 * pages.LineHeight();

    pages.CheckPage();
    PrintWrapped(pages, texts.Lookup(keys::PrintCost.Key), true);
    pages.Y() += pages.LineHeight();
    pages.CheckPage();
    PrintWrapped(pages, texts.Lookup(keys::PrintHope.Key), true);
    pages.Y() += pages.LineHeight();

    // The greeting is not parted from the signature.
    pages.KeepLines(4);
    pages.Write(pages.Left(), texts.Lookup(keys::PrintRegards.Key));
    pages.Y() += 3 * pages.LineHeight();
    pages.Write(pages.Left(), terms.UserName);
}

std::string DocumentTitle(const PrintContext& context, const QuotationLetter& letter)
{
    const std::string title = context.Texts.Lookup(keys::Quotation.Key);
    return letter.QuotationNr.empty() ? title : title + " " + letter.QuotationNr;
}

}  // namespace

void PrintQuotation(Canvas& canvas, const PrintContext& context, const QuotationLetter& letter,
                    const QuotationItems& items, const QuotationTerms& terms)
{
    canvas.BeginDocument(DocumentTitle(context, letter), Orientation::Portrait);
    LetterPages pages(canvas, context);
    PrintLetterhead(pages, context);
    canvas.SetPen(Pen{});
    canvas.SetBrush(Brush{});
    PrintAddressAndReferences(pages, context, letter);
    const ItemColumns columns = ItemColumnsOf(canvas, pages.Left());
    PrintItems(pages, context, columns, items);
    PrintSums(pages, context, columns, items, terms.PricePct);
    PrintTermsAndClosing(pages, context, terms);
    canvas.EndDocument();
}

}  // namespace kr
