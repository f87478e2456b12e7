#include "core/print/instructions_print.h"

#include "core/common/data_file_names.h"
#include "core/common/delphi_format.h"
#include "core/common/wrap_text.h"
#include "core/data/text_keys.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace kr {

namespace {

namespace fs = std::filesystem;

constexpr int TextPoints = 10;
constexpr int HeadingPoints = 12;
constexpr int FooterPoints = 6;

// The mark-up: a tag starts its line and is written exactly so.
constexpr std::string_view HeadingTag = "<B>";
constexpr std::string_view EmphasisTag = "<I>";
constexpr std::string_view PictureTag = "<D>";
constexpr std::size_t TagLength = 3;

// A line of text is kept off the page's foot by twice its height and this.
constexpr int FootClearance = 4;
// A picture needs this many lines of room below it, so that it is not left
// at a page's foot without the text that explains it.
constexpr int LinesBelowPicture = 5;

Font TextFont()
{
    return SerifFont(TextPoints);
}

Font GreyTextFont()
{
    Font font = TextFont();
    font.Colour = colours::Grey;
    return font;
}

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

std::optional<std::vector<std::string>> ReadInstructionLines(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    // The instruction files are Windows-1252 with the line ends of the language files.
    return SplitLanguageLines(bytes);
}

// The pages of one instructions job: the grey running head at the top of
// each page, the version line at its foot, the page number at its bottom
// right, and the position y of the next line.
class InstructionPages {
public:
    InstructionPages(Canvas& canvas, const PrintContext& context)
        : canvas_(canvas),
          context_(context),
          page_(canvas.PageSize()),
          geometry_(PageGeometryOf(canvas))
    {
    }

    void Begin()
    {
        canvas_.BeginDocument(context_.Texts.Lookup(keys::InstMaintInst.Key), Orientation::Portrait);
        canvas_.SetFont(TextFont());
        DrawHeadAndFoot();
    }

    // A new page when height more does not fit below y.
    void Reserve(int height)
    {
        if (y_ + height > page_.Height)
            BreakPage();
    }

    void BreakPage()
    {
        DrawPageNumber();
        ++number_;
        canvas_.NewPage();
        DrawHeadAndFoot();
    }

    int End()
    {
        DrawPageNumber();
        canvas_.EndDocument();
        return number_;
    }

    Canvas& On() { return canvas_; }
    int Left() const { return geometry_.MarginX; }
    int TextWidth() const { return page_.Width - 2 * geometry_.MarginX; }
    int PageHeight() const { return page_.Height; }
    const PageGeometry& Geometry() const { return geometry_; }
    int& Y() { return y_; }

private:
    // The head and the foot are drawn in their own fonts, and the text
    // carries on in the font it had, even when a heading broke the page.
    void DrawHeadAndFoot()
    {
        const Font font = canvas_.CurrentFont();
        canvas_.SetFont(GreyTextFont());
        const std::string head = context_.Texts.Lookup(keys::InstMaintInst.Key);
        const Size headSize = canvas_.TextExtent(head);
        canvas_.TextOut((page_.Width - headSize.Width) / 2, 0, head);
        y_ = 2 * headSize.Height;

        canvas_.SetFont(SerifFont(FooterPoints));
        const std::string foot = FooterText(context_);
        canvas_.TextOut(geometry_.MarginX, page_.Height - canvas_.TextExtent(foot).Height, foot);
        canvas_.SetFont(font);
    }

    void DrawPageNumber()
    {
        const Font font = canvas_.CurrentFont();
        canvas_.SetFont(GreyTextFont());
        const std::string number = std::to_string(number_);
        const Size size = canvas_.TextExtent(number);
        canvas_.TextOut(page_.Width - geometry_.MarginX - size.Width, page_.Height - size.Height, number);
        canvas_.SetFont(font);
    }

