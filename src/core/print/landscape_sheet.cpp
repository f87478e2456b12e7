#include "core/print/landscape_sheet.h"

#include "core/data/text_keys.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace kr {

namespace {

// A landscape sheet keeps a fifteenth of its width and a tenth of its
// height as margins, in steps of two pixels.
constexpr int MarginXParts = 30;
constexpr int MarginYParts = 20;
constexpr int MarginStep = 2;

}  // namespace

LandscapeSheet LandscapeSheetOf(Size page, Size resolution)
{
    LandscapeSheet sheet;
    sheet.Page = page;
    sheet.MarginX = page.Width / MarginXParts * MarginStep;
    sheet.MarginY = page.Height / MarginYParts * MarginStep;
    sheet.ScaleX = PrintScale(resolution.Width);
    sheet.ScaleY = PrintScale(resolution.Height);
    return sheet;
}

LandscapeSheet LandscapeSheetOf(const Canvas& canvas)
{
    return LandscapeSheetOf(canvas.PageSize(), canvas.Resolution());
}

Size LandscapeSize(Size page)
{
    return {std::max(page.Width, page.Height), std::min(page.Width, page.Height)};
}

std::string SenderLine(const PrintContext& context)
{
    if (!context.NameOnPrint)
        return context.Texts.Lookup(keys::KalvornGroup.Key);
    const std::string_view address = context.NameAddress;
    return std::string(address.substr(0, address.find_first_of("\r\n")));
}

void DrawSheetLogo(Canvas& canvas, const PrintContext& context, const LandscapeSheet& sheet, int rightGap, int top)
{
    const std::filesystem::path logo = context.PictureDir / LogoFileName;
    const std::optional<Size> size = canvas.BitmapSize(logo);
    if (!size)
        return;
    const Size printed{size->Width * sheet.ScaleX, size->Height * sheet.ScaleY};
    const int left = sheet.Page.Width - printed.Width - rightGap;
    canvas.StretchBitmap(logo, {left, top, left + printed.Width, top + printed.Height});
}

}  // namespace kr
