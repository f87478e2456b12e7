#include "core/print/print_context.h"

#include "core/data/text_keys.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace kr {

namespace {

// The layouts are drawn in screen pixels and scaled up by whole factors.
constexpr double ScreenDotsPerInch = 96.0;
// A printer only a little finer than a multiple of the screen keeps the
// smaller factor, so that the layout is never scaled past its page.
constexpr double ScaleAllowance = 0.2;

// Margins are fixed fractions of the printable area, in steps of two pixels.
constexpr int MarginXParts = 20;
constexpr int MarginYParts = 30;
constexpr int MarginStep = 2;
// Screen pixels the header takes above the content.
constexpr int HeaderHeight = 67;

constexpr std::string_view SansFamily = "Arial";
constexpr std::string_view SerifFamily = "Times New Roman";
constexpr int SenderFontPoints = 9;
constexpr int DateFontPoints = 12;
// A user's own address has any number of lines; the date keeps the place
// it has under the company's block, this many lines below the content top.
constexpr int OwnAddressDateLines = 7;
constexpr int FooterFontPoints = 6;
// Lines are as high as this letter in the block's font.
constexpr std::string_view LineHeightSample = "W";

constexpr std::array CompanyBlockKeys{keys::KalvornGroup, keys::Address, keys::Post,
                                      keys::Country,      keys::Phone,   keys::Fax};

int LineHeight(const Canvas& canvas)
{
    return canvas.TextExtent(LineHeightSample).Height;
}

// The user's address as typed: lines ended by CR LF, CR or LF; a break at
// the very end opens no further line.
std::vector<std::string> AddressLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crLf = text.substr(end, 2) == "\r\n";
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

std::string DateLine(const PrintContext& context)
{
    return context.Texts.Lookup(keys::Date.Key) + " " + context.DateText;
}

// Without a logo the block has no left edge to start from: it then ends at
// the right margin with its widest line, date included, so that it stays on
// the page and where the logo's edge would have put it.
int SenderLeftWithoutLogo(Canvas& canvas, const PageGeometry& page, const std::vector<std::string>& lines,
                          const std::string& dateLine)
{
    int widest = 0;
    canvas.SetFont(SansFont(SenderFontPoints));
    for (const std::string& line : lines)
        widest = std::max(widest, canvas.TextExtent(line).Width);
    canvas.SetFont(SansFont(DateFontPoints));
    widest = std::max(widest, canvas.TextExtent(dateLine).Width);
    return canvas.PageSize().Width - page.MarginX - widest;
}

}  // namespace

std::vector<std::string> SenderLines(const PrintContext& context)
{
    if (context.NameOnPrint)
        return AddressLines(context.NameAddress);
    std::vector<std::string> lines;
    for (const TextKey& key : CompanyBlockKeys)
        lines.push_back(context.Texts.Lookup(key.Key));
    return lines;
}

int PrintScale(int dotsPerInch)
{
    return static_cast<int>(std::nearbyint(dotsPerInch / ScreenDotsPerInch - ScaleAllowance));
}

PageGeometry PageGeometryOf(const Canvas& canvas)
{
    const Size page = canvas.PageSize();
    const Size resolution = canvas.Resolution();
    PageGeometry geometry;
    geometry.MarginX = page.Width / MarginXParts * MarginStep;
    geometry.MarginY = page.Height / MarginYParts * MarginStep;
    geometry.ScaleX = PrintScale(resolution.Width);
    geometry.ScaleY = PrintScale(resolution.Height);
    geometry.ContentTop = HeaderHeight * geometry.ScaleY + geometry.MarginY / 2 + geometry.MarginY;
    return geometry;
}

Size DrawLogo(Canvas& canvas, const PrintContext& context, const PageGeometry& page)
{
    const std::filesystem::path logoFile = context.PictureDir / LogoFileName;
    const std::optional<Size> size = canvas.BitmapSize(logoFile);
    if (!size)
        return {};
    const Size printed{size->Width * page.ScaleX, size->Height * page.ScaleY};
    const int left = canvas.PageSize().Width - printed.Width - page.MarginX;
    if (!canvas.StretchBitmap(logoFile, {left, page.MarginY, left + printed.Width, page.MarginY + printed.Height}))
        return {};
    return printed;
}

PageGeometry DrawStandardHeader(Canvas& canvas, const PrintContext& context)
{
    const PageGeometry page = PageGeometryOf(canvas);
    const int pageWidth = canvas.PageSize().Width;

    const Size logo = DrawLogo(canvas, context, page);

    const std::vector<std::string> lines = SenderLines(context);
    const std::string dateLine = DateLine(context);
    const int x = logo.Width > 0 ? pageWidth - logo.Width - page.MarginX
                                 : SenderLeftWithoutLogo(canvas, page, lines, dateLine);
    int y = logo.Height + page.MarginY / 2 + page.MarginY;

    canvas.SetFont(SansFont(SenderFontPoints));
    const int lineHeight = LineHeight(canvas);
    for (const std::string& line : lines) {
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
    // The company's block keeps a line free above the date.
    if (!context.NameOnPrint)
        y += lineHeight;
    else
        y = OwnAddressDateLines * lineHeight + page.ContentTop;

    canvas.SetFont(SansFont(DateFontPoints));
    canvas.TextOut(x, y, dateLine);
    return page;
}

void DrawStandardFooter(Canvas& canvas, const PrintContext& context)
{
    canvas.SetFont(SerifFont(FooterFontPoints));
    const std::string line = FooterText(context);
    const Size extent = canvas.TextExtent(line);
    const Size page = canvas.PageSize();
    canvas.TextOut(page.Width - extent.Width, page.Height - extent.Height, line);
}

std::string FooterText(const PrintContext& context)
{
    const LanguageTable& texts = context.Texts;
    return Format(texts.Lookup(keys::PrintPrint.Key),
                  {texts.Lookup(keys::KrOilCoolersFooter.Key), texts.Lookup(keys::Version.Key)}, context.Format);
}

Font SansFont(int points, bool bold)
{
    return Font{.Family = std::string(SansFamily), .Points = points, .Bold = bold};
}

Font SerifFont(int points, bool bold)
{
    return Font{.Family = std::string(SerifFamily), .Points = points, .Bold = bold};
}

}  // namespace kr
