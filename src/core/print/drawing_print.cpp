#include "core/print/drawing_print.h"

#include "core/data/text_keys.h"
#include "core/present/drawing_files.h"
#include "core/print/landscape_sheet.h"
#include "core/print/parts_list.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kr {

namespace {

constexpr int SheetPoints = 8;
// Line heights and the indent of the list's columns are those of this letter.
constexpr std::string_view LineSample = "W";
// The logo stands this many screen pixels in from the top and right edges.
constexpr int LogoInset = 16;

// The parts list: its heading takes two lines above the rows; the heading's
// text, the rule under it and the first row lie these quarters of a line
// below the list's top. The list ends this far left of the page's middle.
constexpr int ListHeadingLines = 2;
constexpr int HeadingTextQuarters = 1;
constexpr int HeadingRuleQuarters = 6;
constexpr int FirstRowQuarters = 7;
constexpr std::string_view ListGapToMiddle = "WWWW";

// The title block: three rows of two lines across the right half of the
// page, in two columns; the bottom row stays free for the version line.
constexpr int TitleRowLines = 2;
constexpr int TitleRows = 3;
constexpr std::string_view LabelSeparator = ": ";

Font SheetFont(bool bold = false)
{
    return SansFont(SheetPoints, bold);
}

Pen BlackPen()
{
    Pen pen;
    pen.Colour = colours::Black;
    return pen;
}

void Line(Canvas& canvas, Point from, Point to)
{
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

// What the sheet's lines and texts are measured by, in its 8-point font.
struct TextMetrics {
    int LineHeight;
    int LetterWidth;   // of "W"
    int BlankWidth;    // of " "
    int CellTextDrop;  // from a title-block cell's top to its text
};

TextMetrics MeasureSheetFont(const Canvas& canvas)
{
    const Size letter = canvas.TextExtent(LineSample);
    return {letter.Height, letter.Width, canvas.TextExtent(" ").Width, letter.Height / 2 - 1};
}

void DrawPartsList(Canvas& canvas, const PrintContext& context, const tCoolType& cooler, const LandscapeSheet& sheet,
                   const TextMetrics& metrics)
{
    const std::vector<SparePart> parts = SpareParts(cooler);
    const int h = metrics.LineHeight;
    const int bottom = sheet.Page.Height - sheet.MarginY;
    const int top = bottom - (static_cast<int>(parts.size()) + ListHeadingLines) * h;
    const int left = sheet.MarginX;
    const int right = sheet.Page.Width / 2 - canvas.TextExtent(ListGapToMiddle).Width;
    const int partNoColumn = sheet.Page.Width / 3;
    const auto quarters = [h, top](int count) { return top + h * count / 4; };

    canvas.Rectangle({left, top, right, bottom});
    Line(canvas, {left, quarters(HeadingRuleQuarters)}, {right, quarters(HeadingRuleQuarters)});
    Line(canvas, {partNoColumn, top}, {partNoColumn, bottom});

    const int labelX = left + metrics.LetterWidth / 2;
    const int partNoX = partNoColumn + metrics.LetterWidth / 2;
    const LanguageTable& texts = context.Texts;
    canvas.SetFont(SheetFont(true));
    canvas.TextOut(labelX, quarters(HeadingTextQuarters), texts.Lookup(keys::PrintSpareList.Key));
    canvas.TextOut(partNoX, quarters(HeadingTextQuarters), texts.Lookup(keys::PrintPartNo.Key));
    canvas.SetFont(SheetFont());
    int y = quarters(FirstRowQuarters);
    for (const SparePart& part : parts) {
        canvas.TextOut(labelX, y, texts.Lookup(part.Label.Key));
        canvas.TextOut(partNoX, y, part.PartNo);
        y += h;
    }
}

void DrawTitleBlock(Canvas& canvas, const PrintContext& context, const tCoolType& cooler, const Size page,
                    const TextMetrics& metrics)
{
    const int rowHeight = TitleRowLines * metrics.LineHeight;
    const int left = page.Width / 2;
    const int middle = left + page.Width / 4;
    const int top = page.Height - TitleRows * rowHeight;
    canvas.Rectangle({left, top, page.Width, page.Height});
    for (int row = 1; row < TitleRows; ++row)
        Line(canvas, {left, top + row * rowHeight}, {page.Width, top + row * rowHeight});
    Line(canvas, {middle, top}, {middle, page.Height});

    const LanguageTable& texts = context.Texts;
    const auto cell = [&](int x, int row, const std::string& text) {
        canvas.TextOut(x + metrics.BlankWidth, top + row * rowHeight + metrics.CellTextDrop, text);
    };
    cell(left, 0, SenderLine(context));
    cell(left, 1, cooler.Designation());
    cell(middle, 0, texts.Lookup(keys::Drawing.Key) + std::string(LabelSeparator) + cooler.DrawingFile());
    cell(middle, 1, texts.Lookup(keys::PrintVarenummer.Key) + std::string(LabelSeparator) + cooler.ItemNo());
}

// A frame one pixel inside the page's edges.
void DrawBorder(Canvas& canvas, Size page)
{
    const std::array<Point, 5> corners{
        {{1, 1}, {page.Width - 1, 1}, {page.Width - 1, page.Height - 1}, {1, page.Height - 1}, {1, 1}}};
    canvas.Polyline(corners);
}

}  // namespace

bool PrintDrawingSheet(Canvas& canvas, const PrintContext& context, const CoolerRecordList& records,
                       std::string_view designation)
{
    if (designation.empty())
        return false;
    const tCoolType* cooler = FindDrawingRecord(records, designation);
    if (cooler == nullptr)
        return false;
    const DrawingFiles files = DrawingFilesOf(*cooler, context.PictureDir);
    const std::optional<Size> drawing = canvas.BitmapSize(files.Bitmap);
    if (!drawing)
        return false;

    canvas.BeginDocument(context.Texts.Lookup(keys::Drawing.Key) + " " + cooler->Designation(),
                         Orientation::Landscape);
    const LandscapeSheet sheet = LandscapeSheetOf(canvas);
    canvas.SetFont(SheetFont());
    const TextMetrics metrics = MeasureSheetFont(canvas);

    DrawSheetLogo(canvas, context, sheet, LogoInset * sheet.ScaleX, LogoInset * sheet.ScaleY);
    canvas.StretchBitmap(files.Bitmap, {sheet.MarginX, sheet.MarginY, sheet.MarginX + drawing->Width * sheet.ScaleX,
                                        sheet.MarginY + drawing->Height * sheet.ScaleY});

    canvas.SetPen(BlackPen());
    Brush white;
    white.Colour = colours::White;
    canvas.SetBrush(white);
    DrawPartsList(canvas, context, *cooler, sheet, metrics);
    DrawTitleBlock(canvas, context, *cooler, sheet.Page, metrics);
    DrawBorder(canvas, sheet.Page);

    DrawStandardFooter(canvas, context);
    canvas.EndDocument();
    return true;
}

}  // namespace kr
