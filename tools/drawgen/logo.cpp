#include <string>

#include "drawgen/fan_mark.h"
#include "drawgen/picture_kit.h"
#include "drawgen/pictures.h"
#include "drawgen/stroke_font.h"

namespace kr::drawgen {

namespace {

// The size every printed page reserves for the logo in its top right corner.
constexpr int LogoWidth = 200;
constexpr int LogoHeight = 91;

constexpr const char* WordMark = "KALVORN";
constexpr double LetterHeight = 25;
constexpr double LetterPen = 6;
constexpr double Tracking = 4;  // extra room between the bold letters
constexpr double Baseline = 10;

constexpr Point EmblemCentre{100, 66};
constexpr double EmblemRadius = 19;

// Lays the word out letter by letter so that the heavy pen keeps its gaps.
void AddWordMark(Sketch& logo, LayerId layer)
{
    const std::string word = WordMark;
    const double gap = TextWidth("KA", LetterHeight) - TextWidth("K", LetterHeight) - TextWidth("A", LetterHeight) + Tracking;
    double width = -gap;
    for (const char letter : word)
        width += TextWidth(std::string(1, letter), LetterHeight) + gap;
    double x = (LogoWidth - width) / 2;
    for (const char letter : word) {
        const std::string glyph(1, letter);
        logo.AddText(Text{layer, {x, Baseline}, LetterHeight, glyph});
        x += TextWidth(glyph, LetterHeight) + gap;
    }
}

// The fan mark, between two rules the width of the word.
void AddEmblem(Sketch& logo, LayerId pen, LayerId fill)
{
    const FanMark mark = MakeFanMark(EmblemCentre, EmblemRadius);
    logo.AddCircle(pen, mark.centre, mark.ringRadius);
    for (const std::vector<Point>& blade : mark.blades)
        logo.AddSolid(fill, blade);
    logo.AddCircle(fill, mark.centre, mark.hubRadius);
    const double ruleGap = EmblemRadius + 8;
    const double ruleLength = 62;
    constexpr double RuleHalf = 2.5;
    AddFilledBox(logo, fill, {EmblemCentre.x - ruleGap - ruleLength, EmblemCentre.y - RuleHalf, EmblemCentre.x - ruleGap, EmblemCentre.y + RuleHalf});
    AddFilledBox(logo, fill, {EmblemCentre.x + ruleGap, EmblemCentre.y - RuleHalf, EmblemCentre.x + ruleGap + ruleLength, EmblemCentre.y + RuleHalf});
}

}  // namespace

Sketch KalvornLogo()
{
    Sketch logo(LogoWidth, LogoHeight, 1);
    const LayerId letters = PaintLayer(logo, "WORDMARK", BrandBlue, LetterPen);
    const LayerId ring = PaintLayer(logo, "EMBLEM", BrandBlue, MakeFanMark(EmblemCentre, EmblemRadius).ringPen);
    const LayerId fill = PaintLayer(logo, "FILL", BrandBlue, 1);
    AddEmblem(logo, ring, fill);
    AddWordMark(logo, letters);
    return logo;
}

}  // namespace kr::drawgen