    Canvas& canvas_;
    const PrintContext& context_;
    Size page_;
    PageGeometry geometry_;
    int number_ = 1;
    int y_ = 0;
};

// A heading or an emphasised line: one and a half of its line heights of
// room above and below it.
void PrintTitle(InstructionPages& pages, std::string_view text, const Font& font)
{
    Canvas& canvas = pages.On();
    canvas.SetFont(font);
    const int height = canvas.TextExtent(text).Height;
    const int space = RoundHalfEven(1.5 * height);
    pages.Y() += space;
    pages.Reserve(2 * height + FootClearance);
    canvas.TextOut(pages.Left(), pages.Y(), text);
    pages.Y() += space;
    canvas.SetFont(TextFont());
}

// False when the picture cannot be read; nothing is drawn then.
bool PrintPicture(InstructionPages& pages, const fs::path& name, const fs::path& pictureDir)
{
    Canvas& canvas = pages.On();
    if (!StaysInsideFolder(name))
        return false;
    const fs::path file = pictureDir / name;
    const std::optional<Size> picture = canvas.BitmapSize(file);
    if (!picture)
        return false;
    const int width = picture->Width * pages.Geometry().ScaleX;
    const int height = picture->Height * pages.Geometry().ScaleY;
    pages.Reserve(height + LinesBelowPicture * canvas.TextExtent("W").Height);
    const int top = pages.Y();
    if (!canvas.StretchBitmap(file, Rect{pages.Left(), top, pages.Left() + width, top + height}))
        return false;
    pages.Y() += height;
    return true;
}

void PrintRunningText(InstructionPages& pages, std::string_view text)
{
    Canvas& canvas = pages.On();
    const auto width = [&canvas](std::string_view piece) { return canvas.TextExtent(piece).Width; };
    for (const std::string& piece : WrapTextToWidth(text, pages.TextWidth(), width)) {
        const int height = canvas.TextExtent(piece).Height;
        pages.Reserve(2 * height + FootClearance);
        canvas.TextOut(pages.Left(), pages.Y(), piece);
        pages.Y() += height;
    }
}

// A blank line that no longer fits starts the next page instead.
void PrintBlankLine(InstructionPages& pages)
{
    const int height = pages.On().TextExtent("W").Height;
    if (pages.Y() + height > pages.PageHeight())
        pages.BreakPage();
    else
        pages.Y() += height;
}

}  // namespace

InstructionsPrint PrintInstallationInstructions(Canvas& canvas, const PrintContext& context,
                                                const fs::path& programDir)
{
    const std::string fileName = context.Texts.Lookup(keys::InstallText.Key);
    const fs::path name(fileName);
    std::optional<std::vector<std::string>> lines;
    if (StaysInsideFolder(name))
        lines = ReadInstructionLines(programDir / name);
    if (!lines)
        return {InstructionsOutcome::NoInstructions, fileName, 0};

    InstructionPages pages(canvas, context);
    pages.Begin();
    Font heading = TextFont();
    heading.Points = HeadingPoints;
    heading.Bold = true;
    Font emphasis = TextFont();
    emphasis.Bold = true;
    emphasis.Italic = true;

    for (const std::string& line : *lines) {
        const std::string_view rest = std::string_view(line).substr(std::min(line.size(), TagLength));
        if (line.starts_with(HeadingTag)) {
            PrintTitle(pages, rest, heading);
        } else if (line.starts_with(EmphasisTag)) {
            PrintTitle(pages, rest, emphasis);
        } else if (line.starts_with(PictureTag)) {
            if (!PrintPicture(pages, fs::path(std::string(rest)), context.PictureDir))
                return {InstructionsOutcome::MissingPicture, std::string(rest), pages.End()};
        } else if (line.empty()) {
            PrintBlankLine(pages);
        } else {
            PrintRunningText(pages, line);
        }
    }
    return {InstructionsOutcome::Printed, {}, pages.End()};
}

std::string InstructionsPrintMessage(const InstructionsPrint& print, const LanguageTable& texts)
{
    switch (print.Outcome) {
    case InstructionsOutcome::NoInstructions:
        return Format(texts.Lookup(keys::ErrorInstructionsMissing.Key), {print.File});
    case InstructionsOutcome::MissingPicture:
        return Format(texts.Lookup(keys::ErrorInstructionPicture.Key), {print.File});
    case InstructionsOutcome::Printed:
        break;
    }
    return {};
}

}  // namespace kr
