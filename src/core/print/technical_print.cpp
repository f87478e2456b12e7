#include "core/print/technical_print.h"

#include "core/common/number_text.h"
#include "core/common/wrap_text.h"
#include "core/data/text_keys.h"
#include "core/present/data_sheet.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace kr {

namespace {

// A KRC cooler's own pump limits the oil's viscosity, whatever drive the
// user had chosen on screen.
constexpr std::string_view KrcMotorKind = "KRC";

constexpr int ItemPoints = 12;
constexpr int TitlePoints = 14;
constexpr int DesignationPoints = 16;
// The heading "Specification" stands this many designation lines below the content top.
constexpr int SpecificationLines = 7;

// Screen pixels between the end of the labels and the right margin.
constexpr int LabelEndFromRight = 150;
// The value column is as wide as the widest value the sheet can hold.
constexpr std::string_view WidestValue = "999999999,99";
constexpr std::string_view UnitGap = "I";
constexpr std::string_view LineHeightSample = "W";
constexpr char Leader = '.';
constexpr std::size_t LeaderCut = 2;
// Notes stop short of the label end by this much.
constexpr std::string_view NoteEndGap = "..";

// Values are placed as if written with two decimals, so that those which
// are line up on their decimal separator.
constexpr int PlacementDecimals = 2;
constexpr int ValueDecimals = 1;
constexpr int PoleDecimals = 0;
constexpr int MoneyDecimals = 2;

int LineHeight(const Canvas& canvas)
{
    return canvas.TextExtent(LineHeightSample).Height;
}

// Removes the last characters of a UTF-8 text, whole code points.
void DropLastCharacters(std::string& text, std::size_t count)
{
    for (std::size_t i = 0; i < count && !text.empty(); ++i) {
        while (text.size() > 1 && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        text.pop_back();
    }
}

std::string FixedNumber(Extended value, int decimals, char decimalSeparator)
{
    return FormatValue(decimals, 0, true, value, false, decimalSeparator);
}

// The value as the print writes it: with its own decimals, where the screen
// writes some numbers as whole ones.
std::string PrintedValue(const SheetEntry& entry, char decimalSeparator)
{
    if (!entry.Number || entry.Line == SheetLine::HydMotorType)
        return entry.Value;
    switch (entry.Line) {
    case SheetLine::Poles:
        return FormatValue(PoleDecimals, 0, false, *entry.Number, false, decimalSeparator);
    case SheetLine::MotorPower:
    case SheetLine::Price:
        return FixedNumber(*entry.Number, MoneyDecimals, decimalSeparator);
    default:
        return FormatValue(ValueDecimals, 0, false, *entry.Number, false, decimalSeparator);
    }
}

// Writes the sheet's lines downward from a start line, in the item font
// unless a line says otherwise.
class SheetPrinter {
public:
    SheetPrinter(Canvas& canvas, const PageGeometry& page, char decimalSeparator, int top)
        : canvas_(canvas), left_(page.MarginX), decimalSeparator_(decimalSeparator), y_(top)
    {
        canvas_.SetFont(SansFont(ItemPoints));
        labelEnd_ = canvas_.PageSize().Width - LabelEndFromRight * page.ScaleX - page.MarginX;
        valueRight_ = labelEnd_ + canvas_.TextExtent(WidestValue).Width;
        unitLeft_ = valueRight_ + canvas_.TextExtent(UnitGap).Width;
        lastHeight_ = LineHeight(canvas_);
    }

    void Write(const SheetEntry& entry)
    {
        switch (entry.Shape) {
        case SheetShape::Blank:
            y_ += lastHeight_;
            return;
        case SheetShape::Note:
            // The pump's limit is short enough for one line.
            if (entry.Line == SheetLine::MaximumViscosityNote)
                TextLine(entry.Label);
            else
                WrappedNote(entry.Label);
            return;
        case SheetShape::Section:
            Title(entry.Title);
            Item(entry);
            return;
        case SheetShape::Item:
            Item(entry);
            return;
        }
    }

private:
    void Title(const std::string& title)
    {
        canvas_.SetFont(SansFont(TitlePoints));
        canvas_.TextOut(left_, y_, title);
        y_ += LineHeight(canvas_);
        canvas_.SetFont(SansFont(ItemPoints));
    }

    void Item(const SheetEntry& entry)
    {
        const std::string label = LeaderedLabel(entry.Label);
        canvas_.TextOut(left_, y_, label);
        const std::string value = PrintedValue(entry, decimalSeparator_);
        if (entry.Line == SheetLine::OilType)
            canvas_.TextOut(labelEnd_, y_, value);
        else
            canvas_.TextOut(valueRight_ - PlacementWidth(entry, value), y_, value);
        if (!entry.Unit.empty())
            canvas_.TextOut(unitLeft_, y_, entry.Unit);
        lastHeight_ = canvas_.TextExtent(label).Height;
        y_ += lastHeight_;
    }

    // Dots up to the label end, less the last two characters, so that a gap
    // stays before the values; a label that reaches the end loses two of its
    // own characters.
    std::string LeaderedLabel(std::string label) const
    {
        while (canvas_.TextExtent(label).Width + left_ < labelEnd_)
            label += Leader;
        DropLastCharacters(label, LeaderCut);
        return label;
    }

    // A number is placed by its width with two decimals; a text that is no
    // number (a displacement the database does not hold as a whole number)
    // ends at the value column's edge.
    int PlacementWidth(const SheetEntry& entry, const std::string& value) const
    {
        if (!entry.Number)
            return canvas_.TextExtent(value).Width;
        return canvas_.TextExtent(FixedNumber(*entry.Number, PlacementDecimals, decimalSeparator_)).Width;
    }

    void TextLine(const std::string& text)
    {
        canvas_.TextOut(left_, y_, text);
        y_ += canvas_.TextExtent(text).Height;
    }

    void WrappedNote(const std::string& text)
    {
        const int width = labelEnd_ - left_ - canvas_.TextExtent(NoteEndGap).Width;
        const auto measure = [this](std::string_view piece) { return canvas_.TextExtent(piece).Width; };
        const int lineHeight = LineHeight(canvas_);
        for (const std::string& piece : WrapTextToWidth(text, width, measure)) {
            canvas_.TextOut(left_, y_, piece);
            y_ += lineHeight;
        }
    }

    Canvas& canvas_;
    int left_;
    char decimalSeparator_;
    int y_;
    int labelEnd_ = 0;
    int valueRight_ = 0;
    int unitLeft_ = 0;
    int lastHeight_ = 0;
};

DataSheet PrintedSheet(const PrintContext& context, const tCoolType& cooler, const TechnicalPrintOptions& options)
{
    const DataSheetOptions sheetOptions{cooler.MotorKind() == KrcMotorKind,
                                        options.HasPrices && options.IncludePrices,
                                        options.AirFlowUnit,
                                        options.PressureUnit,
                                        options.WeightUnit,
                                        options.VolumeUnit};
    // Notes stay whole: the print wraps them in its own font.
    return BuildDataSheet(cooler, sheetOptions, context.Texts, context.Format, NoteWrap{});
}

// The page's heading carries the designation, so the sheet's own unit line
// and the blank lines around it are left out.
DataSheet::const_iterator FirstPrintedEntry(const DataSheet& sheet)
{
    auto entry = std::ranges::find(sheet, SheetLine::Designation, &SheetEntry::Line);
    if (entry != sheet.end())
        ++entry;
    while (entry != sheet.end() && entry->Shape == SheetShape::Blank)
        ++entry;
    return entry;
}

}  // namespace

void PrintTechnicalData(Canvas& canvas, const PrintContext& context, const tCoolType& cooler,
                        const TechnicalPrintOptions& options)
{
    const std::string designation = cooler.Designation();
    canvas.BeginDocument(context.Texts.Lookup(keys::TechnicalData.Key) + " " + designation, Orientation::Portrait);
    const PageGeometry page = DrawStandardHeader(canvas, context);

    canvas.SetPen(Pen{});
    canvas.SetBrush(Brush{});
    canvas.SetFont(SansFont(ItemPoints));
    canvas.TextOut(page.MarginX, page.ContentTop, context.Texts.Lookup(keys::TechnicalDataFor.Key));
    const int designationTop = page.ContentTop + LineHeight(canvas);
    canvas.SetFont(SansFont(DesignationPoints, true));
    canvas.TextOut(page.MarginX, designationTop, designation);

    int y = SpecificationLines * LineHeight(canvas) + page.ContentTop;
    canvas.SetFont(SansFont(TitlePoints));
    canvas.TextOut(page.MarginX, y, context.Texts.Lookup(keys::SpecificationHeading.Key));
    y += LineHeight(canvas);

    const DataSheet sheet = PrintedSheet(context, cooler, options);
    SheetPrinter printer(canvas, page, context.Format.DecimalSeparator, y);
    for (auto entry = FirstPrintedEntry(sheet); entry != sheet.end(); ++entry)
        printer.Write(*entry);

    DrawStandardFooter(canvas, context);
    canvas.EndDocument();
}

}  // namespace kr
