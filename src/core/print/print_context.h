#pragma once

#include "core/canvas/canvas.h"
#include "core/common/delphi_format.h"
#include "core/data/language.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// What every printout reads besides its own document: the texts of the
// language chosen for printing, the number format, the picture folder with
// the logo, the sender of the settings and today's date as the platform's
// short date format writes it.
struct PrintContext {
    const LanguageTable& Texts;  // the print language, not the screen's
    FormatSettings Format;
    std::filesystem::path PictureDir;  // BitmapDir: the logo, drawings, instruction pictures
    bool NameOnPrint = false;          // the user's own name and address instead of the company's
    std::string NameAddress;           // several lines joined by CR LF
    std::string DateText;
};

// The maker's logo in the picture folder, at the top of every printout.
inline constexpr std::string_view LogoFileName = "kalvorn.bmp";

// The page geometry of one print job, in printer pixels: the left and right
// margin, the top margin, the scale factors that turn a screen pixel into
// printer pixels, and where the content starts below the header.
struct PageGeometry {
    int MarginX = 0;
    int MarginY = 0;
    int ScaleX = 1;
    int ScaleY = 1;
    int ContentTop = 0;
};

// Round(dotsPerInch / 96 − 0.2), halves to the even neighbour: 6 at 600 dpi,
// 3 at 300, 1 at 96.
int PrintScale(int dotsPerInch);

// The geometry of the canvas's page: margins as fractions of the printable
// area, scale factors from its resolution, ContentTop = 67·sY + My div 2 + My.
PageGeometry PageGeometryOf(const Canvas& canvas);

// The logo in the top right corner, at the margins; its printed size, or
// none when it cannot be read.
Size DrawLogo(Canvas& canvas, const PrintContext& context, const PageGeometry& page);

// The standard header at the top of a page: the logo in the top right
// corner, the address block (the company's, or the user's own) and the date
// under it. Without a logo the block ends with its widest line at the right
// margin. Returns the page's geometry.
PageGeometry DrawStandardHeader(Canvas& canvas, const PrintContext& context);

// The version line at the foot of the page the job ends on.
void DrawStandardFooter(Canvas& canvas, const PrintContext& context);

// The printouts' two type faces: a sans-serif for the sheets and the sender
// block, a serif for the letter, the instructions and the footer.
Font SansFont(int points, bool bold = false);
Font SerifFont(int points, bool bold = false);

// The sender's lines as the header prints them, without the date: the
// user's own name and address line by line, or the company's six lines.
std::vector<std::string> SenderLines(const PrintContext& context);

// The version line: the program that printed the page and its version.
std::string FooterText(const PrintContext& context);

}  // namespace kr
